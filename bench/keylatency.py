#!/usr/bin/python3
"""What an arrow key costs a player while a screen reader listens: the time
from the key to the marker painted at its new square (bench/probe), for
the game with no accessibility bus, with a client of the bus listening to
events (the end-to-end tests' reader, which takes no keys), and with Orca
listening, which Qt's bridge hands every key and then waits for. Both
cores are kept busy meanwhile (stress-ng --cpu 2), as on a loaded machine,
unless "idle" is given. Prints, for each, the median, the 90th and 99th
percentile and the longest of KEYS presses (100 unless given), and how
many took longer than 50 and 100 ms.

    bench/keylatency.py BUILD_FOLDER [KEYS] [idle]

Needs what the end-to-end and screen-reader scenarios need, the probe
built (cmake --build BUILD_FOLDER --target chromaland probe) and stress-ng
(scripts/setup-debian.sh --bench). Takes about a minute per 100 keys."""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

from chromaland_e2e import facts, files  # noqa: E402
from chromaland_e2e.a11y import Bus  # noqa: E402
from chromaland_e2e.display import X11  # noqa: E402
from chromaland_e2e.game import clean_environment  # noqa: E402
from chromaland_e2e.processes import Group  # noqa: E402

# The keys go right and left along the healing row, where no enemy ever comes.


def rank(values, share):
    """The value at that share of the sorted values, as a nearest rank."""
    return values[max(0, int(len(values) * share + 0.5) - 1)]


def measure(what, build, tmp, x, keys, extra):
    """Starts the game with the environment EXTRA added (the bus, when one
    runs), opens the map and times KEYS arrow keys; returns the row."""
    folder = tempfile.mkdtemp(prefix="run.", dir=tmp)
    shutil.copy(os.path.join(build, "chromaland"), folder)
    files.write_character(os.path.join(folder, "Character.chx"), files.DEFAULT_CHARACTER)
    env = clean_environment(os.path.join(tmp, "home"), os.path.join(tmp, "runtime"), display=x.display, extra=extra)
    probe = os.path.join(build, "bench", "probe")

    def run(*args):
        done = subprocess.run([probe, *args], capture_output=True, text=True, env=env, cwd=folder)
        if done.returncode:
            raise RuntimeError("%s: %s" % (what, done.stderr.strip()))
        return done.stdout.split()

    pid, win, _ = run("launch", os.path.join(folder, "output.log"), facts.wxh(facts.TITLE_SIZE), *facts.TITLE_PAINTED, "--",
                      os.path.join(folder, "chromaland"))
    try:
        win, _ = run("key", pid, win, "p", facts.wxh(facts.MAP_SIZE), *facts.MAP_PAINTED)
        time.sleep(0.5)
        times = sorted(float(t) for t in run("moves", win, str(keys), facts.square_centre(), facts.square_centre(1), "ffffff", "each"))
    finally:
        try:
            os.kill(int(pid), 15)
        except ProcessLookupError:
            pass
    row = "%-34s %8.2f %8.2f %8.2f %8.2f %6d %6d" % (
        what, statistics.median_low(times), rank(times, 0.9), rank(times, 0.99), times[-1],
        sum(t > 50 for t in times), sum(t > 100 for t in times))
    with open(os.path.join(folder, "output.log"), errors="replace") as f:
        errors = [line.strip() for line in f if "keyEventError" in line]
    if errors:
        row += "\n    Qt's bridge gave up waiting for the reader %d times: %s" % (len(errors), errors[0])
    return row


def main(argv):
    if len(argv) < 2 or not os.path.isdir(argv[1]):
        print("usage: %s BUILD_FOLDER [KEYS] [idle]" % argv[0], file=sys.stderr)
        return 2
    build = os.path.abspath(argv[1])
    keys = int(argv[2]) if len(argv) > 2 else 100
    busy = not (len(argv) > 3 and argv[3] == "idle")
    for program in (os.path.join(build, "chromaland"), os.path.join(build, "bench", "probe")):
        if not os.access(program, os.X_OK):
            print("missing %s: build it first" % program, file=sys.stderr)
            return 2
    if busy and not shutil.which("stress-ng"):
        print("missing stress-ng (scripts/setup-debian.sh --bench installs it)", file=sys.stderr)
        return 2
    tmp = tempfile.mkdtemp(prefix="chromaland-keys.", dir=os.environ.get("TMPDIR", "/tmp"))
    processes = Group()
    x = bus = None
    try:
        x = X11(tmp)
        if busy:
            processes.start(["stress-ng", "--cpu", "2"])
        print("%d arrow keys each, ms from the key to the marker painted; %d cores%s"
              % (keys, os.cpu_count(), ", both kept busy by stress-ng" if busy else ""), flush=True)
        print("%-34s %8s %8s %8s %8s %6s %6s" % ("", "median", "90th", "99th", "longest", ">50", ">100"), flush=True)
        print(measure("no accessibility bus", build, tmp, x, keys, {}), flush=True)
        bus = Bus(tmp, x)
        listener = bus.reader("idle", 36000, log_file=os.devnull)
        time.sleep(2)
        print(measure("a listener of events, no reader", build, tmp, x, keys, bus.game_env()), flush=True)
        bus.processes.stop(listener)
        bus.start_orca()
        print(measure("Orca listening", build, tmp, x, keys, bus.game_env()), flush=True)
    except (RuntimeError, AssertionError) as e:
        print(e, file=sys.stderr)
        return 1
    finally:
        if bus:
            bus.stop()
        processes.stop_all()
        if x:
            x.stop()
        shutil.rmtree(tmp, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
