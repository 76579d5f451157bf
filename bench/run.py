#!/usr/bin/python3
"""Measures the game from outside, as a new player meets it, side by side with the bare windows it is held against
(bench/README.md says what and why): starts, keys and CPU time at rest on X11 and Wayland, timed by pixels
(bench/probe) and the scheduler; a tick's system calls, X requests and instructions; memory; the rules'
micro-benchmarks. Game and bare windows take turns ROUNDS times (at least 6); a figure is the median with its least
and greatest, a ratio the median of the rounds' own ratios.

    bench/run.py BUILD_FOLDER [ROUNDS]

BUILD_FOLDER has the bench built (target chromaland bench_logic baseline_bar baseline_square baseline_title probe);
scripts/setup-debian.sh --tests installs what it needs, --bench valgrind, xtrace and GNOME Mines, whose figures are
otherwise left out. REST_SECONDS (20) sets one stretch at rest. Takes about 25 minutes for 6 rounds."""

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
from chromaland_e2e.processes import Group, syscalls, wait_until  # noqa: E402
from chromaland_e2e.sound import SoundServer  # noqa: E402

# Window sizes, and the pixels that show a window painted (as in facts.py): with the Graphics folder, its own player
# and map colours; the baseline shows its window's face, and its square where the game's player starts.
TITLE_SIZE, MAP_SIZE = facts.wxh(facts.TITLE_SIZE), facts.wxh(facts.MAP_SIZE)
GFX_MAP = "204060"
GFX_HEALING = "00c000"
MAP_PAINTED_GFX = [facts.square_centre() + "=" + GFX_HEALING, "500,74=" + GFX_MAP]
BASE_PAINTED = ["300,200=efefef"]
BASE_PAINTED_SQUARE = BASE_PAINTED + [facts.square_centre() + "=ffffff"]
# The player's start square and the one to its right; the bar's middle row inside its frame.
MOVE = (facts.square_centre(), facts.square_centre(1), "ffffff")
BAR_ROW = "%d,%d,%d" % facts.bar_row(4)

MOVES = 50
PHASES = 20
# A phase of the enemy clock, in seconds.
PHASE_S = facts.TICK_MS * facts.PHASE_TICKS / 1000
# One stretch at rest, and the wait before it for the window to settle.
REST_SECONDS = int(os.environ.get("REST_SECONDS", "20"))
SETTLE_SECONDS = 2
# The stretch at rest that strace and xtrace watch, and the clock's ticks in it.
TRACE_SECONDS = 10
TRACE_TICKS = TRACE_SECONDS * 1000 // facts.TICK_MS
# The bench's own programs, in the build's folder bench.
PROGRAMS = ("baseline_bar", "baseline_square", "baseline_title", "probe", "bench_logic")


# The report's rows (label, figure, against, target): a ratio judged against TARGET (at most), or for reference if
# None; for a note, the figures side by side; AGAINST None, a figure kept under TARGET ms. Rows not taken are left out.
ROWS = [
    ("start to first window painted (ms)", "game.start", "base.start", 1.05),
    ("  against the bare window with the title's picture and text", "game.start", "title.start", 1.05),
    ("title key to map painted (ms)", "game.map", None, 150),
    ("  with a full Graphics folder (ms)", "gfx.map", None, 200),
    ("arrow key to marker painted (ms, %d keys)" % MOVES, "game.key", "base.key", 1.05),
    ("X11 at rest: program + Xvfb, CPU ms / %d s" % REST_SECONDS, "game.all", "base.all", 1.00),
    ("  the program alone (ms)", "game.app", "base.app", None),
    ("  Xvfb alone (ms)", "game.server", "base.server", None),
    ("  the program's wake-ups a second", "game.waits", "base.waits", "reference"),
    ("X11 at rest with a sound server: sound on / silenced (program + Xvfb + PulseAudio, ms)",
     "sound.on.total", "sound.off.total", 1.05),
    ("  the program alone (ms)", "sound.on.app", "sound.off.app", None),
    ("  PulseAudio alone (ms)", "sound.on.more", "sound.off.more", None),
    ("  the program's wake-ups a second", "sound.on.waits", "sound.off.waits", "reference"),
    ("Wayland at rest: program + Weston (ms)", "wl.game.all", "wl.base.all", 1.00),
    ("  against the bare window's bar repainting every tick", "wl.game.all", "wl.tick.all", 1.00),
    ("  the program alone (ms)", "wl.game.app", "wl.base.app", None),
    ("  Weston alone (ms)", "wl.game.server", "wl.base.server", None),
    ("  the Xvfb Weston draws into (ms)", "wl.game.more", "wl.base.more", "not counted"),
    ("  the program's wake-ups a second", "wl.game.waits", "wl.base.waits", "reference"),
]


