#!/usr/bin/python3
"""Measures the game side by side with the bare windows it is held against,
from outside, as a new player would meet it: under a private X server
(Xvfb) with openbox, each program started fresh from a folder of its own,
timed by its pixels (bench/probe) and by the scheduler's own accounting.
Game and bare windows take turns, ROUNDS times (at least 6), so that
whatever else the machine does hits both sides alike; each figure is
printed as the median with its spread, each ratio as the median of the
rounds' own ratios with their least and greatest. At rest the CPU time
counted is the program's and the display server's together, which is what
the player's machine pays: on X11 under Xvfb, then on Wayland inside Weston
(the end-to-end tests' Weston on Xvfb). Then the system calls a clock tick
costs at rest (strace) and, with xtrace, the X requests, figures that the
machine's load does not move; then the micro-benchmarks.

    bench/run.py BUILD_FOLDER [ROUNDS]

BUILD_FOLDER is a CMake build of this repository with the bench built
(cmake --build BUILD_FOLDER --target chromaland bench_logic baseline_bar
baseline_square baseline_title probe). Needs Xvfb, openbox, wmctrl, xdotool,
x11-utils and strace (scripts/setup-debian.sh --tests installs them);
Weston, Xwayland and ImageMagick for the Wayland rounds (also --tests);
with valgrind, xtrace and GNOME Mines (setup-debian.sh --bench) it also
counts instructions at rest (bench/instructions.py) and X requests a tick,
and sets the game's memory beside Mines'. REST_SECONDS (20) sets the length
of one stretch at rest. Takes about 25 minutes for 6 rounds."""

import os
import platform
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

from chromaland_e2e import facts, files  # noqa: E402
from chromaland_e2e.display import X11, Weston  # noqa: E402
from chromaland_e2e.game import clean_environment  # noqa: E402
from chromaland_e2e.processes import Group, output, wait_until  # noqa: E402

# --- What the probe looks for -------------------------------------------------

# Window sizes, and the pixels that show a window painted (X,Y=RRGGBB in
# window pixels, facts.py): with the Graphics folder, its own player and
# map colours; the baseline, of the map window's size, shows its window's
# face, and its square where the game's player starts.
TITLE_SIZE, MAP_SIZE = facts.wxh(facts.TITLE_SIZE), facts.wxh(facts.MAP_SIZE)
GFX_MAP = "204060"
GFX_HEALING = "00c000"
MAP_PAINTED_GFX = [facts.square_centre() + "=" + GFX_HEALING, "500,74=" + GFX_MAP]
BASE_PAINTED = ["300,200=efefef"]
BASE_PAINTED_SQUARE = BASE_PAINTED + [facts.square_centre() + "=ffffff"]
# The player's start square and the one to its right (centres), in the
# game and in the baseline alike; the bar's middle row inside its frame.
MOVE = (facts.square_centre(), facts.square_centre(1), "ffffff")
BAR_ROW = "%d,%d,%d" % facts.bar_row(4)

MOVES = 50
PHASES = 20
# One stretch at rest, and the wait before it for the window to settle.
REST_SECONDS = int(os.environ.get("REST_SECONDS", "20"))
SETTLE_SECONDS = 2
# The stretch at rest that strace and xtrace watch.
TRACE_SECONDS = 10


class BenchError(Exception):
    pass


def peak_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        return next(int(line.split()[1]) for line in f if line.startswith("VmHWM:"))


def own_kb(pid):
    """The process's own memory, as a player's other programs feel it: the
    pages only it holds and has written (Private_Dirty), which leaves out
    the fonts and libraries that every Qt or GTK program shares."""
    with open("/proc/%d/smaps_rollup" % pid) as f:
        return next(int(line.split()[1]) for line in f if line.startswith("Private_Dirty:"))


def g(value):
    """A number as awk prints it."""
    return "%.6g" % value


