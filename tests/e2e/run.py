#!/usr/bin/python3
"""Runs end-to-end scenarios of Chromaland (the package chromaland_e2e) against a build of the game.

    run.py PATH/TO/chromaland [SCENARIO...|all]

Without scenarios, or with "all", every scenario of scenarios.txt runs, in its order. A scenario is the method
test_<name> of a test case in the package; the list and the package must name the same scenarios."""

import importlib
import os
import signal
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from chromaland_e2e import case  # noqa: E402

MODULES = ("play", "faults", "wayland", "screenreader", "controller", "sound")


def listed():
    """The scenarios' names in scenarios.txt (GROUP NAME a line), in order."""
    with open(os.path.join(HERE, "scenarios.txt")) as f:
        return [row[1] for row in (line.split("#", 1)[0].split() for line in f) if row]


def written():
    """The scenarios of the package: name -> (test case, method name)."""
    found = {}
    for module in MODULES:
        loaded = importlib.import_module("chromaland_e2e." + module)
        for item in vars(loaded).values():
            if isinstance(item, type) and issubclass(item, unittest.TestCase) and item.__module__ == loaded.__name__:
                found.update((method[5:], (item, method)) for method in dir(item) if method.startswith("test_"))
    return found


def main(argv):
    if len(argv) < 2 or not os.access(argv[1], os.X_OK):
        print("usage: %s PATH/TO/chromaland [SCENARIO...|all]" % argv[0], file=sys.stderr)
        return 2
    names, tests = listed(), written()
    if set(names) != set(tests):
        print("scenarios.txt and the package differ: only listed %s, only written %s"
              % (sorted(set(names) - set(tests)), sorted(set(tests) - set(names))), file=sys.stderr)
        return 2
    wanted = argv[2:] if argv[2:] and argv[2:] != ["all"] else names
    unknown = [w for w in wanted if w not in names]
    if unknown:
        print("unknown scenario: %s (known: %s)" % (" ".join(unknown), " ".join(names)), file=sys.stderr)
        return 2
    case.Scenario.exe = os.path.abspath(argv[1])
    # Ended from outside (ctest at a timeout asks first): the scenario fails, and its cleanups end what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("ended by SIGTERM"))
    suite = unittest.TestSuite(tests[w][0](tests[w][1]) for w in wanted)
    result = unittest.TextTestRunner(stream=sys.stderr, verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