def g(value):
    """A number as awk prints it."""
    return "%.6g" % value


class Figures(dict):
    """The measurements by name, one a round, and the report's forms of them."""

    def record(self, name, value):
        self.setdefault(name, []).append(float(value))

    def median(self, name):
        return statistics.median(self[name])

    def spread(self, name):
        v = self.get(name)
        return "%g (%g-%g)" % (statistics.median(v), min(v), max(v)) if v else "-"

    def ratios(self, a, b):
        return [float("%.3f" % (x / y)) for x, y in zip(self.get(a, []), self.get(b, [])) if y > 0]

    def ratio_of(self, a, b):
        """The median of the rounds' ratios (None without any), and "median (least-greatest)"."""
        r = self.ratios(a, b)
        if not r:
            return None, "- (---)"
        return float("%.2f" % statistics.median(r)), "%.2f (%.2f-%.2f)" % (statistics.median(r), min(r), max(r))


def line(*cells):
    print("%-46s %20s %20s %17s   %-20s %s" % cells)


def verdict(held):
    return "held" if held else "MISSED"


class Bench:
    """One run of the bench: its programs, display servers, scratch folder and the figures it has taken."""

    def __init__(self, build):
        self.rounds = 6
        self.game = os.path.join(build, "chromaland")
        self.bar, self.square, self.title, self.probe_exe, self.logic = (os.path.join(build, "bench", name)
                                                                         for name in PROGRAMS)
        # How each program shows that it is painted: its first window's size and pixels.
        self.painted = {self.game: (TITLE_SIZE, facts.TITLE_PAINTED), self.title: (TITLE_SIZE, facts.TITLE_PAINTED),
                        self.bar: (MAP_SIZE, BASE_PAINTED), self.square: (MAP_SIZE, BASE_PAINTED_SQUARE)}
        self.tmp = tempfile.mkdtemp(prefix="chromaland-bench.", dir=os.environ.get("TMPDIR", "/tmp"))
        self.home = os.path.join(self.tmp, "home")
        self.runtime = os.path.join(self.tmp, "runtime")
        self.figures = Figures()
        self.processes = Group()
        self.x = self.weston = self.sound = None
        self.pid = self.win = self.folder = None

    def env(self, extra=None):
        return clean_environment(self.home, self.runtime, display=self.x.display, extra=extra)

    def probe(self, *args, cwd=None, failure=None, extra=None):
        """The probe's output's words; a failure raises AssertionError with FAILURE, or the probe's own words."""
        done = subprocess.run([self.probe_exe, *args], capture_output=True, text=True, env=self.env(extra), cwd=cwd)
        if done.returncode != 0:
            raise AssertionError(failure or done.stderr.strip())
        return done.stdout.split()

    def fresh_folder(self, program):
        """A fresh folder with a copy of PROGRAM (the game writes beside itself) and a character, so no box comes."""
        folder = tempfile.mkdtemp(prefix="run.", dir=self.tmp)
        shutil.copy(program, folder)
        files.put_character(folder)
        return folder

    def make_graphics(self):
        folder = os.path.join(self.tmp, "Graphics")
        os.makedirs(folder, exist_ok=True)
        pictures = [("MapBackground", "352", "368", GFX_MAP), ("Player", "16", "16", "0000c0"),
                    ("Player_Healing", "16", "16", GFX_HEALING)]
        pictures += [("Enemy_%d" % i, "16", "16", "c08040") for i in range(21)]
        for name, width, height, colour in pictures:
            subprocess.run([self.probe_exe, "bmp", os.path.join(folder, name + ".bmp"), width, height, colour],
                           check=True)

    @contextlib.contextmanager
    def running(self, program, graphics=False, extra=None):
        """PROGRAM started from a fresh folder, EXTRA added to its environment, and the game then taken to its map
        (with the Graphics folder, if asked); ended after the block. Yields the ms to the first window and the map."""
        self.folder = folder = self.fresh_folder(program)
        if graphics:
            shutil.copytree(os.path.join(self.tmp, "Graphics"), os.path.join(folder, "Graphics"))
        name = os.path.basename(program)
        log_file = os.path.join(folder, "output.log")
        size, painted = self.painted[program]
        try:
            pid, self.win, ms = self.probe("launch", log_file, size, *painted, "--", os.path.join(folder, name),
                                           cwd=folder, extra=extra)
        except AssertionError:
            tail = open(log_file, errors="replace").read().splitlines()[-3:] if os.path.exists(log_file) else []
            raise AssertionError("%s: its first window was not painted (%s)" % (name, " ".join(tail))) from None
        self.pid = int(pid)
        try:
            shown = None
            if program == self.game:
                what = "the map with pictures" if graphics else "the map"
                self.win, shown = self.probe("key", pid, self.win, "p", MAP_SIZE,
                                             *(MAP_PAINTED_GFX if graphics else facts.MAP_PAINTED),
                                             failure="game: %s was not painted" % what)
            yield float(ms), shown and float(shown)
        finally:
            with contextlib.suppress(ProcessLookupError):
                os.kill(self.pid, 15)
            wait_until(lambda: not os.path.exists("/proc/%d" % self.pid), 5)

    def moves(self, what, count=MOVES, each=False):
        """The ms from an arrow key to the marker painted at its new square over COUNT keys: median or each."""
        time.sleep(0.5)
        times = self.probe("moves", self.win, str(count), *MOVE, *(["each"] if each else []),
                           failure="%s did not move" % what)
        return times if each else times[0]

    def rest_cost(self, name, server, more=None):
        """Records and returns as NAME.* the CPU ms at rest over REST_SECONDS of the program (app), the display server
        (server), both (all) and MORE counted apart (more), and the program's waits to sleep a second (waits)."""
        time.sleep(SETTLE_SECONDS)
        pids = [str(pid) for pid in (self.pid, server, more) if pid]
        failure = "%s: ended while at rest, or its CPU time cannot be read" % name
        before = [int(v) for v in self.probe("cpu", *pids, failure=failure)]
        time.sleep(REST_SECONDS)
        # CPU time in ns and wake-ups of each process in turn.
        used = [int(v) - b for v, b in zip(self.probe("cpu", *pids, failure=failure), before)]
        cost = {"app": used[0], "server": used[2], "all": used[0] + used[2]}
        if more:
            cost["more"] = used[4]
        cost = {key: round(ns / 1e6, 1) for key, ns in cost.items()}
        cost["waits"] = round(used[1] / REST_SECONDS)
        for key, value in cost.items():
            self.figures.record(name + "." + key, value)
        return cost

    def memory(self, name, pid):
        """Records the pages only the process holds and has written (NAME.own), not the libraries every Qt or GTK
        program shares, and its peak resident memory (NAME.peak)."""
        for figure, path, field in (("own", "smaps_rollup", "Private_Dirty:"), ("peak", "status", "VmHWM:")):
            with open("/proc/%d/%s" % (pid, path)) as f:
                self.figures.record(name + "." + figure, next(int(l.split()[1]) for l in f if l.startswith(field)))

    def starts(self):
        """A round's starts, with the game's keys, clock period and memory, and the bare square's keys."""
        record = self.figures.record
        with self.running(self.game) as (start, shown):
            record("game.start", start)
            record("game.map", shown)
            record("game.key", self.moves("game: the player"))
            # The period of 20 phases of the enemy clock, read off the bar on screen.
            time.sleep(1)
            record("game.period", self.probe("rest", self.win, str(PHASES), BAR_ROW,
                                             failure="game: the bar was not seen wrapping")[0])
            self.memory("game", self.pid)
        for name, program in (("base", self.bar), ("title", self.title)):
            with self.running(program) as (start, _):
                record(name + ".start", start)
        with self.running(self.game, graphics=True) as (_, shown):
            record("gfx.map", shown)
        with self.running(self.square):
            record("base.key", self.moves("baseline: the square"))

    def rest(self, name):
        """The game at rest on its map, as a player who thinks leaves it, or the bare window ("base") and its memory."""
        with self.running(self.game if name == "game" else self.bar):
            self.rest_cost(name, self.x.process.pid)
            if name == "base":
                self.memory("base", self.pid)

    def rest_sound(self, on):
        """The game at rest on its map with the sound server running, its sound ON (and the enemy cue with it) or
        silenced, after one arrow key: the program, Xvfb and PulseAudio together (NAME.total)."""
        name = "sound.on" if on else "sound.off"
        settings = os.path.join(self.home, ".config", "chromaland", "chromaland.conf")
        os.makedirs(os.path.dirname(settings), exist_ok=True)
        files.write_bytes(settings, "[Sound]\nOn={0}\nEnemyCue={0}\n".format("true" if on else "false").encode())
        try:
            with self.running(self.game, extra={"PULSE_SERVER": "unix:" + self.sound.socket}):
                # A step, so that a sound has played and its device closed again.
                self.x.keys(int(self.win, 16), "Right")
                cost = self.rest_cost(name, self.x.process.pid, self.sound.server.pid)
        finally:
            os.remove(settings)
        self.figures.record(name + ".total", cost["all"] + cost["more"])

    def run_mines(self, mines):
        """GNOME Mines, a small desktop game, settled on its first window: its own memory, for comparison."""
        env = clean_environment(os.path.join(self.tmp, "mines-home"), self.runtime, display=self.x.display,
                                extra={"GTK_A11Y": "none"})
        for name in ("QT_QPA_PLATFORM", "QT_ACCESSIBILITY"):
            env.pop(name)
        process = self.processes.start([mines], log_file=os.path.join(self.tmp, "mines.log"), env=env)
        if wait_until(lambda: self.x.windows_of(process.pid), 20, 0.1):
            time.sleep(30)
            self.memory("mines", process.pid)
        else:
            print("bench: GNOME Mines showed no window; left out", file=sys.stderr)
        self.processes.stop(process)

    def wl_rest(self, name, program, *args):
        """PROGRAM at rest with Weston as the display server (the bare window's bar repainting every other tick or,
        with --every-tick, at every tick); Weston's CPU time is counted with its, the Xvfb Weston draws into apart."""
        folder = self.fresh_folder(program)
        env = clean_environment(self.home, self.runtime, wayland=(self.weston.socket, self.weston.xwayland),
                                extra={"QT_QPA_PLATFORM": "wayland"})
        process = self.processes.start([os.path.join(folder, os.path.basename(program)), *args], env=env,
                                       log_file=os.path.join(folder, "output.log"), cwd=folder)
        self.pid = process.pid
        if program == self.game:
            if not wait_until(lambda: self.weston.find(self.pid, "title"), 20, 0.1):
                raise AssertionError("the game's title did not show on Weston")
            self.weston.keys("p")
            if not wait_until(lambda: self.weston.find(self.pid, "map"), 15, 0.1):
                raise AssertionError("the game's map did not show on Weston")
        elif not wait_until(lambda: "PID %d," % self.pid in self.weston.scene(), 20, 0.1):
            raise AssertionError("the bare window did not show on Weston")
        self.rest_cost(name, self.weston.pid, self.weston.x.process.pid)
        self.processes.stop(process)

    def tick_costs(self):
        print("system calls and X requests at rest", file=sys.stderr)
        lines = ["A clock tick's system calls at rest (strace -c over %d s; load-independent):" % TRACE_SECONDS,
                 "  %-8s %8s %8s %8s %8s %8s" % ("", "writev", "recvmsg", "poll", "futex", "all")]
        lines += [row for row in (self.system_calls("game", self.game), self.system_calls("floor", self.bar)) if row]
        if not shutil.which("xtrace"):
            return lines + ["xtrace is not installed (scripts/setup-debian.sh --bench): no count of X requests"]
        lines += ["A clock tick's X requests at rest (xtrace over %d s):" % TRACE_SECONDS,
                  "  %-8s %10s %10s %12s" % ("", "requests", "pictures", "round trips")]
        return lines + [row for row in (self.x_requests("game", self.game, "p"), self.x_requests("floor", self.bar))
                        if row]

    def system_calls(self, name, program):
        """The report's row of a tick's system calls at rest that talk to the display (writev sends, recvmsg reads)
        or wait (poll, futex); None when strace could not watch."""
        with self.running(program):
            time.sleep(SETTLE_SECONDS)
            try:
                calls = syscalls(self.pid, TRACE_SECONDS, os.path.join(self.tmp, "strace." + name))
            except AssertionError as e:
                print("bench: %s (%s)" % (e, name), file=sys.stderr)
                return None
        return "  %-8s %8.2f %8.2f %8.2f %8.2f %8.2f" % (name, *(calls.get(c, 0) / TRACE_TICKS
                                                            for c in ("writev", "recvmsg", "poll", "futex", "total")))

    def x_requests(self, name, program, key=None):
        """The report's row of a tick's X requests, pictures sent (new frames) and round trips at rest after KEY, as
        xtrace, passing PROGRAM's X connection on, writes them down; None without a window."""
        folder = self.fresh_folder(program)
        trace = os.path.join(self.tmp, "xtrace." + name)
        # The first display number after the server's that nothing holds.
        number = int(self.x.display[1:]) + 1
        while os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
            number += 1
        env = self.env()
        env.pop("DISPLAY")
        process = self.processes.start(["xtrace", "-n", "-d", self.x.display, "-D", ":%d" % number, "-o", trace, "--",
                                        os.path.join(folder, os.path.basename(program))],
                                       log_file=os.path.join(folder, "output.log"), env=env, cwd=folder)
        try:
            time.sleep(3)
            if key:
                win = self.x.ask("xdotool", "search", "--onlyvisible", "--name", "^Chromaland$").split()
                if not win:
                    print("bench: no window under xtrace; X requests left out", file=sys.stderr)
                    return None
                self.x.ask("xdotool", "windowfocus", "--sync", win[0], "key", key)
            time.sleep(SETTLE_SECONDS)
            start = os.path.getsize(trace)
            time.sleep(TRACE_SECONDS)
            with open(trace, "rb") as f:
                f.seek(start)
                lines = f.read().decode(errors="replace").splitlines()
        finally:
            # xtrace's child goes with its group.
            self.processes.stop(process)
        requests, pictures, replies = (sum(1 for l in lines if re.match(pattern, l)) / TRACE_TICKS
                                       for pattern in (r"^[0-9]+:<:", r"^[0-9]+:<:.*PutImage", r"^[0-9]+:>:.*Reply"))
        return "  %-8s %10.1f %10.2f %12.2f" % (name, requests, pictures, replies)

    def report(self):
        """The table of figures, ratios and verdicts, then every round's figures and judged ratios."""
        f = self.figures
        judged = []
        with open("/proc/cpuinfo") as c:
            model = next((l.split(":", 1)[1].strip() for l in c if l.startswith("model name")), "")
        load = " ".join("%.2f" % average for average in os.getloadavg())
        print()
        print("Medians of %d rounds with their least and greatest; a ratio is the median of the rounds' own ratios"
              % self.rounds)
        print("(%d cores, %s, Linux %s, load %s)" % (os.cpu_count(), model, platform.release(), load))
        line("figure", "game", "bare window", "ratio", "target", "verdict")
        for label, a, b, target in ROWS:
            if a not in f:
                continue
            if b is None:
                line(label, f.spread(a), "-", "-", "< %d ms" % target, verdict(f.median(a) < target))
            elif isinstance(target, str):
                line(label, f.spread(a), f.spread(b), "-", "-", target)
            elif target is None:
                line(label, f.spread(a), f.spread(b), f.ratio_of(a, b)[1], "-", "reference")
            else:
                judged.append((a, b))
                m, ratio = f.ratio_of(a, b)
                line(label, f.spread(a), f.spread(b), ratio, "<= %.2f x" % target,
                     "-" if m is None else verdict(m <= target))
        go, bo, gp, bp = (f.median(name) for name in ("game.own", "base.own", "game.peak", "base.peak"))
        mines = [g(f.median(name)) if name in f else "-" for name in ("mines.own", "mines.peak")]
        line("own memory, private dirty (kB)", g(go), g(bo), "%+.1f MiB" % ((go - bo) / 1024), "<= +4 MiB",
             verdict(go - bo <= 4096))
        line("  GNOME Mines' own memory (kB)", mines[0], "-", "-", "-", "for comparison")
        line("peak resident memory (kB)", g(gp), g(bp), "%+.1f MiB" % ((gp - bp) / 1024), "-",
             "shared fonts and libraries count")
        line("  GNOME Mines' peak resident memory (kB)", mines[1], "-", "-", "-", "for comparison")
        deviation = f.median("game.period") / PHASE_S - 1
        line("phase period over %d phases (s)" % PHASES, f.spread("game.period"), "-", "%+.2f %%" % (deviation * 100),
             "%.3f s within 1 %%" % PHASE_S, verdict(abs(deviation) <= 0.01))
        print()
        print("Every run, in round order (ms, kB, s), and the rounds' ratios of the judged rows:")
        for name, values in f.items():
            print("  %-16s %s" % (name, " ".join(g(v) for v in values)))
        for a, b in judged:
            print("  %s / %s: %s" % (a, b, " ".join("%.3f" % r for r in f.ratios(a, b))))

    def run(self):
        self.make_graphics()
        self.x11_rounds()
        ticks = self.tick_costs()
        instructions = self.count_instructions()
        self.x.stop()
        self.wayland_rounds()
        self.report()
        print("\n%s\n\n%s\n" % ("\n".join(ticks), instructions))
        self.micro_benchmarks()

    def x11_rounds(self):
        """The rounds on X11, after a round 0 of starts unrecorded: a first start on a fresh server and home folder
        fills caches that every later start finds full."""
        try:
            self.sound = SoundServer(os.path.join(self.tmp, "pulse"), record=False)
        except AssertionError as e:
            print("no sound server: no stretches at rest with sound (%s)" % e, file=sys.stderr)
        mines = shutil.which("gnome-mines", path=os.environ.get("PATH", "") + ":/usr/games")
        for round_ in range(self.rounds + 1):
            print("round %d of %d" % (round_, self.rounds) if round_ else "warming up", file=sys.stderr)
            self.starts()
            if not round_:
                self.figures.clear()
                continue
            # The stretches at rest follow each other, in turns first.
            for name in ("game", "base") if round_ % 2 else ("base", "game"):
                self.rest(name)
            if self.sound:
                for on in ((True, False) if round_ % 2 else (False, True)):
                    self.rest_sound(on)
            if round_ == 1 and mines:
                self.run_mines(mines)
        if not mines:
            print("GNOME Mines is not installed (scripts/setup-debian.sh --bench): left out", file=sys.stderr)
        if self.sound:
            self.sound.stop()

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

    def count_instructions(self):
        if not shutil.which("valgrind"):
            return "valgrind is not installed (scripts/setup-debian.sh --bench): no instruction count at rest"
        import instructions
        try:
            return instructions.at_rest(self, 20, self.tmp)
        except AssertionError as e:
            print("the instruction count failed: %s" % e, file=sys.stderr)
            return ""

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


