"""The test case every scenario derives from. A class's scenarios share one private X server with openbox; each
scenario has a folder and a game of its own. A failed scenario keeps its folders, with a picture of the screen, the
game's windows and its last output; whatever a scenario started is ended however it ended."""

import os
import shutil
import sys
import tempfile
import time
import unittest

from . import facts, files
from .display import X11, Weston
from .game import Game
from .processes import log, run, wait_until

# A walk onto an enemy counts only when its battle began before the enemies' first step and the first healing, at
# the enemy clock's 100th tick; otherwise the game starts afresh, at most WALK_ATTEMPTS times. The Wayland scenarios,
# which cannot read the clock, hold the walk to WALK_DEADLINE_MS of the game's running time after the map was seen.
WALK_ATTEMPTS = 4
WALK_DEADLINE_MS = 1200
# How long a busy machine may take to show a walk's battle.
BATTLE_SECONDS = 20


def now_ms():
    return time.monotonic() * 1000


def walk_to(enemy):
    """The keys from the start square onto enemy 0 (21 squares up) or enemy 20 (one up, 20 right)."""
    return ["Up"] * 21 if enemy == 0 else ["Up"] + ["Right"] * 20


def went_round(last, taken, ticks, now):
    """Whether the enemy clock may have gone round between a reading of LAST begun at TAKEN and one of TICKS ended
    at NOW: it fell, or more ticks may have passed (one every 17 ms, one missed while held, a tick either way in the
    readings) than those between the two."""
    if ticks + 1 < last:
        log("the enemy clock went round (%d, then %d): the enemies stepped first" % (last, ticks))
        return True
    if (now - taken) / facts.TICK_MS + 3 >= facts.PHASE_TICKS - last + ticks:
        log("the enemy clock read %d, then %d, %d ms apart: a whole round may have passed between them"
            % (last, ticks, now - taken))
        return True
    return False