class Figures:
    """The measurements by name, one a round, and the report's forms of them."""

    def __init__(self):
        self.values = {}
        self.off = False

    def record(self, name, value):
        if not self.off:
            self.values.setdefault(name, []).append(float(value))

    def has(self, name):
        return bool(self.values.get(name))

    def median(self, name):
        return statistics.median(self.values[name])

    def spread(self, name):
        """"median (least-greatest)" of a figure."""
        if not self.has(name):
            return "-"
        v = self.values[name]
        return "%g (%g-%g)" % (statistics.median(v), min(v), max(v))

    def ratios(self, a, b):
        """Each round's A over its B."""
        return [float("%.3f" % (x / y)) for x, y in zip(self.values.get(a, []), self.values.get(b, [])) if y > 0]

    def ratio_of(self, a, b):
        """(median, least, greatest) of the rounds' ratios, as text."""
        r = self.ratios(a, b)
        if not r:
            return "-", "-", "-"
        return "%.2f" % statistics.median(r), "%.2f" % min(r), "%.2f" % max(r)


def line(*cells):
    print("%-46s %20s %20s %17s   %-20s %s" % cells)


def verdict(held):
    return "held" if held else "MISSED"


class Bench:

    def __init__(self, build, rounds):
        self.build = build
        self.rounds = rounds
        self.game = os.path.join(build, "chromaland")
        self.bar = os.path.join(build, "bench", "baseline_bar")
        self.square = os.path.join(build, "bench", "baseline_square")
        self.title = os.path.join(build, "bench", "baseline_title")
        self.probe_exe = os.path.join(build, "bench", "probe")
        self.logic = os.path.join(build, "bench", "bench_logic")
        self.tmp = tempfile.mkdtemp(prefix="chromaland-bench.", dir=os.environ.get("TMPDIR", "/tmp"))
        self.home = os.path.join(self.tmp, "home")
        self.runtime = os.path.join(self.tmp, "runtime")
        self.figures = Figures()
        self.processes = Group()
        self.x = self.weston = None
        self.syscalls = []
        self.xrequests = []
        self.pid = self.win = None

    def env(self, **extra):
        """The end-to-end tests' clean environment on the bench's X server."""
        return clean_environment(self.home, self.runtime, display=self.x.display, extra=extra)

    def probe(self, *args, cwd=None):
        """Runs the probe in the clean environment; its output's words."""
        done = subprocess.run([self.probe_exe, *args], capture_output=True, text=True, env=self.env(), cwd=cwd)
        if done.returncode != 0:
            raise BenchError(done.stderr.strip())
        return done.stdout.split()

    def fresh_folder(self, program):
        """A fresh folder holding a copy of PROGRAM (the game writes beside
        itself) and, for the game, a default character, so that no message
        box comes."""
        folder = tempfile.mkdtemp(prefix="run.", dir=self.tmp)
        shutil.copy(program, folder)
        files.write_character(os.path.join(folder, "Character.chx"), files.DEFAULT_CHARACTER)
        return folder

    def make_graphics(self):
        """The full Graphics folder: 24 pictures of plain colours."""
        folder = os.path.join(self.tmp, "Graphics")
        os.makedirs(folder, exist_ok=True)
        subprocess.run([self.probe_exe, "bmp", os.path.join(folder, "MapBackground.bmp"), "352", "368", GFX_MAP],
                       check=True)
        subprocess.run([self.probe_exe, "bmp", os.path.join(folder, "Player.bmp"), "16", "16", "0000c0"], check=True)
        subprocess.run([self.probe_exe, "bmp", os.path.join(folder, "Player_Healing.bmp"), "16", "16", GFX_HEALING],
                       check=True)
        for i in range(21):
            subprocess.run([self.probe_exe, "bmp", os.path.join(folder, "Enemy_%d.bmp" % i), "16", "16", "c08040"],
                           check=True)

    def finish(self, pid):
        try:
            os.kill(pid, 15)
        except ProcessLookupError:
            pass
        wait_until(lambda: not os.path.exists("/proc/%d" % pid), 5)
        try:
            os.waitpid(pid, os.WNOHANG)
        except ChildProcessError:
            pass

    def launch(self, folder, program, size, expect):
        """Starts PROGRAM from FOLDER and waits for its first window
        painted; returns the milliseconds it took."""
        try:
            pid, win, ms = self.probe("launch", os.path.join(folder, "output.log"), size, *expect, "--",
                                      os.path.join(folder, program), cwd=folder)
        except BenchError:
            tail = open(os.path.join(folder, "output.log"), errors="replace").read().splitlines()[-3:] \
                if os.path.exists(os.path.join(folder, "output.log")) else []
            raise BenchError("%s: its first window was not painted (%s)" % (program, " ".join(tail))) from None
        self.pid, self.win = int(pid), win
        return float(ms)

    def to_map(self, painted, what="the map was not painted"):
        try:
            self.win, ms = self.probe("key", str(self.pid), self.win, "p", MAP_SIZE, *painted)
        except BenchError:
            raise BenchError("game: " + what) from None
        return float(ms)

    def rest_cost(self, name, server, more=None):
        """With the program settled at rest and nothing else touching the
        display, the CPU time of the program and of the display server
        SERVER over REST_SECONDS, in ms, and how often a second the
        program's threads went to sleep to wait (its wake-ups). MORE, when
        given, is one more process counted apart (Weston's Xvfb)."""
        pids = [str(self.pid), str(server)] + ([str(more)] if more else [])
        try:
            b = [int(v) for v in self.probe("cpu", *pids)]
            time.sleep(REST_SECONDS)
            a = [int(v) for v in self.probe("cpu", *pids)]
        except BenchError:
            raise BenchError("%s: ended while at rest, or its CPU time cannot be read" % name) from None
        record = self.figures.record
        record(name + ".app", "%.1f" % ((a[0] - b[0]) / 1e6))
        record(name + ".server", "%.1f" % ((a[2] - b[2]) / 1e6))
        record(name + ".all", "%.1f" % ((a[0] - b[0] + a[2] - b[2]) / 1e6))
        record(name + ".waits", "%.0f" % ((a[1] - b[1]) / REST_SECONDS))
        if len(b) > 4:
            record(name + ".more", "%.1f" % ((a[4] - b[4]) / 1e6))

    # --- The runs -------------------------------------------------------------

    def run_game(self):
        folder = self.fresh_folder(self.game)
        self.figures.record("game.start", self.launch(folder, "chromaland", TITLE_SIZE, facts.TITLE_PAINTED))
        self.figures.record("game.map", self.to_map(facts.MAP_PAINTED))
        time.sleep(0.5)
        try:
            moves, = self.probe("moves", self.win, str(MOVES), *MOVE)
        except BenchError:
            raise BenchError("game: the player did not move") from None
        self.figures.record("game.key", moves)
        # The period of 20 phases of the enemy clock, read off the bar on screen.
        time.sleep(1)
        try:
            period, = self.probe("rest", self.win, str(PHASES), BAR_ROW)
        except BenchError:
            raise BenchError("game: the bar was not seen wrapping") from None
        self.figures.record("game.period", period)
        self.figures.record("game.peak", peak_kb(self.pid))
        self.figures.record("game.own", own_kb(self.pid))
        self.finish(self.pid)

    def rest_game(self):
        """The game on its map at rest, as a player who thinks leaves it."""
        folder = self.fresh_folder(self.game)
        self.launch(folder, "chromaland", TITLE_SIZE, facts.TITLE_PAINTED)
        self.to_map(facts.MAP_PAINTED)
        time.sleep(SETTLE_SECONDS)
        self.rest_cost("game", self.x.process.pid)
        self.finish(self.pid)

    def rest_bar(self):
        """The bare window with its bar and squares at rest."""
        folder = self.fresh_folder(self.bar)
        self.launch(folder, "baseline_bar", MAP_SIZE, BASE_PAINTED)
        time.sleep(SETTLE_SECONDS)
        self.rest_cost("base", self.x.process.pid)
        self.figures.record("base.peak", peak_kb(self.pid))
        self.figures.record("base.own", own_kb(self.pid))
        self.finish(self.pid)

    def run_game_graphics(self):
        folder = self.fresh_folder(self.game)
        shutil.copytree(os.path.join(self.tmp, "Graphics"), os.path.join(folder, "Graphics"))
        self.launch(folder, "chromaland", TITLE_SIZE, facts.TITLE_PAINTED)
        self.figures.record("gfx.map", self.to_map(MAP_PAINTED_GFX, "the map with pictures was not painted"))
        self.finish(self.pid)

    def start_only(self, name, program, size, expect):
        """A start of a bare window to its first picture, recorded as NAME.start."""
        folder = self.fresh_folder(program)
        self.figures.record(name + ".start", self.launch(folder, os.path.basename(program), size, expect))
        self.finish(self.pid)

    def run_square(self):
        folder = self.fresh_folder(self.square)
        self.launch(folder, "baseline_square", MAP_SIZE, BASE_PAINTED_SQUARE)
        time.sleep(0.5)
        try:
            moves, = self.probe("moves", self.win, str(MOVES), *MOVE)
        except BenchError:
            raise BenchError("baseline: the square did not move") from None
        self.figures.record("base.key", moves)
        self.finish(self.pid)

    def run_mines(self, mines):
        """GNOME Mines, a small desktop game, settled on its first window:
        its own memory, for comparison."""
        env = clean_environment(os.path.join(self.tmp, "mines-home"), self.runtime, display=self.x.display,
                                extra={"GTK_A11Y": "none"})
        for name in ("QT_QPA_PLATFORM", "QT_ACCESSIBILITY"):
            env.pop(name)
        process = self.processes.start([mines], log_file=os.path.join(self.tmp, "mines.log"), env=env)
        if not wait_until(lambda: self.x.windows_of(process.pid), 20, 0.1):
            print("bench: GNOME Mines showed no window; left out", file=sys.stderr)
            self.processes.stop(process)
            return
        time.sleep(30)
        self.figures.record("mines.own", own_kb(process.pid))
        self.figures.record("mines.peak", peak_kb(process.pid))
        self.processes.stop(process)

    # --- On Wayland -------------------------------------------------------------

    def wl_env(self, **extra):
        return clean_environment(self.home, self.runtime, wayland=(self.weston.socket, self.weston.xwayland),
                                 extra=extra)

    def wl_start(self, folder, command, log_file):
        process = self.processes.start(command, log_file=log_file, cwd=folder,
                                       env=self.wl_env(QT_QPA_PLATFORM="wayland"))
        self.pid = process.pid
        return process

    def wl_rest_game(self):
        """The game at rest with Weston as the display server; Weston's CPU
        time is counted with its, the Xvfb Weston draws into apart."""
        folder = self.fresh_folder(self.game)
        process = self.wl_start(folder, [os.path.join(folder, "chromaland")], os.path.join(folder, "output.log"))
        if not wait_until(lambda: self.weston.find(self.pid, "title"), 20, 0.1):
            raise BenchError("the game's title did not show on Weston")
        self.weston.keys("p")
        if not wait_until(lambda: self.weston.find(self.pid, "map"), 15, 0.1):
            raise BenchError("the game's map did not show on Weston")
        time.sleep(SETTLE_SECONDS)
        self.rest_cost("wl.game", self.weston.pid, self.weston.x.process.pid)
        self.processes.stop(process)

    def wl_rest_bar(self, name, *args):
        """The bare window at rest on Weston, its bar repainting every other
        tick or, with --every-tick, at every tick."""
        folder = self.fresh_folder(self.bar)
        process = self.wl_start(folder, [os.path.join(folder, "baseline_bar"), *args],
                                os.path.join(folder, "output.log"))
        if not wait_until(lambda: "PID %d," % self.pid in self.weston.scene(), 20, 0.1):
            raise BenchError("the bare window did not show on Weston")
        time.sleep(SETTLE_SECONDS)
        self.rest_cost(name, self.weston.pid, self.weston.x.process.pid)
        self.processes.stop(process)

    # --- What a tick costs, whatever the load -----------------------------------

    def trace_syscalls(self, name):
        """The system calls of the program over TRACE_SECONDS at rest
        (strace -c), a tick's share of those that talk to the display
        (writev sends requests, recvmsg reads replies and events) and of
        those that wait (poll, futex)."""
        out = os.path.join(self.tmp, "strace." + name)
        subprocess.run(["timeout", "-s", "INT", str(TRACE_SECONDS), "strace", "-c", "-f", "-p", str(self.pid),
                        "-o", out], capture_output=True)
        if not os.path.exists(out) or not os.path.getsize(out):
            print("bench: strace saw nothing of " + name, file=sys.stderr)
            return
        calls = {}
        with open(out) as f:
            for fields in (l.split() for l in f):
                if len(fields) >= 5 and fields[-1] in ("writev", "recvmsg", "poll", "futex", "total"):
                    calls[fields[-1]] = int(fields[3])
        ticks = TRACE_SECONDS * 1000 // facts.TICK_MS
        self.syscalls.append([name] + ["%.2f" % (calls.get(c, 0) / ticks)
                                       for c in ("writev", "recvmsg", "poll", "futex", "total")])

    def syscalls_game(self):
        folder = self.fresh_folder(self.game)
        self.launch(folder, "chromaland", TITLE_SIZE, facts.TITLE_PAINTED)
        self.to_map(facts.MAP_PAINTED)
        time.sleep(SETTLE_SECONDS)
        self.trace_syscalls("game")
        self.finish(self.pid)

    def syscalls_bar(self):
        folder = self.fresh_folder(self.bar)
        self.launch(folder, "baseline_bar", MAP_SIZE, BASE_PAINTED)
        time.sleep(SETTLE_SECONDS)
        self.trace_syscalls("floor")
        self.finish(self.pid)

    def x_requests(self, name, program, key):
        """PROGRAM runs through xtrace, which passes its X connection on and
        writes down every request; after KEY (or none) and a settling, the
        requests and the round trips (replies) of TRACE_SECONDS at rest, a
        tick's share, and the pictures sent (PutImage: how often the window
        shows a new frame)."""
        folder = self.fresh_folder(program)
        trace = os.path.join(self.tmp, "xtrace." + name)
        number = int(self.x.display[1:]) + 1
        while number < int(self.x.display[1:]) + 50 and (os.path.exists("/tmp/.X%d-lock" % number)
                                                          or os.path.exists("/tmp/.X11-unix/X%d" % number)):
            number += 1
        env = self.env()
        env.pop("DISPLAY")
        process = self.processes.start(["xtrace", "-n", "-d", self.x.display, "-D", ":%d" % number, "-o", trace, "--",
                                        os.path.join(folder, os.path.basename(program))],
                                       log_file=os.path.join(folder, "output.log"), env=env, cwd=folder)
        time.sleep(3)
        if key:
            win = output("xdotool", "search", "--onlyvisible", "--name", "^Chromaland$", env=self.x.env).split()
            if not win:
                print("bench: no window under xtrace; X requests left out", file=sys.stderr)
                self.processes.stop(process)
                return
            self.x.ask("xdotool", "windowfocus", "--sync", win[0], "key", key)
        time.sleep(SETTLE_SECONDS)
        with open(trace, errors="replace") as f:
            start = len(f.readlines())
        time.sleep(TRACE_SECONDS)
        with open(trace, errors="replace") as f:
            lines = f.readlines()[start:]
        requests = sum(1 for l in lines if re.match(r"^[0-9]+:<:", l))
        pictures = sum(1 for l in lines if re.match(r"^[0-9]+:<:.*PutImage", l))
        replies = sum(1 for l in lines if re.match(r"^[0-9]+:>:.*Reply", l))
        ticks = TRACE_SECONDS * 1000 // facts.TICK_MS
        self.xrequests.append((name, "%.1f" % (requests / ticks), "%.2f" % (pictures / ticks),
                               "%.2f" % (replies / ticks)))
        # xtrace's child goes with its group.
        self.processes.stop(process)

    # --- The report -----------------------------------------------------------------

    def ratio_line(self, what, a, b, target):
        """A row whose ratio is the median of the rounds' ratios, judged
        against TARGET (at most)."""
        m, lo, hi = self.figures.ratio_of(a, b)
        line(what, self.figures.spread(a), self.figures.spread(b), "%s (%s-%s)" % (m, lo, hi), "<= %s x" % target,
             "-" if m == "-" else verdict(float(m) <= float(target)))

    def reference(self, what, a, b):
        m, lo, hi = self.figures.ratio_of(a, b)
        line(what, self.figures.spread(a), self.figures.spread(b), "%s (%s-%s)" % (m, lo, hi), "-", "reference")

    def report(self):
        f = self.figures
        gm, fm = f.median("game.map"), f.median("gfx.map")
        gp, bp = f.median("game.peak"), f.median("base.peak")
        gph = f.median("game.period")
        go, bo = f.median("game.own"), f.median("base.own")
        mo = g(f.median("mines.own")) if f.has("mines.own") else "-"
        mp = g(f.median("mines.peak")) if f.has("mines.peak") else "-"
        with open("/proc/cpuinfo") as c:
            model = next((l.split(":", 1)[1].strip() for l in c if l.startswith("model name")), "")
        with open("/proc/loadavg") as l:
            load = " ".join(l.read().split()[:3])
        print()
        print("Medians of %d rounds with their least and greatest; a ratio is the median of the rounds' own ratios"
              % self.rounds)
        print("(%d cores, %s, Linux %s, load %s)" % (os.cpu_count(), model, platform.release(), load))
        line("figure", "game", "bare window", "ratio", "target", "verdict")
        self.ratio_line("start to first window painted (ms)", "game.start", "base.start", "1.05")
        self.ratio_line("  against the bare window with the title's picture and text", "game.start", "title.start", "1.05")
        line("title key to map painted (ms)", f.spread("game.map"), "-", "-", "< 150 ms", verdict(gm < 150))
        line("  with a full Graphics folder (ms)", f.spread("gfx.map"), "-", "-", "< 200 ms", verdict(fm < 200))
        self.ratio_line("arrow key to marker painted (ms, %d keys)" % MOVES, "game.key", "base.key", "1.05")
        self.ratio_line("X11 at rest: program + Xvfb, CPU ms / %d s" % REST_SECONDS, "game.all", "base.all", "1.00")
        self.reference("  the program alone (ms)", "game.app", "base.app")
        self.reference("  Xvfb alone (ms)", "game.server", "base.server")
        line("  the program's wake-ups a second", f.spread("game.waits"), f.spread("base.waits"), "-", "-", "reference")
        if f.has("wl.game.all"):
            self.ratio_line("Wayland at rest: program + Weston (ms)", "wl.game.all", "wl.base.all", "1.00")
            self.ratio_line("  against the bare window's bar repainting every tick", "wl.game.all", "wl.tick.all", "1.00")
            self.reference("  the program alone (ms)", "wl.game.app", "wl.base.app")
            self.reference("  Weston alone (ms)", "wl.game.server", "wl.base.server")
            line("  the Xvfb Weston draws into (ms)", f.spread("wl.game.more"), f.spread("wl.base.more"), "-", "-",
                 "not counted")
            line("  the program's wake-ups a second", f.spread("wl.game.waits"), f.spread("wl.base.waits"), "-", "-",
                 "reference")
        line("own memory, private dirty (kB)", g(go), g(bo), "%+.1f MiB" % ((go - bo) / 1024), "<= +4 MiB",
             verdict(go - bo <= 4096))
        line("  GNOME Mines' own memory (kB)", mo, "-", "-", "-", "for comparison")
        line("peak resident memory (kB)", g(gp), g(bp), "%+.1f MiB" % ((gp - bp) / 1024), "-",
             "shared fonts and libraries count")
        line("  GNOME Mines' peak resident memory (kB)", mp, "-", "-", "-", "for comparison")
        deviation = gph / 1.7 - 1
        line("phase period over %d phases (s)" % PHASES, f.spread("game.period"), "-", "%+.2f %%" % (deviation * 100),
             "1.700 s within 1 %", verdict(-0.01 <= deviation <= 0.01))
        print()
        print("Every run, in round order (ms, kB, s; the ratios are game over bare window):")
        for name in ("game.start base.start title.start game.map gfx.map game.key base.key game.all base.all game.app "
                     "base.app game.server base.server game.waits base.waits wl.game.all wl.base.all wl.tick.all "
                     "wl.game.app wl.base.app wl.tick.app wl.game.server wl.base.server wl.tick.server wl.game.more "
                     "wl.base.more game.peak base.peak game.own base.own mines.own mines.peak game.period").split():
            if f.has(name):
                print("  %-15s %s" % (name, " ".join(g(v) for v in f.values[name])))
        for what, a, b in (("ratio start", "game.start", "base.start"), ("ratio start/title", "game.start", "title.start"),
                           ("ratio key", "game.key", "base.key"), ("ratio X11 rest", "game.all", "base.all")):
            print("  %-15s %s" % (what, " ".join("%.3f" % r for r in f.ratios(a, b))))
        if f.has("wl.game.all"):
            print("  %-15s %s" % ("ratio Wl rest", " ".join("%.3f" % r for r in f.ratios("wl.game.all", "wl.base.all"))))

    # --- The whole run --------------------------------------------------------------

    def run(self):
        self.x = X11(self.tmp)
        self.make_graphics()
        # A first start on a fresh server and home folder fills caches that
        # every later start finds full; one unrecorded run of each program
        # takes that.
        print("warming up", file=sys.stderr)
        self.figures.off = True
        self.run_game()
        self.start_only("base", self.bar, MAP_SIZE, BASE_PAINTED)
        self.start_only("title", self.title, TITLE_SIZE, facts.TITLE_PAINTED)
        self.run_square()
        self.figures.off = False
        mines = shutil.which("gnome-mines", path=os.environ.get("PATH", "") + ":/usr/games")
        for round_ in range(1, self.rounds + 1):
            print("round %d of %d" % (round_, self.rounds), file=sys.stderr)
            self.run_game()
            self.start_only("base", self.bar, MAP_SIZE, BASE_PAINTED)
            self.start_only("title", self.title, TITLE_SIZE, facts.TITLE_PAINTED)
            self.run_game_graphics()
            self.run_square()
            # The two stretches at rest follow each other, in turns first.
            if round_ % 2:
                self.rest_game()
                self.rest_bar()
            else:
                self.rest_bar()
                self.rest_game()
            if round_ == 1 and mines:
                self.run_mines(mines)
        if not mines:
            print("GNOME Mines is not installed (scripts/setup-debian.sh --bench): left out", file=sys.stderr)

        print("system calls and X requests at rest", file=sys.stderr)
        self.syscalls_game()
        self.syscalls_bar()
        if shutil.which("xtrace"):
            self.x_requests("game", self.game, "p")
            self.x_requests("floor", self.bar, None)
        self.x.stop()

        try:
            self.weston = Weston(self.tmp)
        except AssertionError as e:
            print("Weston did not start: no Wayland rounds (%s)" % str(e).splitlines()[-1], file=sys.stderr)
        if self.weston:
            for round_ in range(1, self.rounds + 1):
                print("Wayland round %d of %d" % (round_, self.rounds), file=sys.stderr)
                if round_ % 2:
                    self.wl_rest_game()
                    self.wl_rest_bar("wl.base")
                    self.wl_rest_bar("wl.tick", "--every-tick")
                else:
                    self.wl_rest_bar("wl.tick", "--every-tick")
                    self.wl_rest_bar("wl.base")
                    self.wl_rest_game()
            self.weston.stop()
            self.weston = None

        self.report()
        print()
        print("A clock tick's system calls at rest (strace -c over %d s; load-independent):" % TRACE_SECONDS)
        print("  %-8s %8s %8s %8s %8s %8s" % ("", "writev", "recvmsg", "poll", "futex", "all"))
        for row in self.syscalls:
            print("  %-8s %8s %8s %8s %8s %8s" % tuple(row))
        if self.xrequests:
            print("A clock tick's X requests at rest (xtrace over %d s):" % TRACE_SECONDS)
            print("  %-8s %10s %10s %12s" % ("", "requests", "pictures", "round trips"))
            for row in self.xrequests:
                print("  %-8s %10s %10s %12s" % row)
        else:
            print("xtrace is not installed (scripts/setup-debian.sh --bench): no count of X requests")

        print()
        if shutil.which("valgrind"):
            import instructions
            self.x = X11(self.tmp)
            try:
                print(instructions.at_rest(self.build, 20, self.tmp, self.x, self.home, self.runtime))
            except instructions.CountError as e:
                print("the instruction count failed: %s" % e, file=sys.stderr)
            self.x.stop()
        else:
            print("valgrind is not installed (scripts/setup-debian.sh --bench): no instruction count at rest")

        print()
        print("Micro-benchmarks of the rules (median CPU time of 5 repetitions; targets: enemy phase < 5 us, arrow "
              "key < 2 us):")
        done = subprocess.run([self.logic, "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true",
                               "--benchmark_min_time=0.3"], capture_output=True, text=True)
        for fields in (l.split() for l in done.stdout.splitlines()):
            if fields and "_median" in fields[0] and len(fields) >= 5:
                print("  %-40s %12s %s" % (fields[0], fields[3], fields[4]))

    def stop(self):
        self.processes.stop_all()
        for server in (self.weston, self.x):
            if server:
                server.stop()
        shutil.rmtree(self.tmp, ignore_errors=True)


def main(argv):
    if len(argv) < 2 or not os.path.isdir(argv[1]):
        print("usage: %s BUILD_FOLDER [ROUNDS]" % argv[0], file=sys.stderr)
        return 2
    build = os.path.abspath(argv[1])
    rounds = int(argv[2]) if len(argv) > 2 else 6
    if rounds < 6:
        print("warning: fewer than 6 rounds; the medians are not the bench's figures", file=sys.stderr)
    bench = Bench(build, rounds)
    for program in (bench.game, bench.bar, bench.square, bench.title, bench.probe_exe, bench.logic):
        if not os.access(program, os.X_OK):
            print("missing %s: build the bench first" % program, file=sys.stderr)
            return 2
    for tool in ("Xvfb", "openbox", "wmctrl", "xdotool", "xdpyinfo", "strace"):
        if not shutil.which(tool):
            print("missing tool: %s (scripts/setup-debian.sh installs it)" % tool, file=sys.stderr)
            return 2
    try:
        bench.run()
    except (BenchError, AssertionError) as e:
        print("bench: %s" % e, file=sys.stderr)
        return 1
    finally:
        bench.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
