#!/usr/bin/python3
"""An installed copy of the game, played as a player would (the scenario
is chromaland_e2e/installed.py): the character and its archive in the
player's data folder, nothing written beside the program.

    play.py EXECUTABLE

The package's autopkgtest (debian/tests/control) runs it on the installed
package, tests/pkg/package.py on an unpacked one. Needs what the
end-to-end tests need."""

import os
import signal
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from chromaland_e2e import case, installed  # noqa: E402


def main(argv):
    if len(argv) != 2 or not os.access(argv[1], os.X_OK):
        print("usage: %s EXECUTABLE" % argv[0], file=sys.stderr)
        return 2
    case.Scenario.exe = os.path.realpath(argv[1])
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("ended by SIGTERM"))
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(installed.Installed)
    result = unittest.TextTestRunner(stream=sys.stderr, verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
