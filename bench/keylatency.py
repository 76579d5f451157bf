#!/usr/bin/python3
"""What an arrow key costs a player while a screen reader listens: the ms from the key to the marker painted at its
new square (bench/probe) with no accessibility bus, with a client of the bus listening to events (the end-to-end
tests' reader), and with Orca, which Qt's bridge hands every key and then waits for; both cores busy with stress-ng
unless "idle" is given. Prints the median, 90th and 99th percentile and longest of KEYS presses (100), and how many
took over 50 and 100 ms. Needs what the screen-reader scenarios need and stress-ng (setup-debian.sh --bench).

    bench/keylatency.py BUILD_FOLDER [KEYS] [idle]
"""

import os
import statistics
import sys
import time

# (run.py puts the end-to-end tests' package on the path.)
from run import command_line

from chromaland_e2e.a11y import Bus  # noqa: E402


def rank(values, share):
    """The value at that share of the sorted values (nearest rank)."""
    return values[max(0, int(len(values) * share + 0.5) - 1)]


def measure(bench, what, keys, extra=None):
    """The row of KEYS arrow keys along the healing row, where no enemy ever comes, EXTRA added to the environment."""
    with bench.running(bench.game, extra=extra):
        times = sorted(float(t) for t in bench.moves(what, keys, each=True))
    row = "%-34s %8.2f %8.2f %8.2f %8.2f %6d %6d" % (
        what, statistics.median_low(times), rank(times, 0.9), rank(times, 0.99), times[-1],
        sum(t > 50 for t in times), sum(t > 100 for t in times))
    with open(os.path.join(bench.folder, "output.log"), errors="replace") as f:
        errors = [line.strip() for line in f if "keyEventError" in line]
    if errors:
        row += "\n    Qt's bridge gave up waiting for the reader %d times: %s" % (len(errors), errors[0])
    return row


def latencies(bench, words):
    keys = int(words[0]) if words else 100
    busy = words[1:2] != ["idle"]
    if busy:
        bench.processes.start(["stress-ng", "--cpu", "2"])
    sys.stdout.reconfigure(line_buffering=True)
    print("%d arrow keys each, ms from the key to the marker painted; %d cores%s"
          % (keys, os.cpu_count(), ", both kept busy by stress-ng" if busy else ""))
    print("%-34s %8s %8s %8s %8s %6s %6s" % ("", "median", "90th", "99th", "longest", ">50", ">100"))
    print(measure(bench, "no accessibility bus", keys))
    bus = Bus(bench.tmp, bench.x)
    try:
        listener = bus.reader("idle", 36000, log_file=os.devnull)
        time.sleep(2)
        print(measure(bench, "a listener of events, no reader", keys, bus.game_env()))
        bus.processes.stop(listener)
        bus.start_orca()
        print(measure(bench, "Orca listening", keys, bus.game_env()))
    finally:
        bus.stop()


if __name__ == "__main__":
    sys.exit(command_line(sys.argv, "[KEYS] [idle]", latencies,
                          tools=[] if sys.argv[3:4] == ["idle"] else ["stress-ng"]))
