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

import contextlib
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
sys.path.append(os.path.join(HERE, "..", "tests", "e2e"))

from chromaland_e2e import facts, files  # noqa: E402
from chromaland_e2e.display import X11, Weston  # noqa: E402
from chromaland_e2e.game import clean_environment  # noqa: E402
from chromaland_e2e.processes import Group, output, syscalls, wait_until  # noqa: E402
from chromaland_e2e.sound import SoundServer  # noqa: E402

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
    """One run of the bench: its programs, its private X server (and later
    Weston), its scratch folder, and the figures it has taken."""

    def __init__(self, build, rounds):
        self.build = build
        self.rounds = rounds
        self.game = os.path.join(build, "chromaland")
        self.bar, self.square, self.title, self.probe_exe, self.logic = (
            os.path.join(build, "bench", name)
            for name in ("baseline_bar", "baseline_square", "baseline_title", "probe", "bench_logic"))
        # How each program shows that it is painted: its first window's
        # size and pixels.
        self.painted = {self.game: (TITLE_SIZE, facts.TITLE_PAINTED), self.title: (TITLE_SIZE, facts.TITLE_PAINTED),
                        self.bar: (MAP_SIZE, BASE_PAINTED), self.square: (MAP_SIZE, BASE_PAINTED_SQUARE)}
        self.tmp = tempfile.mkdtemp(prefix="chromaland-bench.", dir=os.environ.get("TMPDIR", "/tmp"))
        self.home = os.path.join(self.tmp, "home")
        self.runtime = os.path.join(self.tmp, "runtime")
        self.figures = Figures()
        self.processes = Group()
        self.x = self.weston = self.sound = None
        # What the game's environment adds to the clean one (keylatency.py:
        # the accessibility bus).
        self.extra = {}
        self.syscalls = []
        self.xrequests = []
        self.pid = self.win = self.folder = None

    def missing(self, programs, tools=()):
        """What of PROGRAMS (paths) and TOOLS (on the PATH) is missing, as a
        message; None when nothing is."""
        for program in programs:
            if not os.access(program, os.X_OK):
                return "missing %s: build the bench first" % program
        for tool in tools:
            if not shutil.which(tool):
                return "missing tool: %s (scripts/setup-debian.sh --tests or --bench installs it)" % tool
        return None

    def env(self, **extra):
        """The end-to-end tests' clean environment on the bench's X server."""
        return clean_environment(self.home, self.runtime, display=self.x.display, extra=dict(self.extra, **extra))

    def probe(self, *args, cwd=None, failure=None):
        """Runs the probe in the clean environment; its output's words. A
        failure raises BenchError with FAILURE, or the probe's own words."""
        done = subprocess.run([self.probe_exe, *args], capture_output=True, text=True, env=self.env(), cwd=cwd)
        if done.returncode != 0:
            raise BenchError(failure or done.stderr.strip())
        return done.stdout.split()

    def fresh_folder(self, program):
        """A fresh folder holding a copy of PROGRAM (the game writes beside
        itself) and, for the game, a default character, so that no message
        box comes."""
        folder = tempfile.mkdtemp(prefix="run.", dir=self.tmp)
        shutil.copy(program, folder)
        files.put_character(folder)
        return folder

    def make_graphics(self):
        """The full Graphics folder: 24 pictures of plain colours."""
        folder = os.path.join(self.tmp, "Graphics")
        os.makedirs(folder, exist_ok=True)
        pictures = [("MapBackground", "352", "368", GFX_MAP), ("Player", "16", "16", "0000c0"),
                    ("Player_Healing", "16", "16", GFX_HEALING)]
        pictures += [("Enemy_%d" % i, "16", "16", "c08040") for i in range(21)]
        for name, width, height, colour in pictures:
            subprocess.run([self.probe_exe, "bmp", os.path.join(folder, name + ".bmp"), width, height, colour],
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

    @contextlib.contextmanager
    def running(self, program, map_painted=None, graphics=False):
        """PROGRAM started from a fresh folder (with the Graphics folder, if
        asked) until its first window is painted, and the game then taken
        to its map, painted as MAP_PAINTED says; ended after the block.
        Yields the milliseconds to the first window and to the map."""
        self.folder = folder = self.fresh_folder(program)
        if graphics:
            shutil.copytree(os.path.join(self.tmp, "Graphics"), os.path.join(folder, "Graphics"))
        name = os.path.basename(program)
        log_file = os.path.join(folder, "output.log")
        size, painted = self.painted[program]
        try:
            pid, self.win, ms = self.probe("launch", log_file, size, *painted, "--", os.path.join(folder, name),
                                           cwd=folder)
        except BenchError:
            tail = open(log_file, errors="replace").read().splitlines()[-3:] if os.path.exists(log_file) else []
            raise BenchError("%s: its first window was not painted (%s)" % (name, " ".join(tail))) from None
        self.pid = int(pid)
        try:
            shown = None
            if map_painted:
                what = "the map with pictures" if graphics else "the map"
                self.win, shown = self.probe("key", pid, self.win, "p", MAP_SIZE, *map_painted,
                                             failure="game: %s was not painted" % what)
            yield float(ms), shown and float(shown)
        finally:
            self.finish(self.pid)

    def moves(self, what, count=MOVES, each=False):
        """The milliseconds from an arrow key to the marker painted at its
        new square over COUNT keys: their median, or each key's."""
        time.sleep(0.5)
        times = self.probe("moves", self.win, str(count), *MOVE, *(["each"] if each else []),
                           failure="%s did not move" % what)
        return times if each else times[0]

    def rest_cost(self, name, server, more=None):
        """With the program settled at rest and nothing else touching the
        display, the CPU time of the program and of the display server
        SERVER over REST_SECONDS, in ms, and how often a second the
        program's threads went to sleep to wait (its wake-ups). MORE, when
        given, is one more process counted apart (Weston's Xvfb)."""
        time.sleep(SETTLE_SECONDS)
        pids = [str(self.pid), str(server)] + ([str(more)] if more else [])
        failure = "%s: ended while at rest, or its CPU time cannot be read" % name
        b = [int(v) for v in self.probe("cpu", *pids, failure=failure)]
        time.sleep(REST_SECONDS)
        a = [int(v) for v in self.probe("cpu", *pids, failure=failure)]
        record = self.figures.record
        record(name + ".app", "%.1f" % ((a[0] - b[0]) / 1e6))
        record(name + ".server", "%.1f" % ((a[2] - b[2]) / 1e6))
        record(name + ".all", "%.1f" % ((a[0] - b[0] + a[2] - b[2]) / 1e6))
        record(name + ".waits", "%.0f" % ((a[1] - b[1]) / REST_SECONDS))
        if len(b) > 4:
            record(name + ".more", "%.1f" % ((a[4] - b[4]) / 1e6))

    # --- The runs on X11 ------------------------------------------------------

    def run_game(self):
        record = self.figures.record
        with self.running(self.game, facts.MAP_PAINTED) as (start, shown):
            record("game.start", start)
            record("game.map", shown)
            record("game.key", self.moves("game: the player"))
            # The period of 20 phases of the enemy clock, read off the bar on screen.
            time.sleep(1)
            record("game.period", self.probe("rest", self.win, str(PHASES), BAR_ROW,
                                             failure="game: the bar was not seen wrapping")[0])
            record("game.peak", peak_kb(self.pid))
            record("game.own", own_kb(self.pid))

    def rest_game(self):
        """The game on its map at rest, as a player who thinks leaves it."""
        with self.running(self.game, facts.MAP_PAINTED):
            self.rest_cost("game", self.x.process.pid)

    def rest_bar(self):
        """The bare window with its bar and squares at rest."""
        with self.running(self.bar):
            self.rest_cost("base", self.x.process.pid)
            self.figures.record("base.peak", peak_kb(self.pid))
            self.figures.record("base.own", own_kb(self.pid))

    def rest_sound(self, on):
        """The game at rest on its map with the sound server running, its
        sound ON (and the enemy cue with it) or silenced, after one arrow
        key: the program, Xvfb and PulseAudio together."""
        name = "sound.on" if on else "sound.off"
        settings = os.path.join(self.home, ".config", "chromaland", "chromaland.conf")
        os.makedirs(os.path.dirname(settings), exist_ok=True)
        with open(settings, "w") as f:
            f.write("[Sound]\nOn=%s\nEnemyCue=%s\n" % (("true",) * 2 if on else ("false",) * 2))
        self.extra = {"PULSE_SERVER": "unix:" + self.sound.socket}
        try:
            with self.running(self.game, facts.MAP_PAINTED):
                # A step, so that a sound has played and its device closed again.
                self.x.keys(int(self.win, 16), "Right")
                self.rest_cost(name, self.x.process.pid, self.sound.server.pid)
        finally:
            self.extra = {}
            os.remove(settings)
        f = self.figures
        if f.has(name + ".all"):
            f.record(name + ".total", f.values[name + ".all"][-1] + f.values[name + ".more"][-1])

    def run_game_graphics(self):
        with self.running(self.game, MAP_PAINTED_GFX, graphics=True) as (_, shown):
            self.figures.record("gfx.map", shown)

    def start_only(self, name, program):
        """A start of a bare window to its first picture, recorded as NAME.start."""
        with self.running(program) as (start, _):
            self.figures.record(name + ".start", start)

    def run_square(self):
        with self.running(self.square):
            self.figures.record("base.key", self.moves("baseline: the square"))

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

    def wl_rest(self, name, program, *args):
        """PROGRAM at rest with Weston as the display server (the bare
        window's bar repainting every other tick or, with --every-tick, at
        every tick); Weston's CPU time is counted with its, the Xvfb Weston
        draws into apart."""
        folder = self.fresh_folder(program)
        env = clean_environment(self.home, self.runtime, wayland=(self.weston.socket, self.weston.xwayland),
                                extra={"QT_QPA_PLATFORM": "wayland"})
        process = self.processes.start([os.path.join(folder, os.path.basename(program)), *args], env=env,
                                       log_file=os.path.join(folder, "output.log"), cwd=folder)
        self.pid = process.pid
        if program == self.game:
            if not wait_until(lambda: self.weston.find(self.pid, "title"), 20, 0.1):
                raise BenchError("the game's title did not show on Weston")
            self.weston.keys("p")
            if not wait_until(lambda: self.weston.find(self.pid, "map"), 15, 0.1):
                raise BenchError("the game's map did not show on Weston")
        elif not wait_until(lambda: "PID %d," % self.pid in self.weston.scene(), 20, 0.1):
            raise BenchError("the bare window did not show on Weston")
        self.rest_cost(name, self.weston.pid, self.weston.x.process.pid)
        self.processes.stop(process)

    # --- What a tick costs, whatever the load -----------------------------------

    def trace_syscalls(self, name, program):
        """The system calls of the program over TRACE_SECONDS at rest
        (strace -c), a tick's share of those that talk to the display
        (writev sends requests, recvmsg reads replies and events) and of
        those that wait (poll, futex)."""
        with self.running(program, facts.MAP_PAINTED if program == self.game else None):
            time.sleep(SETTLE_SECONDS)
            try:
                calls = syscalls(self.pid, TRACE_SECONDS, os.path.join(self.tmp, "strace." + name))
            except AssertionError as e:
                print("bench: %s (%s)" % (e, name), file=sys.stderr)
                return
        ticks = TRACE_SECONDS * 1000 // facts.TICK_MS
        self.syscalls.append([name] + ["%.2f" % (calls.get(c, 0) / ticks)
                                       for c in ("writev", "recvmsg", "poll", "futex", "total")])

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
        if f.has("sound.on.total"):
            self.ratio_line("X11 at rest with a sound server: sound on / silenced (program + Xvfb + PulseAudio, ms)",
                            "sound.on.total", "sound.off.total", "1.05")
            self.reference("  the program alone (ms)", "sound.on.app", "sound.off.app")
            self.reference("  PulseAudio alone (ms)", "sound.on.more", "sound.off.more")
            line("  the program's wake-ups a second", f.spread("sound.on.waits"), f.spread("sound.off.waits"), "-", "-",
                 "reference")
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
        self.report_runs()

    def report_runs(self):
        f = self.figures
        print()
        print("Every run, in round order (ms, kB, s; the ratios are game over bare window):")
        for name in ("game.start base.start title.start game.map gfx.map game.key base.key game.all base.all game.app "
                     "base.app game.server base.server game.waits base.waits wl.game.all wl.base.all wl.tick.all "
                     "wl.game.app wl.base.app wl.tick.app wl.game.server wl.base.server wl.tick.server wl.game.more "
                     "wl.base.more game.peak base.peak game.own base.own mines.own mines.peak game.period sound.on.total "
                     "sound.off.total sound.on.app sound.off.app sound.on.more sound.off.more").split():
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
        self.x11_rounds()
        self.tick_costs()
        self.x.stop()
        self.wayland_rounds()
        self.report()
        self.report_ticks()
        print()
        self.count_instructions()
        print()
        self.micro_benchmarks()

    def x11_rounds(self):
        """The rounds on X11, after one unrecorded run of each program: a
        first start on a fresh server and home folder fills caches that
        every later start finds full."""
        print("warming up", file=sys.stderr)
        self.figures.off = True
        self.run_game()
        self.start_only("base", self.bar)
        self.start_only("title", self.title)
        self.run_square()
        self.figures.off = False
        try:
            self.sound = SoundServer(os.path.join(self.tmp, "pulse"), record=False)
        except AssertionError as e:
            print("no sound server: no stretches at rest with sound (%s)" % e, file=sys.stderr)
        mines = shutil.which("gnome-mines", path=os.environ.get("PATH", "") + ":/usr/games")
        for round_ in range(1, self.rounds + 1):
            print("round %d of %d" % (round_, self.rounds), file=sys.stderr)
            self.run_game()
            self.start_only("base", self.bar)
            self.start_only("title", self.title)
            self.run_game_graphics()
            self.run_square()
            # The two stretches at rest follow each other, in turns first.
            rests = [self.rest_game, self.rest_bar]
            for rest in rests if round_ % 2 else reversed(rests):
                rest()
            if self.sound:
                for on in ((True, False) if round_ % 2 else (False, True)):
                    self.rest_sound(on)
            if round_ == 1 and mines:
                self.run_mines(mines)
        if not mines:
            print("GNOME Mines is not installed (scripts/setup-debian.sh --bench): left out", file=sys.stderr)
        if self.sound:
            self.sound.stop()
            self.sound = None

    def tick_costs(self):
        print("system calls and X requests at rest", file=sys.stderr)
        self.trace_syscalls("game", self.game)
        self.trace_syscalls("floor", self.bar)
        if shutil.which("xtrace"):
            self.x_requests("game", self.game, "p")
            self.x_requests("floor", self.bar, None)

    def wayland_rounds(self):
        """The rounds at rest on Weston, in turns first."""
        try:
            self.weston = Weston(self.tmp)
        except AssertionError as e:
            print("Weston did not start: no Wayland rounds (%s)" % str(e).splitlines()[-1], file=sys.stderr)
            return
        rests = [("wl.game", self.game), ("wl.base", self.bar), ("wl.tick", self.bar, "--every-tick")]
        for round_ in range(1, self.rounds + 1):
            print("Wayland round %d of %d" % (round_, self.rounds), file=sys.stderr)
            for rest in rests if round_ % 2 else reversed(rests):
                self.wl_rest(*rest)
        self.weston.stop()
        self.weston = None

    def report_ticks(self):
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

    def count_instructions(self):
        if not shutil.which("valgrind"):
            print("valgrind is not installed (scripts/setup-debian.sh --bench): no instruction count at rest")
            return
        import instructions
        self.x = X11(self.tmp)
        try:
            print(instructions.at_rest(self, 20, self.tmp))
        except instructions.CountError as e:
            print("the instruction count failed: %s" % e, file=sys.stderr)
        self.x.stop()

    def micro_benchmarks(self):
        print("Micro-benchmarks of the rules (median CPU time of 5 repetitions; targets: enemy phase < 5 us, arrow "
              "key < 2 us):")
        done = subprocess.run([self.logic, "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true",
                               "--benchmark_min_time=0.3"], capture_output=True, text=True)
        for fields in (l.split() for l in done.stdout.splitlines()):
            if fields and "_median" in fields[0] and len(fields) >= 5:
                print("  %-40s %12s %s" % (fields[0], fields[3], fields[4]))

    def stop(self):
        self.processes.stop_all()
        for server in (self.weston, self.x, self.sound):
            if server:
                server.stop()
        shutil.rmtree(self.tmp, ignore_errors=True)


def command_line(argv, usage, body, programs=("game", "probe_exe"), tools=()):
    """A bench script's command line, BUILD_FOLDER then USAGE's words: a
    Bench on that build, which must hold PROGRAMS (the Bench's names for
    them) with TOOLS on the PATH, and body(bench, words) run on it. Exit
    code 2 for a wrong command line or something missing, 1 for a failure."""
    if len(argv) < 2 or not os.path.isdir(argv[1]):
        print("usage: %s BUILD_FOLDER %s" % (argv[0], usage), file=sys.stderr)
        return 2
    bench = Bench(os.path.abspath(argv[1]), 1)
    try:
        missing = bench.missing([getattr(bench, name) for name in programs], tools)
        if missing:
            print(missing, file=sys.stderr)
            return 2
        body(bench, argv[2:])
    except (BenchError, AssertionError) as e:
        print("bench: %s" % e, file=sys.stderr)
        return 1
    finally:
        bench.stop()
    return 0


def whole_run(bench, words):
    bench.rounds = int(words[0]) if words else 6
    if bench.rounds < 6:
        print("warning: fewer than 6 rounds; the medians are not the bench's figures", file=sys.stderr)
    bench.run()


def main(argv):
    return command_line(argv, "[ROUNDS]", whole_run, ("game", "bar", "square", "title", "probe_exe", "logic"),
                        ("Xvfb", "openbox", "wmctrl", "xdotool", "xdpyinfo", "strace"))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
