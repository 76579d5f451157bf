#!/usr/bin/python3
"""What an arrow key costs a player while a screen reader listens: the time from the key to the marker painted at its
new square (bench/probe) in the game with no accessibility bus, with a client of the bus listening to events (the
end-to-end tests' reader, which takes no keys), and with Orca listening, which Qt's bridge hands every key and then
waits for; both cores kept busy by stress-ng --cpu 2 unless "idle" is given. Prints for each the median, the 90th and
99th percentile and the longest of KEYS presses (100), and how many took longer than 50 and 100 ms.

    bench/keylatency.py BUILD_FOLDER [KEYS] [idle]

Needs what the end-to-end and screen-reader scenarios need, the probe built (cmake --build BUILD_FOLDER --target
chromaland probe) and stress-ng (scripts/setup-debian.sh --bench). Takes about a minute per 100 keys."""

import os
import statistics
import sys
import time

# (run.py puts the end-to-end tests' package on the path.)
from run import command_line

from chromaland_e2e.a11y import Bus  # noqa: E402


def rank(values, share):
    """The value at that share of the sorted values, as a nearest rank."""
    return values[max(0, int(len(values) * share + 0.5) - 1)]


def measure(bench, what, keys, extra=None):
    """The row of KEYS arrow keys, right and left along the healing row, where no enemy ever comes, in the game
    started with EXTRA added to its environment (the bus, when one runs)."""
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
    print("%d arrow keys each, ms from the key to the marker painted; %d cores%s"
          % (keys, os.cpu_count(), ", both kept busy by stress-ng" if busy else ""), flush=True)
    print("%-34s %8s %8s %8s %8s %6s %6s" % ("", "median", "90th", "99th", "longest", ">50", ">100"), flush=True)
    print(measure(bench, "no accessibility bus", keys), flush=True)
    bus = Bus(bench.tmp, bench.x)
    try:
        listener = bus.reader("idle", 36000, log_file=os.devnull)
        time.sleep(2)
        print(measure(bench, "a listener of events, no reader", keys, bus.game_env()), flush=True)
        bus.processes.stop(listener)
        bus.start_orca()
        print(measure(bench, "Orca listening", keys, bus.game_env()), flush=True)
    finally:
        bus.stop()


if __name__ == "__main__":
    sys.exit(command_line(sys.argv, "[KEYS] [idle]", latencies,
                          tools=[] if sys.argv[3:4] == ["idle"] else ["stress-ng"]))
