#!/usr/bin/python3
"""Instructions at rest, a figure that a busy machine does not move: the game on its map and the bare window with its
bar (baseline_bar) each run under callgrind on a private X server; once settled, SECONDS are counted and divided by
the enemy clock's ticks in them (the calls of the timer's slot). Prints both per tick and their ratio, and leaves
the profiles (callgrind.game, callgrind.base) in OUT_FOLDER for callgrind_annotate.

    bench/instructions.py BUILD_FOLDER [SECONDS] [OUT_FOLDER]

Needs valgrind (scripts/setup-debian.sh --bench); run.py counts with it when it is there."""

import glob
import os
import subprocess
import sys
import time

# (run.py puts the end-to-end tests' package on the path.)
from run import command_line

from chromaland_e2e import facts  # noqa: E402
from chromaland_e2e.processes import wait_until  # noqa: E402


def per_tick(profile, slot):
    """The instructions in the profile and the calls of SLOT (the clock's ticks) in it."""
    instructions, ticks, here = 0, 0, False
    with open(profile, errors="replace") as f:
        for line in f:
            if line.startswith("totals:"):
                instructions = int(line.split()[1])
            elif line.startswith("cfn="):
                here = slot in line
            elif line.startswith("calls=") and here:
                ticks += int(line.split()[0].split("=")[1])
    return instructions, ticks


def count_at_rest(bench, name, program, key, seconds, out):
    """PROGRAM under callgrind, taken to its map by KEY (if any), counted at rest for SECONDS into the profile OUT."""
    folder = bench.fresh_folder(program)
    x = bench.x
    process = bench.processes.start(["valgrind", "--tool=callgrind", "--instr-atstart=no", "--compress-strings=no",
                                     "--compress-pos=no", "--callgrind-out-file=" + out,
                                     os.path.join(folder, os.path.basename(program))],
                                    log_file=os.path.join(folder, "valgrind.log"), env=bench.env(), cwd=folder)
    try:
        windows = wait_until(lambda: x.windows_of(process.pid), 180, 0.5)
        if not windows:
            raise AssertionError("%s: no window under callgrind" % name)
        if key:
            time.sleep(5)
            x.ask("xdotool", "key", "--window", str(windows[0]), key)
            if not wait_until(lambda: any(x.geometry(w)[2] == facts.MAP_SIZE[0] for w in x.windows_of(process.pid)),
                              180, 0.5):
                raise AssertionError("%s: no map under callgrind" % name)
        # Start-up's caches and first paints are over by now.
        time.sleep(10)
        if subprocess.run(["callgrind_control", "-i", "on", str(process.pid)], capture_output=True).returncode:
            raise AssertionError("%s: callgrind_control failed" % name)
        time.sleep(seconds)
        for request in (["-i", "off"], ["-d"]):
            subprocess.run(["callgrind_control", *request, str(process.pid)], capture_output=True)
    finally:
        bench.processes.stop(process)
    # The dump made on request is the one of the rest.
    dumps = sorted(glob.glob(out + ".*"), key=os.path.getmtime)
    if dumps:
        os.replace(dumps[-1], out)
    for dump in glob.glob(out + ".*"):
        os.remove(dump)


def at_rest(bench, seconds, out):
    """The report's line."""
    os.makedirs(out, exist_ok=True)
    game, base = os.path.join(out, "callgrind.game"), os.path.join(out, "callgrind.base")
    count_at_rest(bench, "game", bench.game, "p", seconds, game)
    count_at_rest(bench, "base", bench.bar, None, seconds, base)
    (gi, gt), (bi, bt) = per_tick(game, "Timer1_Timer"), per_tick(base, "BaselineWindow::tick")
    if not (gt > 0 and bt > 0):
        raise AssertionError("no ticks counted (game %d, baseline %d)" % (gt, bt))
    return ("Instructions at rest per clock tick (callgrind): game %.0f (%d ticks), bare window %.0f (%d ticks), "
            "ratio %.3f" % (gi / gt, gt, bi / bt, bt, (gi / gt) / (bi / bt)))


def counted(bench, words):
    print(at_rest(bench, int(words[0]) if words else 20, os.path.abspath(words[1]) if len(words) > 1 else os.getcwd()))


if __name__ == "__main__":
    sys.exit(command_line(sys.argv, "[SECONDS] [OUT_FOLDER]", counted, ("chromaland", "bench/baseline_bar"),
                          ["valgrind"]))
