"""The game played with a game controller alone: SDL's virtual controller in the real program (virtualpad), worked
button by button, the keyboard never touched; and a held direction's repeats on the desktops the game reads them
from."""

import configparser
import os
import re
import subprocess
import time

from . import files
from .case import Scenario
from .display import HERE, Weston
from .game import clean_environment
from .processes import log
from .virtualpad import VirtualPad

# The X server's key repeat where it is read: after 250 ms, then every 40 ms (not X's, Qt's or weston.ini's own).
X_REPEAT = (250, 40)


class Controller(Scenario):
    """The scenarios of a player with a game controller."""

    def setUp(self):
        super().setUp()
        self.pad = VirtualPad(self.exe, self.tmp)
        self.addCleanup(self.pad.close)
        self.game.env = self.pad.env

    def await_pad_focus(self, window, what):
        """The window gets the keyboard, where the controller plays."""
        self.await_focus(window, 10, "%s did not get the keyboard within 10 s, so the controller plays nowhere" % what)

    def pad_to_map(self, title):
        """Once the game has the controller, opens the hall from the title with X and closes it with B, then with A on
        its Close button, and starts with A; returns the map window."""
        self.pad.opened(self.game, 20)
        for close in ("b", "a"):
            self.pad.press("x")
            hall = self.game.window("hall", 15)
            self.await_pad_focus(hall, "the hall of the fallen")
            self.pad.press(close)
            self.game.await_hidden(hall, 10, "the hall of the fallen, after %s," % close.upper())
            self.await_pad_focus(title, "the title, after the hall,")
        self.pad.press("a")
        return self.await_map()

    def test_controller_whole_game(self):
        """A whole game with the controller: X on the title opens the hall and B closes it, and A on its Close button
        too, A starts, the d-pad walks onto red enemy 20, A kills it and B retreats with the win, Start asks whether
        to save and quit and A says yes: the game ends with 0, the character saved with its red bar grown."""
        battle = self.play_to_battle(20, None, files.WINNER, on_title=self.pad_to_map, walk=self.pad.walk)
        self.await_pad_focus(battle, "the battle")
        # Strength and Dexterity 1000 kill a red enemy with the first hit; once it is dead A does nothing. Each A
        # shows its button pressed a moment before it acts.
        for _ in range(4):
            self.pad.press("a")
            time.sleep(0.3)
        self.assertTrue(self.x.shown(battle), "the battle window closed during the attacks")
        self.pad.press("b")
        self.game.await_hidden(battle, 10, "the battle, after B,")
        self.await_pad_focus(self.map_window, "the map, after the battle,")
        self.pad.press("start")
        question = self.game.window("box", 15)
        self.expect_over(question, self.map_window, "the question whether to save and quit")
        self.await_pad_focus(question, "the question whether to save and quit")
        self.pad.press("a")
        self.game.expect_exit(0, "saving and quitting with the controller")
        file = os.path.join(self.program_folder, "Character.chx")
        # Enemy 20 (strength 1 to 9) hits for at most 3 a turn.
        health = files.value_between(file, "HPc", 980, 1000, "after the win over enemy 20")
        files.expect_saved(file, files.with_values(files.WINNER, HPc=health, R=2))

    def repeats_as_read(self, env, where):
        """The key repeat's delay and interval as the stick's held-direction test rows read it on a desktop (ENV)."""
        program = os.path.join(os.path.dirname(self.exe), "tests", "tst_gamepad")
        done = subprocess.run([program, "heldDirectionRepeats"], env=env, capture_output=True, text=True, timeout=60)
        log("tst_gamepad on %s:\n%s" % (where, done.stdout.strip()))
        self.assertEqual(done.returncode, 0, "a held direction does not repeat as the keys do on %s:\n%s%s"
                         % (where, done.stdout[-1500:], done.stderr[-500:]))
        found = re.search(r"repeats a held key after (\d+) ms, then every (\d+) ms", done.stdout)
        self.assertIsNotNone(found, "tst_gamepad did not say what it read on %s" % where)
        return int(found.group(1)), int(found.group(2))

    def test_controller_key_repeat(self):
        """A held direction repeats as the desktop repeats a held key, as the game reads that: on X11 the X
        server's setting (here made 250 ms, then 40 ms), on Wayland what Weston says (weston.ini)."""
        self.x.tool("xkbset", "r", "rate", str(X_REPEAT[0]), str(X_REPEAT[1]))
        home, runtime = self.game.home()
        env = clean_environment(home, runtime, display=self.x.display)
        self.assertEqual(self.repeats_as_read(env, "X11"), X_REPEAT, "the X server's key repeat was read wrong")

        ini = configparser.ConfigParser()
        ini.read(os.path.join(HERE, "weston.ini"))
        rate, delay = ini.getint("keyboard", "repeat-rate"), ini.getint("keyboard", "repeat-delay")
        self.weston = Weston(self.tmp)
        env = clean_environment(home, runtime, wayland=(self.weston.socket, self.weston.xwayland),
                                extra={"QT_QPA_PLATFORM": "wayland"})
        self.assertEqual(self.repeats_as_read(env, "Wayland"), (delay, 1000 // rate),
                         "Weston's key repeat was read wrong")
