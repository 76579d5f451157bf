"""The game played as a player plays it: a first start, hand-written and damaged character files, battles retreated
from, won and lost, the help, the languages, the pip set and the colour symbols, and the map at rest."""

import datetime
import os
import re
import shutil
import subprocess
import time

from . import facts, files
from .case import Scenario
from .display import require
from .files import DEFAULT_CHARACTER, expect_entries, expect_exact, expect_saved, value_between
from .processes import log, run, syscalls, wait_until


def pixels_apart(a, b):
    """How many pixels of two pictures differ."""
    done = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True, text=True)
    text = done.stderr.strip()
    if not re.fullmatch(r"[0-9]+", text):
        raise AssertionError("could not compare %s with %s: %s" % (a, b, text))
    return int(text)


class Play(Scenario):
    """The scenarios of a player at the keyboard on X11."""

    def pips(self):
        """The pip set built beside the game; its pictures as the start squares show them go to symbols-expected.png."""
        pips = os.path.join(os.path.dirname(self.game.exe), "pips")
        if not os.path.isfile(os.path.join(pips, "Enemy_20.bmp")):
            self.fail("no pip set in %s: building the game paints it there" % pips)
        require("import", "convert", "compare")
        run("convert", *[os.path.join(pips, "Enemy_%d.bmp" % i) for i in range(21)],
            os.path.join(pips, "Player_Healing.bmp"), "+append", self.path("symbols-expected.png"))
        return pips

    def path(self, name):
        return os.path.join(self.tmp, name)

    def squares_show(self, positions, shown, expected, seconds=8):
        """Whether the map's squares at POSITIONS, set side by side in SHOWN, come to be EXPECTED (apart: how far)."""
        def shows():
            whole = self.x.picture(self.path("map.png"), self.map_window)
            crops = []
            for x, y in positions:
                crops += ["(", "mpr:shot", "-crop", "16x16+%d+%d" % (facts.MAP_INSIDE[0] + x, facts.MAP_INSIDE[1] + y),
                          "+repage", ")"]
            run("convert", whole, "-write", "mpr:shot", "+delete", *crops, "+append", shown)
            self.apart = pixels_apart(shown, expected)
            return self.apart == 0
        return bool(wait_until(shows, seconds, step=0))

    def test_first_start(self):
        """First start in an empty folder: title, the missing-file message, the map; closing the map leaves the
        default character with its "Saved: " line."""
        folder = self.game.new_folder("first")
        title = self.start_title(folder)
        self.game.expect_size(title, facts.TITLE_SIZE, "the title window")
        x, y, width, height = self.x.geometry(title)
        cx, cy = (self.x.width - width) // 2, (self.x.height - height) // 2
        self.assertTrue(abs(x - cx) <= 2 and abs(y - cy) <= 2,
                        "the title window stands at %d,%d; centred on the %dx%d screen it would be at %d,%d"
                        % (x, y, self.x.width, self.x.height, cx, cy))
        expect_entries(folder, "chromaland")

        self.game.keys(title, "Left", "F2", "Shift_L", "Control_L")
        self.game.none_shown("box map", 1, "a key without a character must not start the game")
        self.assertTrue(self.x.shown(title), "the title window went away after keys without a character")

        self.game.keys(title, "x")
        box = self.game.window("box map", 15)
        self.assertEqual(box.kind, "box", "the map opened without the message that the character file is missing")
        self.expect_over(box, title, "the missing-file message")
        # The title stays up behind the message, and nothing is written before the player has seen it.
        self.assertTrue(self.x.shown(title), "the title window went away while the missing-file message was up")
        expect_entries(folder, "chromaland")

        self.game.keys(box, "Return")
        map_window = self.game.window("map", 15)
        self.game.expect_size(map_window, facts.MAP_SIZE, "the map window")
        self.game.await_hidden(title, 5, "the title window (after the map opened)")
        # The new character is on disk as soon as the map is up.
        expect_exact(os.path.join(folder, "Character.chx"), DEFAULT_CHARACTER)

        self.close_map_and_wait(map_window)
        expect_saved(os.path.join(folder, "Character.chx"), DEFAULT_CHARACTER)
        expect_entries(folder, "chromaland", "Character.chx")

    def test_crafted_file(self):
        """A hand-written character file loads as written and is saved back in normal form: only key lengths count,
        points and levels are whole numbers."""
        folder = self.game.new_folder("crafted")
        file = files.put_character(folder, [
            "XX=7", "DX=12", "WS=12abc", "HPc=15", "HPm=15", "MPc=17", "MPm=17", "pts=2.9",
            "V=2.5", "I=3", "B=4", "G=5", "Y=6", "O=7", "R=18", "Saved: long ago", "trailing junk"])
        original = files.read_bytes(file)
        map_window = self.start_to_map(folder, folder, "space")
        self.assertEqual(files.read_bytes(file), original, "starting the game changed the character file")
        self.close_map_and_wait(map_window)
        expect_saved(file, ["ST=7", "DX=12", "WS=12abc", "HPc=15", "HPm=15", "MPc=17", "MPm=17", "pts=2",
                            "V=2", "I=3", "B=4", "G=5", "Y=6", "O=7", "R=18"])
        expect_entries(folder, "chromaland", "Character.chx")

    def damaged_start(self, name, key, lines):
        """A character file the game cannot load: a message, then exit code 1, the file left exactly as it was."""
        folder = self.game.new_folder(name)
        file = files.put_character(folder, lines)
        original = files.read_bytes(file)
        title, box = self.start_to_box(folder, key, "%s: although the character file is damaged" % name)
        self.assertTrue(self.x.shown(title), "%s: the title window went away behind the error message" % name)
        self.game.keys(box, "Return")
        self.game.expect_exit(1, "%s: the error message" % name)
        self.assertEqual(files.read_bytes(file), original,
                         "%s: the damaged character file was changed\n%s" % (name, files.shown(file)))
        expect_entries(folder, "chromaland", "Character.chx")

    def test_damaged_file(self):
        """A file of fourteen of the fifteen lines, and one whose points are no number, do not load."""
        self.damaged_start("short", "Escape", DEFAULT_CHARACTER[:14])
        self.damaged_start("points", "5", DEFAULT_CHARACTER[:7] + ["pts=abc"] + DEFAULT_CHARACTER[8:])

    def test_battle_retreat(self):
        """Meeting an enemy opens the battle window, which neither Escape nor the window manager's close can end; a
        heal and a retreat bring the battle's health and magic back to the map, and so into the saved file."""
        battle = self.play_to_battle(20, "Return", files.RETREAT)
        map_window = self.map_window
        self.game.expect_size(battle, facts.BATTLE_SIZE, "the battle window")
        owner = self.x.transient_for(battle)
        self.assertEqual(owner, map_window,
                         "the battle window does not belong to the map window (WM_TRANSIENT_FOR is %s)" % owner)
        # Centred on the map, frame on frame (title bars included); twice the centres, so an odd size may be one off.
        fx, fy, fw, fh = self.x.frame_geometry(map_window)
        self.assertGreater(fh, self.x.geometry(map_window)[3], "the window manager put no title bar on the map window")
        mx, my = 2 * fx + fw, 2 * fy + fh
        fx, fy, fw, fh = self.x.frame_geometry(battle)
        bx, by = 2 * fx + fw, 2 * fy + fh
        self.assertTrue(abs(bx - mx) <= 2 and abs(by - my) <= 2,
                        "the battle window's frame is centred at %d,%d, the map window's at %d,%d: it should open "
                        "centred on the map" % (bx // 2, by // 2, mx // 2, my // 2))
        self.assertFalse(self.x.wants_close_button(battle), "the battle window asks for a close button (%s)"
                         % self.x.ask("xprop", "-id", str(battle), "_MOTIF_WM_HINTS").strip())

        self.game.keys(battle, "Escape")
        self.game.stays_shown(battle, 1, "the battle window (after Escape)")
        self.x.close(battle)
        self.game.stays_shown(battle, 1, "the battle window (after the window manager's close)")
        self.assertTrue(self.x.shown(map_window), "the map window went away during the battle")

        self.game.keys(battle, "alt+h")
        self.retreat(battle)
        self.assertTrue(self.x.shown(map_window), "the map window is gone after the retreat")

        self.close_map_and_wait(map_window)
        file = os.path.join(self.program_folder, "Character.chx")
        # The heal is the smallest of the missing 900, the 300 magic and Wisdom 200: 100 + 200 = 300 health, 300 - 200
        # = 100 magic. The enemy's answer (enemy 20, strength 8 to 12) takes off at most 5 if it hits.
        health = value_between(file, "HPc", 295, 300, "after healing 200 from 100 (and at most one enemy hit)")
        expect_saved(file, files.with_values(files.RETREAT, HPc=health, MPc=100))

    def test_battle_win(self):
        """A kill, then Retreat: the violet bar grows to 18 (full, but it wraps only on the next win, so no points
        yet)."""
        battle = self.play_to_battle(0, "1", files.WINNER)
        # Once the enemy is dead Attack is gone and further presses do nothing; eight blows make the kill certain.
        for _ in range(8):
            self.game.keys(battle, "alt+a")
        self.assertTrue(self.x.shown(battle), "the battle window closed during the attacks")
        self.retreat(battle)
        self.close_map_and_wait(self.map_window)
        file = os.path.join(self.program_folder, "Character.chx")
        # Enemy 0 (strength 48 to 52) hits for at most 25, in at most 8 turns.
        health = value_between(file, "HPc", 800, 1000, "after the win over enemy 0")
        expect_saved(file, files.with_values(files.WINNER, HPc=health, V=18))

    def test_battle_death(self):
        """Death: "You have died.", then the character is saved and moved to a time-stamped archive in the working
        folder (not the program's), and the game ends. Its record ends the history of the fallen, every earlier line
        kept; at the next start F3 on the title shows it at the top of the hall, and Ctrl+C there copies it."""
        battle = self.play_to_battle(0, "BackSpace", files.LOSER, lambda folder: files.put_history(
            folder, files.EARLIER_FALLEN), separate=True)
        program_file = os.path.join(self.program_folder, "Character.chx")
        original = files.read_bytes(program_file)
        before = int(time.time())
        box, attacks = self.attack_until_death_box(battle)
        log("the death message is up after %d attack(s)" % attacks)
        self.assertEqual(self.x.transient_for(box), battle, "the death message does not belong to the battle window")
        self.assertEqual(files.read_bytes(program_file), original,
                         "the character file changed before the death message was answered")

        self.game.keys(box, "Return")
        self.game.expect_exit(0, "the death")
        after = int(time.time())

        expect_entries(self.program_folder, "chromaland", files.HISTORY)
        name = self.archive()
        expect_entries(self.working_folder, name)
        found = re.fullmatch(r"Dead_(\d{2})\.(\d{2})\.(\d{2})_(\d{2})\.(\d{2})\.(\d{4})\.txt", name)
        self.assertIsNotNone(found, "the archive is named %s, expected Dead_hh.mm.ss_dd.mm.yyyy.txt" % name)
        stamp = subprocess.run(["date", "-d", "{5}-{4}-{3} {0}:{1}:{2}".format(*found.groups()), "+%s"],
                               capture_output=True, text=True, env=dict(os.environ, TZ=os.environ.get("TZ", "UTC")))
        self.assertEqual(stamp.returncode, 0, "the archive name %s holds no valid date and time" % name)
        stamp = int(stamp.stdout)
        self.assertTrue(before - 1 <= stamp <= after + 1,
                        "the archive name %s gives %s, not the moment of death (between %s and %s)"
                        % (name, time.ctime(stamp), time.ctime(before), time.ctime(after)))
        self.expect_dead(self.working_folder, name)
        self.fallen_at_the_top(name, before, after)

    def fallen_at_the_top(self, archive, before, after):
        """The death's record ends the history, and the hall shows it at its top."""
        history = os.path.join(self.program_folder, files.HISTORY)
        written = files.read_bytes(history)
        earlier = files.EARLIER_FALLEN
        self.assertTrue(written.startswith(earlier) and written.count(b"\n") == earlier.count(b"\n") + 1,
                        "the history should be the earlier one and one more line:\n%r" % written)
        records, _ = files.history_records(history)
        fallen = records[-1]
        log("the record of the death: %r" % fallen)
        died = datetime.datetime.fromisoformat(fallen["died"].replace("Z", "+00:00"))
        self.assertIsNotNone(died.tzinfo, "the moment of death %s has no offset from UTC" % fallen["died"])
        self.assertTrue(before - 1 <= died.timestamp() <= after + 1, "died at %s, not between the start and the "
                        "end of the death" % fallen["died"])
        # Nine points below the default in four statistics, ten in Magic: -46 earned.
        expected = {"archive": archive, "ST": "1", "DX": "1", "WS": "1", "HPm": "1", "MPm": "0", "pts": "0", "V": "1",
                    "R": "1", "earned": "-46", "killer": "violet"}
        self.assertEqual({k: fallen[k] for k in expected}, expected)
        self.assertTrue(48 <= int(fallen["strength"]) <= 52, "enemy 0's strength is %s" % fallen["strength"])
        self.assertIn("Enemy hits you by +", fallen["lines"])

        title = self.start_title(self.program_folder, self.working_folder)
        self.game.keys(title, "F3")
        hall = self.game.window("hall", 10)
        self.assertEqual(self.x.transient_for(hall), title, "the hall does not belong to the title")
        self.game.keys(hall, "Return", "ctrl+c")
        copied = wait_until(lambda: self.x.ask("xclip", "-o", "-selection", "clipboard") or None, 5)
        log("Ctrl+C in the hall copied:\n%s" % copied)
        self.assertIsNotNone(copied, "Ctrl+C in the hall put nothing on the clipboard")
        self.assertIn("Archive: " + archive, copied, "the top row of the hall is not the character that just died")
        self.assertIn("Points earned: -46", copied)
        self.escape(hall, "the hall")
        self.assertTrue(self.x.shown(title), "the title went away with the hall")
        self.game.kill()

    def open_help(self, window, what):
        """F1 opens the help over the window, which stays; Escape closes it and gives the window the keyboard back."""
        self.game.keys(window, "F1")
        help_window = self.game.window("help", 5)
        self.assertTrue(self.x.shown(window), "%s went away when the help opened" % what)
        owner = self.x.transient_for(help_window)
        self.assertEqual(owner, window, "the help does not belong to %s (WM_TRANSIENT_FOR is %s)" % (what, owner))
        x, y, w, h = self.x.geometry(help_window)
        self.assertTrue(x >= 0 and y >= 0 and x + w <= self.x.width and y + h <= self.x.height,
                        "the help (%dx%d at %d,%d) does not fit the %dx%d screen"
                        % (w, h, x, y, self.x.width, self.x.height))
        self.escape(help_window, "the help")
        self.await_focus(window, 3, "%s did not get the keyboard back when the help closed" % what)

    def test_help(self):
        """F1 opens the help on the title (without starting the game), on the map and in a battle; Escape closes
        it, and the arrows move the player at once."""
        def helped(title):
            self.open_help(title, "the title window")
            self.game.none_shown("box map", 1, "F1 must not start the game")
            map_window = self.leave_title(title, "Return")
            self.open_help(map_window, "the map window")
            return map_window
        battle = self.play_to_battle(20, None, files.RETREAT, on_title=helped)
        self.open_help(battle, "the battle window")
        self.retreat(battle)
        self.close_map_and_wait(self.map_window)

    def play_in_language(self, language, prefix):
        """A first start in LANGUAGE ("" for English) to a battle and back; pictures and saved file kept as PREFIX-*."""
        self.game.env = {"LANGUAGE": language} if language else {}
        title = files.translation_of(language, "frmBattleControl", "Battle Control") if language else "Battle Control"
        self.assertTrue(title, "no translation of the battle window's title in the %s catalogue" % language)
        self.game.battle_title = title

        def through_box(title):
            self.game.keys(title, "x")
            box = self.game.window("box map", 15)
            self.assertEqual(box.kind, "box", "the map opened without the message that the character file is missing")
            self.x.picture(prefix + "-box.png", box)
            self.game.keys(box, "Return")
            map_window = self.game.window("map", 15)
            self.game.expect_size(map_window, facts.MAP_SIZE, "the map window")
            return map_window
        battle = self.play_to_battle(20, None, None, on_title=through_box)
        self.game.expect_size(battle, facts.BATTLE_SIZE, "the battle window")
        self.x.picture(prefix + "-map.png", self.map_window)
        self.x.picture(prefix + "-battle.png", battle)
        self.retreat(battle)
        self.close_map_and_wait(self.map_window)
        shutil.copy(os.path.join(self.program_folder, "Character.chx"), prefix + "-Character.chx")

    def language(self, language):
        """The box, the map and the battle in a desktop's language differ from English's; the file saved does not."""
        english, translated = self.path("en"), self.path(language)
        self.play_in_language("", english)
        self.play_in_language(language, translated)
        # Parts with texts and nothing that moves: the whole box, the map's statistics, the battle's buttons and texts.
        for picture, crop, what in (("box", "", "the missing-file box"),
                                    ("map", "[193x185+8+24]", "the map's statistics"),
                                    ("battle", "[473x361+8+24]", "the battle's texts")):
            differing = pixels_apart(*["%s-%s.png%s" % (prefix, picture, crop) for prefix in (english, translated)])
            self.assertGreater(differing, 0, "%s in %s looks exactly as it does in English" % (what, language))
            log("%s in %s: %d pixels differ from English" % (what, language, differing))
        head = [files.read_bytes(p + "-Character.chx").split(b"\n")[:15] for p in (english, translated)]
        self.assertEqual(head[0], head[1], "the character saved in %s differs from the one saved in English" % language)
        expect_saved(translated + "-Character.chx", DEFAULT_CHARACTER)

    def test_language_de(self):
        """German: the texts are German, the windows and the saved file as in English."""
        self.language("de")

    def test_language_ar(self):
        """Arabic reads right to left inside the controls; the map, the arrow keys (the walk goes up and right) and
        the windows stay as they are."""
        self.language("ar")

    def test_pip_pictures(self):
        """The pip set that the build paints beside the program, copied into the Graphics folder as a player would:
        right after start-up every enemy shows its own picture on its start square and the player the healing
        picture in the healing row, pixel for pixel; one square up, the player shows Player.bmp."""
        pips = self.pips()

        # The first pictures may come before the map is drawn; after the enemies' first step they can no longer match.
        def attempt(_):
            folder = self.game.new_folder("pips")
            shutil.copytree(pips, os.path.join(folder, "Graphics"), ignore=lambda d, names: [
                n for n in names if not n.endswith(".bmp")])
            files.put_character(folder)
            self.map_window = self.start_to_map(folder, folder, "space")
            return self.start_squares_show("symbols")
        self.in_time(attempt, lambda: "the map never showed the pip set on the start squares: %s pixels differ "
                     "(shown: %s, expected: %s, left to right enemies 0 to 20, then the player)"
                     % (self.apart, self.path("symbols-shown.png"), self.path("symbols-expected.png")))

        self.game.keys(self.map_window, "Up")
        up = [(facts.PLAYER_START[0], facts.PLAYER_START[1] - facts.SQUARE)]
        if not self.squares_show(up, self.path("up-shown.png"), os.path.join(pips, "Player.bmp"), 5):
            self.fail("one square up, the player does not show Player.bmp: %s pixels differ (%s)"
                      % (self.apart, self.path("up-shown.png")))
        self.close_map_and_wait(self.map_window)

    def start_squares_show(self, pictures):
        """Whether the start squares show PICTURES-expected.png (the squares shown left as PICTURES-shown.png)."""
        if self.squares_show(facts.ENEMY_STARTS + [facts.PLAYER_START], self.path(pictures + "-shown.png"),
                             self.path(pictures + "-expected.png")):
            return True
        log("%s pixels differ on the start squares" % self.apart)
        return False

    def f2_switches(self, folder, before, after):
        """On a map just shown, the start squares show BEFORE ("plain" or "symbols") and after F2 AFTER."""
        self.map_window = self.start_to_map(folder, folder, "space")
        if not self.start_squares_show(before):
            return False
        self.game.keys(self.map_window, "F2")
        return self.start_squares_show(after)

    def test_colour_symbols(self):
        """With no Graphics folder, F2 on the map puts the built-in pip set on every enemy and the player at once; the
        next start shows it again, and F2 brings the plain squares back; the settings say which, and nothing else is
        written beside the program. The map with the symbols goes to CHROMALAND_SCREENSHOTS/pips-map.png if set."""
        pips = self.pips()
        settings = self.game.settings_file()
        # A plain square is its symbol's corner pixel, the group's colour, all over.
        plain = []
        for i in range(21):
            plain += ["(", os.path.join(pips, "Enemy_%d.bmp" % i), "-crop", "1x1+0+0", "-scale", "16x16", ")"]
        run("convert", *plain, "-size", "16x16", "xc:white", "+append", self.path("plain-expected.png"))

        # Each check must see the enemies on their start squares; too slow, an attempt starts again with no settings.
        def plain_then_symbols(_):
            shutil.rmtree(os.path.dirname(settings), ignore_errors=True)
            self.program_folder = self.game.new_folder("symbols")
            files.put_character(self.program_folder)
            return self.f2_switches(self.program_folder, "plain", "symbols")
        self.in_time(plain_then_symbols, lambda: "F2 did not show the pip set on the start squares: %s pixels differ "
                     "(shown: %s, expected: %s)" % (self.apart, self.path("symbols-shown.png"),
                                                    self.path("symbols-expected.png")))
        folder = self.program_folder
        if os.environ.get("CHROMALAND_SCREENSHOTS"):
            shutil.copy(self.path("map.png"), os.path.join(os.environ["CHROMALAND_SCREENSHOTS"], "pips-map.png"))
        self.close_map_and_wait(self.map_window)
        self.expect_setting("ColourSymbols=true", "the symbols on")
        expect_entries(folder, "Character.chx", "chromaland")

        def symbols_then_plain(number):
            if number > 1:
                self.put_settings("[Map]\nColourSymbols=true\n")
            return self.f2_switches(folder, "symbols", "plain")
        self.in_time(symbols_then_plain, lambda: "a new start did not show the pip set, or F2 did not take it away: %s "
                     "pixels differ (shown: %s and %s)" % (self.apart, self.path("symbols-shown.png"),
                                                           self.path("plain-shown.png")))
        self.close_map_and_wait(self.map_window)
        self.expect_setting("ColourSymbols=false", "the symbols off")

    def test_at_rest(self):
        """At rest on the map a tick waits for no reply from the X server: one that waited for the server to read its
        last picture would show as one read a tick (strace). The start does not wait for the system's fonts: they
        are read on a thread of their own while the title is built and mapped."""
        require("strace")
        seconds = 3
        ticks = seconds * 1000 // facts.TICK_MS
        folder = self.game.new_folder("rest")
        files.put_character(folder)
        # Qt names each font it reads, here with the thread that reads it.
        self.game.env = {"QT_LOGGING_RULES": "qt.text.font.db.debug=true",
                         "QT_MESSAGE_PATTERN": "%{threadid} %{message}"}
        map_window = self.start_to_map(folder, folder, "space")
        with open(self.game.log, errors="replace") as f:
            output = f.read()
        reader = next((line.split()[0] for line in output.splitlines() if " Adding font: " in line), None)
        self.assertIsNotNone(reader, "the game's output names no font read: %s" % output.splitlines()[:3])
        self.assertNotEqual(reader, str(self.game.pid),
                            "the fonts were read on the user-interface thread, which the title's first picture then "
                            "waits for")
        time.sleep(1)
        reads = syscalls(self.game.pid, seconds, self.path("rest.strace")).get("recvmsg", 0)
        log("at rest over %d s (about %d ticks): %d reads from the X server" % (seconds, ticks, reads))
        self.assertLess(reads * 4, ticks, "at rest the game read %d times from the X server in %d s, about %d ticks: "
                        "a tick waits for the server" % (reads, seconds, ticks))
        self.close_map_and_wait(map_window)