def command_line(argv, usage, body, programs=("chromaland", "bench/probe"), tools=()):
    """BUILD_FOLDER then USAGE's words: body(bench, words) with PROGRAMS in the build and TOOLS on the PATH. Exit
    code 2 for a wrong command line or something missing, 1 for a failure."""
    if len(argv) < 2 or not os.path.isdir(argv[1]):
        print("usage: %s BUILD_FOLDER %s" % (argv[0], usage), file=sys.stderr)
        return 2
    build = os.path.abspath(argv[1])
    missing = ["missing %s: build the bench first" % path for path in (os.path.join(build, p) for p in programs)
               if not os.access(path, os.X_OK)]
    missing += ["missing tool: %s (scripts/setup-debian.sh --tests or --bench installs it)" % tool
                for tool in tools if not shutil.which(tool)]
    if missing:
        print(missing[0], file=sys.stderr)
        return 2
    bench = Bench(build)
    try:
        bench.x = X11(bench.tmp)
        body(bench, argv[2:])
    except AssertionError as e:
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


if __name__ == "__main__":
    sys.exit(command_line(sys.argv, "[ROUNDS]", whole_run, ["chromaland"] + ["bench/" + name for name in PROGRAMS],
                          ("Xvfb", "openbox", "wmctrl", "xdotool", "strace")))
