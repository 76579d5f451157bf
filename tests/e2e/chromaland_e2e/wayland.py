"""The game as a client of Weston, which runs as a window on a private Xvfb. Keys and clicks go to Weston's window,
pictures are taken of it, and where each window of the game stands and how large it is come from Weston's scene
graph. Each scenario starts a Weston of its own."""

import os
import time

from . import facts, files
from .case import BATTLE_SECONDS, WALK_DEADLINE_MS, Scenario, now_ms, walk_to
from .display import Weston
from .files import DEFAULT_CHARACTER, expect_saved, value_between
from .game import Game
from .processes import log, output, run, wait_until

# Where Qt's frame of a Wayland window puts its buttons: pixels left of the surface's right edge, and below its top.
CLOSE_BUTTON = 18
MAXIMIZE_BUTTON = 40
BUTTON_ROW = 15


def size(place):
    x1, y1, x2, y2 = place
    return x2 - x1, y2 - y1


def black_share(path):
    """Parts per thousand of the picture that are pure black."""
    return int(run("convert", path, "-fill", "white", "+opaque", "black", "-colorspace", "gray",
                   "-format", "%[fx:round(1000*(1-mean))]", "info:").strip())


class Wayland(Scenario):
    """The scenarios under Weston, one Weston a scenario."""

    X11 = False

    def find(self, kind):
        return (self.weston.find(self.game.pid, kind) or (None,))[0]

    def await_window(self, kind, seconds):
        """Where Weston shows the game's window of this kind; it must come."""
        def shown():
            self.game.alive("a %s window" % kind)
            return self.weston.find(self.game.pid, kind)
        found = wait_until(shown, seconds, 0.1)
        if not found:
            scene = [line for line in self.weston.scene().splitlines() if "PID %d" % self.game.pid in line]
            self.fail("no %s window within %d s; the game's views: %s" % (kind, seconds, scene))
        self.surface = found[1]
        return found[0]

    def await_gone(self, kind, seconds):
        if not wait_until(lambda: self.find(kind) is None, seconds, 0.1):
            self.fail("the %s window was still shown %d s later" % (kind, seconds))

    def await_size(self, kind, seconds, changed, was, what):
        """The window's place once its size differs from (CHANGED) or equals WAS; the game must survive meanwhile."""
        def there():
            self.game.alive("the window (%s) after %s" % (kind, what))
            place = self.find(kind)
            return place if place and (size(place) != was) == changed else None
        place = wait_until(there, seconds, 0.1)
        if not place:
            last = self.find(kind)
            self.fail("after %s the window (%s) is %s; expected %s" % (
                what, kind, "%d %d (W H)" % size(last) if last else "not shown",
                "another size than %d %d" % was if changed else "%d %d again" % was))
        return place

    def maximize_and_back(self, kind, frameless=False):
        """The compositor's maximize (Super+Shift+M) and fullscreen (Super+Shift+F) shortcuts and, unless the window
        has no frame, its frame's maximize button, each undone the same way: the game lives on and the window comes
        back to its size."""
        self.await_window(kind, 5)
        # Qt may resize a window once more right after it is first shown.
        time.sleep(0.5)
        was = size(self.await_window(kind, 5))
        # Followed by its surface from here on: maximized, a box is as large as the map.
        surface = "surface %s" % self.surface
        place = None
        ways = {"the maximize shortcut": lambda: self.weston.keys("super+shift+m"),
                "the fullscreen shortcut": lambda: self.weston.keys("super+shift+f")}
        if not frameless:
            ways["a click on the frame's maximize button"] = lambda: self.click_frame(place, MAXIMIZE_BUTTON)
        for once, way in ways.items():
            way()
            place = self.await_size(surface, 5, True, was, once)
            log("after %s the %s window is %s, was %s" % (once, kind, size(place), was))
            way()
            place = self.await_size(surface, 5, False, was, once + " twice")

    def click_frame(self, place, button):
        """Clicks a button of the frame of the window at PLACE, BUTTON pixels left of its right edge."""
        self.weston.click(place[2] - button, place[1] + BUTTON_ROW)

    def close_map_and_wait(self):
        """Closes the map with its frame's close button; the game must save and end with exit code 0."""
        self.click_frame(self.await_window("map", 5), CLOSE_BUTTON)
        self.game.expect_exit(0, "closing the map window")

    def test_wayland_clock_bar(self):
        """A first start on Wayland (the platform chosen as a player would): the title titled Chromaland, the
        missing-file message, which survives being maximized, the map, whose enemy clock's bar is drawn whole frame
        after frame while it runs, and a close that saves."""
        folder = self.game.new_folder("wl-first")
        self.game.platform = "wayland"
        self.game.start(folder)
        self.await_window("title", 20)
        self.weston.keys("x")
        self.await_window("box", 15)
        self.maximize_and_back("box")
        self.weston.keys("Return")
        x1, y1, x2, y2 = self.await_window("map", 15)
        self.await_gone("title", 5)
        # The map's surface holds Qt's frame: as wide on the left, the right and the bottom, the title bar on top.
        left = (x2 - x1 - facts.MAP_SIZE[0]) // 2
        top = y2 - y1 - facts.MAP_SIZE[1] - left
        bar_x, bar_y, bar_width, bar_height = facts.bar_inside(2)
        pictures = set()
        for i in range(1, 7):
            time.sleep(0.3)
            bar = self.weston.picture(os.path.join(self.tmp, "bar%d.png" % i), x1 + left + bar_x,
                                      y1 + top + bar_y, bar_width, bar_height)
            share = black_share(bar)
            self.assertLessEqual(share, 10, "picture %d of the enemy clock's bar is %.1f %% black inside (see %s); it "
                                 "should show the bar" % (i, share / 10, bar))
            pictures.add(files.read_bytes(bar))
        self.assertGreater(len(pictures), 1, "the enemy clock's bar looked the same in six pictures over 1.8 s; it "
                           "should move")
        self.close_map_and_wait()
        expect_saved(os.path.join(folder, "Character.chx"), DEFAULT_CHARACTER)

    def play_to_battle(self, character=files.RETREAT):
        """A fresh folder with the character (the healer of battle_retreat), the title (maximized and restored), the
        map, and a walk onto enemy 20 before the enemies' first step; starts over when too slow."""
        path = walk_to(20)

        def attempt(_):
            self.program_folder = self.game.new_folder("wl-program")
            files.put_character(self.program_folder, character)
            self.game.start(self.program_folder)
            self.await_window("title", 20)
            self.maximize_and_back("title", frameless=True)
            self.weston.keys("Return")
            self.await_window("map", 15)
            shown = now_ms()
            # Held while the keys are typed, the game takes the whole walk at once: only the time it ran counts.
            with self.game.held():
                held = now_ms()
                self.weston.keys(*path)
            resumed = now_ms()
            battle = wait_until(lambda: self.find("battle"), BATTLE_SECONDS, 0.1)
            took = (held - shown) + (now_ms() - resumed)
            log("walked %d squares towards enemy 20: the battle %s %d ms of the game's time after the map showed"
                % (len(path), "came" if battle else "had not come", took))
            # A later walk may have met a moved enemy, the rest of its keys on the battle's buttons: it starts again.
            return battle and took <= WALK_DEADLINE_MS
        self.in_time(attempt, "no battle window in time after a walk onto enemy 20")

    def test_wayland_maximize(self):
        """The player's Wayland session as it comes (the game chooses its platform itself): maximizing the title,
        the battle and the map, by the compositor's shortcut and by the frames' buttons, ends nothing; the battle
        is played to its end and the map's close saves."""
        self.play_to_battle()
        self.maximize_and_back("battle")
        self.weston.keys("alt+h")
        self.weston.keys("alt+r")
        self.await_gone("battle", 5)
        # Down into the healing row, where no enemy comes to start another battle meanwhile.
        self.weston.keys("Down")
        self.maximize_and_back("map")
        self.close_map_and_wait()
        # The heal (200 health for 200 magic) and the healing row's refills since then.
        file = os.path.join(self.program_folder, "Character.chx")
        health = value_between(file, "HPc", 295, 1000, "after healing 200 from 100 and resting in the healing row")
        magic = value_between(file, "MPc", 100, 300, "after a heal for 200 from 300 and resting in the healing row")
        expect_saved(file, files.with_values(files.RETREAT, HPc=health, MPc=magic))

    def await_client_window(self, kind, seconds):
        """A window of the game, its Wayland client or an X11 client of its XWayland (told by its size there); on
        XWayland, its X id."""
        if self.game.platform != "xcb":
            return self.await_window(kind, seconds)
        env = dict(os.environ, DISPLAY=self.weston.xwayland)
        wanted = "Geometry: " + facts.wxh(facts.TITLE_SIZE if kind == "title" else facts.MAP_SIZE)

        def shown():
            self.game.alive("a %s window" % kind)
            for window in output("xdotool", "search", "--onlyvisible", "--pid", str(self.game.pid), env=env).split():
                if wanted in output("xdotool", "getwindowgeometry", window, env=env):
                    return window
            return None
        window = wait_until(shown, seconds, 0.2)
        if not window:
            self.fail("no %s window on XWayland within %d s" % (kind, seconds))
        return window

    def test_wayland_compositor_gone(self):
        """The compositor goes away (killed) while the player rests in the healing row, the game its Wayland client
        and then an X11 client of its XWayland: Qt ends the game at once, but the healing since the start, which no
        save followed, is in the file. Gone in a battle won and not yet left, the win is in the file."""
        for platform in ("wayland", "xcb"):
            if platform != "wayland":
                self.weston = Weston(self.game.new_folder("weston"))
                self.game = Game(self.game.exe, self.tmp, weston=self.weston)
            folder = self.game.new_folder("gone-" + platform)
            file = files.put_character(folder, files.with_values(DEFAULT_CHARACTER, HPc=1))
            self.game.platform = platform
            self.game.start(folder)
            title = self.await_client_window("title", 20)
            if platform == "xcb":
                run("xdotool", "key", "--window", title, "x", env=dict(os.environ, DISPLAY=self.weston.xwayland))
            else:
                self.weston.keys("x")
            self.await_client_window("map", 15)
            # Three enemy phases at least: health comes back in the healing row.
            time.sleep(6)
            os.kill(self.weston.pid, 9)
            rc = self.game.wait_exit(15)
            log("with the compositor gone the game (%s) ended with exit code %d" % (platform, rc))
            health = value_between(file, "HPc", 2, 10, "after resting in the healing row (%s)" % platform)
            expect_saved(file, files.with_values(DEFAULT_CHARACTER, HPc=health))

        self.weston = Weston(self.game.new_folder("weston-battle"))
        self.game = Game(self.game.exe, self.tmp, weston=self.weston)
        self.play_to_battle(files.WINNER)
        # The first blow kills enemy 20; the later ones do nothing.
        self.weston.keys("alt+a", "alt+a", "alt+a")
        time.sleep(1)
        os.kill(self.weston.pid, 9)
        self.game.wait_exit(15)
        file = os.path.join(self.program_folder, "Character.chx")
        # Enemy 20 (strength 1 to 9) hits for at most 3 a turn.
        health = value_between(file, "HPc", 990, 1000, "after the win over enemy 20, the compositor gone")
        expect_saved(file, files.with_values(files.WINNER, HPc=health, R=2))
