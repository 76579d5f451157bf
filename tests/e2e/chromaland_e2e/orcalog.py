"""Runs Orca for one screen-reader scenario, logging what it says line by
line (Orca's own launcher writes its log in large blocks, so a test could
read it only once Orca had ended).

    python3 -m chromaland_e2e.orcalog LOGFILE

Orca's launcher also kills every other Orca of the same user, or refuses
to start beside one: scenarios running side by side, or another
developer's on the same machine, would end each other's reader. This one
starts Orca's main loop directly and leaves other readers alone; it runs
under the name of the interpreter, so no launcher takes it for an Orca.
"""

import sys

from gi.repository import GLib

from orca import debug

# The name it has on the accessibility bus, as Orca's launcher gives it.
GLib.set_prgname("orca")

debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1, encoding="utf-8")

from orca import orca  # noqa: E402 (the log must be set up first)

manager = orca.getSettingsManager()
manager.activate()
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
