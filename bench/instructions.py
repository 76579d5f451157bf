#!/usr/bin/python3
"""Instructions at rest, a figure that a busy machine does not move: the
game on its map and the bare window with its bar (baseline_bar) each run
under callgrind on a private X server; once the window is up and has
settled, the count runs for SECONDS and is divided by the enemy clock's
ticks in that time (the calls of the timer's slot), which callgrind counts
as well. Prints instructions per tick for both and their ratio, and leaves
the profiles (callgrind.game, callgrind.base) in OUT_FOLDER for
callgrind_annotate.

    bench/instructions.py BUILD_FOLDER [SECONDS] [OUT_FOLDER]

Needs valgrind (scripts/setup-debian.sh --bench); run.py counts with it,
and leaves it out when valgrind is missing."""

import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

from chromaland_e2e import facts, files  # noqa: E402
from chromaland_e2e.display import X11  # noqa: E402
from chromaland_e2e.game import clean_environment  # noqa: E402
from chromaland_e2e.processes import Group, wait_until  # noqa: E402


class CountError(Exception):
    pass


def ticks(profile, slot):
    """The calls of SLOT recorded in the profile."""
    count, here = 0, False
    with open(profile, errors="replace") as f:
        for line in f:
            if line.startswith("cfn="):
                here = slot in line
            elif line.startswith("calls=") and here:
                count += int(line.split()[0].split("=")[1])
    return count


def total(profile):
    with open(profile, errors="replace") as f:
        return next((int(line.split()[1]) for line in f if line.startswith("totals:")), 0)


def count_at_rest(name, folder, program, key, seconds, out, x, home, runtime):
    """Runs PROGRAM from FOLDER under callgrind, presses KEY in its first
    window (none: None), waits for the window it then shows, and counts
    SECONDS of rest."""
    processes = Group()
    env = clean_environment(home, runtime, display=x.display)
    process = processes.start(["valgrind", "--tool=callgrind", "--instr-atstart=no", "--compress-strings=no",
                               "--compress-pos=no", "--callgrind-out-file=" + out, os.path.join(folder, program)],
                              log_file=os.path.join(folder, "valgrind.log"), env=env, cwd=folder)
    try:
        windows = wait_until(lambda: x.windows_of(process.pid), 180, 0.5)
        if not windows:
            raise CountError("%s: no window under callgrind" % name)
        if key:
            time.sleep(5)
            x.ask("xdotool", "key", "--window", str(windows[0]), key)

            def map_shown():
                maps = x.ask("xdotool", "search", "--onlyvisible", "--pid", str(process.pid), "--name",
                             "^Chromaland$").split()
                return maps and "Width: %d" % facts.MAP_SIZE[0] in x.ask("xwininfo", "-id", maps[-1])
            if not wait_until(map_shown, 180, 0.5):
                raise CountError("%s: no map under callgrind" % name)
        # Start-up's caches and first paints are over by now.
        time.sleep(10)
        if subprocess.run(["callgrind_control", "-i", "on", str(process.pid)], capture_output=True).returncode:
            raise CountError("%s: callgrind_control failed" % name)
        time.sleep(seconds)
        subprocess.run(["callgrind_control", "-i", "off", str(process.pid)], capture_output=True)
        subprocess.run(["callgrind_control", "-d", str(process.pid)], capture_output=True)
    finally:
        processes.stop_all()
    # The dump made on request is the one of the rest.
    dumps = sorted(glob.glob(out + ".*"), key=os.path.getmtime)
    if dumps:
        os.replace(dumps[-1], out)
    for dump in glob.glob(out + ".*"):
        os.remove(dump)


def at_rest(build, seconds, out, x, home, runtime):
    """The figures, as a line of text."""
    os.makedirs(out, exist_ok=True)
    scratch = os.path.dirname(home)
    game = tempfile.mkdtemp(prefix="cg.", dir=scratch)
    shutil.copy(os.path.join(build, "chromaland"), game)
    files.write_character(os.path.join(game, "Character.chx"), files.DEFAULT_CHARACTER)
    base = tempfile.mkdtemp(prefix="cg.", dir=scratch)
    shutil.copy(os.path.join(build, "bench", "baseline_bar"), base)
    count_at_rest("game", game, "chromaland", "p", seconds, os.path.join(out, "callgrind.game"), x, home, runtime)
    count_at_rest("base", base, "baseline_bar", None, seconds, os.path.join(out, "callgrind.base"), x, home, runtime)
    gi, gt = total(os.path.join(out, "callgrind.game")), ticks(os.path.join(out, "callgrind.game"), "Timer1_Timer")
    bi, bt = total(os.path.join(out, "callgrind.base")), ticks(os.path.join(out, "callgrind.base"),
                                                               "BaselineWindow::tick")
    if not (gt > 0 and bt > 0):
        raise CountError("no ticks counted (game %d, baseline %d)" % (gt, bt))
    shutil.rmtree(game, ignore_errors=True)
    shutil.rmtree(base, ignore_errors=True)
    return ("Instructions at rest per clock tick (callgrind): game %.0f (%d ticks), bare window %.0f (%d ticks), "
            "ratio %.3f" % (gi / gt, gt, bi / bt, bt, (gi / gt) / (bi / bt)))


def main(argv):
    if len(argv) < 2 or not os.path.isdir(argv[1]):
        print("usage: %s BUILD_FOLDER [SECONDS] [OUT_FOLDER]" % argv[0], file=sys.stderr)
        return 2
    if not shutil.which("valgrind"):
        print("missing valgrind (scripts/setup-debian.sh --bench installs it)", file=sys.stderr)
        return 2
    tmp = tempfile.mkdtemp(prefix="chromaland-instructions.", dir=os.environ.get("TMPDIR", "/tmp"))
    x = X11(tmp)
    try:
        print(at_rest(os.path.abspath(argv[1]), int(argv[2]) if len(argv) > 2 else 20,
                      os.path.abspath(argv[3]) if len(argv) > 3 else os.getcwd(), x,
                      os.path.join(tmp, "home"), os.path.join(tmp, "runtime")))
    except CountError as e:
        print(e, file=sys.stderr)
        return 1
    finally:
        x.stop()
        shutil.rmtree(tmp, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