class Scenario(unittest.TestCase):
    """A scenario on the shared X server, or (X11 = False) on a Weston of its own."""

    X11 = True
    # The program under test, set by the runner.
    exe = None
    # A failure says what the scenario says, not what unittest adds.
    longMessage = False

    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="chromaland-e2e.", dir=os.environ.get("TMPDIR", "/tmp"))
        cls.x = X11(cls.root) if cls.X11 else None

    @classmethod
    def tearDownClass(cls):
        if cls.x:
            cls.x.stop()
        # A failed scenario's folder stays, and the logs beside it.
        if all(name == "xdg" or not os.path.isdir(os.path.join(cls.root, name)) for name in os.listdir(cls.root)):
            shutil.rmtree(cls.root, ignore_errors=True)

    def setUp(self):
        self.tmp = tempfile.mkdtemp(prefix=self._testMethodName[5:] + ".", dir=self.root)
        self.failed = False
        self.addCleanup(self.remove_folders)
        self.weston = None if self.X11 else Weston(self.tmp)
        self.game = Game(self.exe, self.tmp, x=self.x, weston=self.weston)

    def tearDown(self):
        # By now the body's failure is in the result (the outcome's own flag starts afresh for tearDown).
        result = self._outcome.result
        self.failed = any(test is self for test, _ in result.failures + result.errors)
        if self.failed:
            screen = self.weston.x if self.weston else self.x
            try:
                log("the screen showed this at that moment: " + screen.picture(os.path.join(self.tmp, "screen.png")))
            except AssertionError as e:
                log("no picture of the screen: %s" % e)
            description = [screen.describe() if isinstance(screen, X11) else "", self.game.describe()]
            print("\n".join(filter(None, description)), file=sys.stderr, flush=True)
        self.game.processes.stop_all()
        if self.weston:
            self.weston.stop()

    def remove_folders(self):
        if self.failed:
            log("the folders of the failed scenario are kept in " + self.tmp)
        else:
            shutil.rmtree(self.tmp, ignore_errors=True)

    def start_title(self, folder, cwd=None):
        self.game.start(folder, cwd)
        return self.game.window("title", 20)

    def start_to_box(self, folder, key="x", why="without the message that the character file is missing"):
        """Starts the game and presses the key on the title: a box must come, not the map (opened WHY); both."""
        title = self.start_title(folder)
        self.game.keys(title, key)
        box = self.game.window("box map", 15)
        self.assertEqual(box.kind, "box", "the map opened " + why)
        return title, box

    def leave_title(self, title, key):
        """Presses the key on the title: the map opens and the title goes; returns the map."""
        self.game.keys(title, key)
        self.game.window("map", 15)
        # The title's window, going, may read as a map for a moment.
        self.game.await_hidden(title, 5, "the title window (after the map opened)")
        return self.game.window("map", 5)

    def await_map(self):
        """The map window, which must come instead of any message."""
        shown = self.game.window("map box", 15)
        if shown.kind != "map":
            self.fail("a message box appeared instead of the map: the character file should have loaded")
        return shown

    def start_to_map(self, folder, cwd, key):
        """Starts the game and presses the key on the title; returns the map, which must come without a message."""
        self.game.keys(self.start_title(folder, cwd), key)
        shown = self.await_map()
        # Where the enemy clock stands as soon as the map is seen: a walk later counts from here (meet_enemy).
        self.clock_seen = (shown, self.clock(shown), now_ms())
        return shown

    def clock(self, map_window):
        """The enemy clock's ticks since its last round: the share of the bar's middle row filled in a picture of the
        map, from either end (a language written right to left); None when no bar shows."""
        x, y, width = facts.bar_row(2)
        picture = self.x.picture(os.path.join(self.tmp, "clock.png"), map_window)
        text = run("convert", picture, "-crop", "%dx1+%d+%d" % (width, x, y), "+repage", "-depth", "8", "txt:-")
        row = [line.split()[2] for line in text.splitlines()[1:] if len(line.split()) > 2]
        if not row:
            raise AssertionError("no picture of the enemy clock's bar: %s" % text[:200])
        empty = [colour == facts.EMPTY_BAR for colour in row]
        # A bar is filled from one end and empty from the other, but for the few pixels of its edge; anything else (a
        # window not painted yet, all dark) is no reading.
        if not any(empty):
            return None
        if empty[0] and not empty[-1]:
            empty.reverse()
        last_filled = max((i for i, e in enumerate(empty) if not e), default=-1)
        if last_filled - empty.index(True) >= 3:
            return None
        return round((len(row) - sum(empty)) * facts.PHASE_TICKS / len(row))

    def meet_enemy(self, map_window, enemy, walk=None):
        """Walks from the start square onto the enemy, with the arrow keys or walk(keys) (a controller's d-pad), the
        game held while the keys are typed so that it takes the walk at once however slowly a busy machine types.
        Returns the battle window when the battle began before the enemies' first step, None when it may not have:
        pictures of the enemy clock's bar show its value fall when it goes round, and two close enough in time cannot
        miss a round."""
        path = walk_to(enemy)
        self.x.focus(map_window)
        with self.game.held():
            last = first = ticks = self.clock(map_window)
            if first is None:
                log("the map shows no enemy clock to count the walk by")
                return None
            read = now_ms()
            if walk:
                walk(path)
            else:
                self.game.keys(map_window, *path)
        taken = started = now_ms()
        # Counted from the map's first sight when start_to_map saw it (no tick passes while the game is held).
        seen = getattr(self, "clock_seen", None)
        if seen and seen[0] == map_window and seen[1] is not None and went_round(seen[1], seen[2], first, read):
            return None
        while now_ms() - started <= BATTLE_SECONDS * 1000:
            begun = now_ms()
            battle = self.game.find("battle", 0)
            ticks = self.clock(map_window)
            now = now_ms()
            # No reading: the next is counted from the last one.
            if ticks is None:
                continue
            if went_round(last, taken, ticks, now):
                return None
            if battle:
                log("walked %d squares towards enemy %d from tick %d: the battle began at tick %d, seen %d ms after "
                    "the game took the walk" % (len(path), enemy, first, ticks, now - started))
                return battle
            last, taken = ticks, begun
        log("the map showed no enemy clock for %d s after the walk" % BATTLE_SECONDS if ticks is None else
            "walked %d squares towards enemy %d: no battle within %d s" % (len(path), enemy, BATTLE_SECONDS))
        return None

    def in_time(self, attempt, failure):
        """Calls attempt(number), which starts the game, until it returns something true, the game killed after each
        false result; fails with FAILURE (a text, or a function giving one)."""
        for number in range(1, WALK_ATTEMPTS + 1):
            found = attempt(number)
            if found:
                log("in time at attempt %d" % number)
                return found
            log("attempt %d: not in time; starting again" % number)
            self.game.kill()
        self.fail("%s, %d attempts (see the log above: too slow, or the enemies had moved)"
                  % (failure() if callable(failure) else failure, WALK_ATTEMPTS))

    def play_to_battle(self, enemy, key, character, setup=None, separate=False, on_title=None, walk=None):
        """Starts the game in a fresh program folder with the character (lines, or None) and setup(folder) and walks
        onto the enemy (walk as meet_enemy's), afresh while an enemy moved first; on_title(title), when given, takes
        the game from the title to the map instead of KEY and returns the map. Sets program_folder, working_folder
        and map_window; returns the battle."""
        def attempt(_):
            self.program_folder = self.game.new_folder("program")
            self.working_folder = self.game.new_folder("working") if separate else self.program_folder
            if character:
                files.put_character(self.program_folder, character)
            if setup:
                setup(self.program_folder)
            if on_title:
                self.map_window = on_title(self.start_title(self.program_folder, self.working_folder))
            else:
                self.map_window = self.start_to_map(self.program_folder, self.working_folder, key)
            return self.meet_enemy(self.map_window, enemy, walk)
        return self.in_time(attempt, "no battle window in time after a walk onto enemy %d%s"
                            % (enemy, " with the d-pad" if walk else ""))

    def await_focus(self, window, seconds, failure):
        """The window gets the keyboard within SECONDS from the game itself; else the scenario fails with FAILURE."""
        if not wait_until(lambda: self.x.focused() == window, seconds):
            self.fail(failure)

    def escape(self, window, what):
        """Escape closes the window (WHAT) within 5 s."""
        self.game.keys(window, "Escape")
        self.game.await_hidden(window, 5, "%s (after Escape)" % what)

    def put_settings(self, text):
        settings = self.game.settings_file()
        os.makedirs(os.path.dirname(settings), exist_ok=True)
        with open(settings, "w") as f:
            f.write(text)

    def expect_setting(self, line, what):
        settings = self.game.settings_file()
        lines = files.read_bytes(settings).decode().split() if os.path.exists(settings) else []
        self.assertIn(line, lines, "the settings do not keep %s:\n%s" % (what, files.shown(settings)))

    def retreat(self, battle):
        """Leaves the battle by Alt+R, Retreat: the battle window goes."""
        self.game.keys(battle, "alt+r")
        self.game.await_hidden(battle, 5, "the battle window (after Alt+R, Retreat)")

    def expect_over(self, window, owner, what, seconds=5):
        """WINDOW comes to stand over OWNER within SECONDS (a window just shown may not have its last size yet):
        the centre of its frame in the middle third of the owner's frame (a title bar more or less is no matter)."""
        def where():
            x, y, width, height = self.x.frame_geometry(window)
            ox, oy, owidth, oheight = self.x.frame_geometry(owner)
            dx, dy = (x + width / 2) - (ox + owidth / 2), (y + height / 2) - (oy + oheight / 2)
            return abs(dx) <= owidth / 6 and abs(dy) <= oheight / 6, (x, y, width, height, ox, oy, owidth, oheight)
        if not wait_until(lambda: where()[0], seconds):
            self.fail("%s stands at %d,%d (%dx%d with its frame), not over its window at %d,%d (%dx%d)"
                      % ((what,) + where()[1]))

    def close_map_and_wait(self, map_window):
        """Closes the map through the window manager; the game must save and end with exit code 0."""
        self.game.expect_exit(0, "closing the map window", self.game.close_and_wait(map_window, 15))

    def archive(self, folder=None):
        """The name of the one archive of a death (Dead_*.txt) in FOLDER, the working folder if none."""
        folder = folder or self.working_folder
        archives = [n for n in os.listdir(folder) if n.startswith("Dead_") and n.endswith(".txt")]
        self.assertEqual(len(archives), 1, "expected one Dead_*.txt archive in %s, found: %s"
                         % (folder, " ".join(sorted(os.listdir(folder)))))
        return archives[0]

    def expect_dead(self, folder, file="Character.chx"):
        """The folder's FILE holds the loser, dead and saved: below 1 health, and one blow of enemy 0 (strength 48
        to 52) takes at most 25."""
        path = os.path.join(folder, file)
        health = files.value_between(path, "HPc", -24, 0, "of the dead character")
        files.expect_saved(path, files.with_values(files.LOSER, HPc=health))

    def attack_until_death_box(self, battle):
        """Alt+A in the battle until the box "You have died." is up, at most 40 times; the box and the attacks."""
        for attack in range(1, 41):
            # A box that came late, after the last wait, takes no more attacks.
            if not self.game.find("box", 0):
                self.game.keys(battle, "alt+a")
            box = self.game.find("box", 2)
            if box:
                return box, attack
        self.fail('no "You have died." message after 40 attacks with 1 health')
