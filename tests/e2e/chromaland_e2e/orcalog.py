"""Runs Orca for one screen-reader scenario, logging what it says line by line (Orca's own launcher writes its log in
large blocks, which a test could read only once Orca had ended), and leaving other Orcas alone (the launcher kills
every other Orca of the user, or refuses to start beside one: scenarios side by side would end each other's reader).

    python3 -m chromaland_e2e.orcalog LOGFILE
"""

import sys

from gi.repository import GLib

from orca import debug

# The name it has on the accessibility bus, as Orca's launcher gives it; the process keeps the interpreter's name,
# so that no launcher takes it for an Orca.
GLib.set_prgname("orca")

debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1, encoding="utf-8")

from orca import orca  # noqa: E402 (the log must be set up first)

manager = orca.getSettingsManager()
manager.activate()
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
