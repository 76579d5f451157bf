"""Fault scenarios: the real game on a full disk, in folders it may not write, killed or signalled around its saves (its
history's too), with windows closed it never meant to be closed, under an Arabic locale, with odd character files. Parts
needing root (a small tmpfs, the game run as another user) run only as root; otherwise a scenario says what it ran."""

import contextlib
import os
import random
import re
import shutil
import signal
import stat
import subprocess
import threading
import time

from . import facts, files
from .case import Scenario, now_ms
from .display import require
from .files import DEFAULT_CHARACTER, FAULT_ORIGINAL, FAULT_SAVED, expect_entries, expect_exact, expect_saved
from .processes import cpu_ms, log, run, wait_until
from .session import SessionManager

# Root may write anywhere, which would hide every permission fault: as root the scenarios run the game as this user
# where a permission matters.
ROOT = os.getuid() == 0
UNPRIVILEGED = "nobody"
# The name a save's new content has from the moment it is whole until it replaces the character file.
PENDING = "Character.chx.saving"
# What ends a game from outside: a shutdown or a logout, a closed terminal, Ctrl+C.
END_SIGNALS = (signal.SIGTERM, signal.SIGHUP, signal.SIGINT)
# The fault character as written, and after one point spent on Strength.
ORIGINAL = files.lines_bytes(FAULT_ORIGINAL)
POINT_SAVED = files.with_values(FAULT_SAVED, ST=13, pts=1)


def chx(folder):
    return os.path.join(folder, "Character.chx")


def pending(folder):
    return os.path.join(folder, PENDING)


def kill_9(pid):
    with contextlib.suppress(ProcessLookupError):
        os.kill(pid, 9)


def has_open_in(pid, folder):
    fds = "/proc/%d/fd" % pid
    try:
        return any(os.readlink(os.path.join(fds, fd)).startswith(folder + "/") for fd in os.listdir(fds))
    except OSError:
        return False


def text_of(path):
    """The file's text; "" while it cannot be read."""
    try:
        with open(path, errors="replace") as f:
            return f.read()
    except OSError:
        return ""


class Faults(Scenario):
    """The game's saves and ends under faults from outside it."""

    def expect_bytes(self, path, content, what=None):
        self.assertEqual(files.read_bytes(path), content, what)

    def expect_saved_alone(self, folder, lines=FAULT_SAVED):
        """The folder's character was saved as LINES, and nothing but it lies beside the game."""
        expect_saved(chx(folder), lines)
        expect_entries(folder, "chromaland", "Character.chx")

    def as_unprivileged(self, folders, owned=()):
        """As root: the game runs as UNPRIVILEGED, who reaches the scenario's folders and FOLDERS and owns OWNED."""
        if ROOT:
            for folder in (self.root, self.tmp) + tuple(folders):
                os.chmod(folder, 0o755)
            for path in owned:
                shutil.chown(path, UNPRIVILEGED)
            self.game.user = UNPRIVILEGED

    def on_map(self, name):
        """A fresh folder with the fault character, the game started there up to its map: (folder, file, map)."""
        folder = self.game.new_folder(name)
        file = files.put_character(folder, FAULT_ORIGINAL)
        return folder, file, self.start_to_map(folder, folder, "space")

    def healed_battle(self):
        """A battle of the healer, one heal of 200 done in it."""
        battle = self.play_to_battle(20, "Return", files.RETREAT)
        self.game.keys(battle, "alt+h")
        return battle

    def won_battle(self):
        """A battle of the winner after eight blows, which make the kill certain (test_battle_win)."""
        battle = self.play_to_battle(0, "1", files.WINNER)
        for _ in range(8):
            self.game.keys(battle, "alt+a")
        return battle

    def expect_save_failure_box(self):
        """The box that says the character could not be saved is up; answering it ends the game with exit code 1."""
        self.game.keys(self.game.window("box", 10), "Return")
        self.game.expect_exit(1, "the save-failure message", seconds=10)

    def small_disk(self, folder):
        """A tmpfs on the folder with room for the game and a little more, the game in it, unmounted at the end."""
        self.size_kb = os.path.getsize(self.game.exe) // 1024 + 256
        run("mount", "-t", "tmpfs", "-o", "size=%dk,mode=755" % self.size_kb, "chromaland-full", folder)
        self.addCleanup(subprocess.run, ["umount", "-l", folder], capture_output=True)
        shutil.copy(self.game.exe, os.path.join(folder, "chromaland"))
        return folder

    def fill_disk(self, folder):
        """Fills the disk to its last byte; nothing more can be written."""
        subprocess.run("cat /dev/zero >filler", shell=True, cwd=folder, capture_output=True)
        with self.assertRaises(OSError, msg="the tmpfs at %s still takes bytes after filling" % folder):
            with open(os.path.join(folder, "filler"), "ab", buffering=0) as f:
                f.write(b"x")
        log("the disk at %s is full: %d bytes free" % (folder, shutil.disk_usage(folder).free))

    def test_full_disk(self):
        """Closing the map on a full disk keeps the old file and says so (exit 1); a first start on a full disk leaves
        no file behind."""
        if not ROOT:
            log("RAN: nothing: not root, a tmpfs cannot be mounted, so the full disk is not tried (run as root for it)")
            return
        log("closing the map on a full disk")
        folder = self.small_disk(self.game.new_folder("fulldisk"))
        file = files.put_character(folder, FAULT_ORIGINAL)
        self.fill_disk(folder)
        self.x.close(self.start_to_map(folder, folder, "space"))
        self.expect_save_failure_box()
        self.expect_bytes(file, ORIGINAL, "the character file changed on the full disk\n" + files.shown(file))
        expect_entries(folder, "chromaland", "Character.chx", "filler")

        log("a first start on a full disk")
        folder = self.small_disk(self.game.new_folder("fullfirst"))
        self.fill_disk(folder)
        self.game.keys(self.start_to_box(folder)[1], "Return")      # "Character file could not be found"
        box = self.game.window("box map", 10)
        self.assertEqual(box.kind, "box", "the map opened although no character could be written")
        self.game.keys(box, "Return")
        self.game.expect_exit(1, "the first start on a full disk", seconds=10)
        expect_entries(folder, "chromaland", "filler")
        log("RAN: full disk at closing and at a first start (tmpfs of %d KiB)" % self.size_kb)

    def hold_rename(self, act, path=None, what="the save's rename"):
        """Calls act() with strace holding every rename (of PATH, when given) a minute before it happens, and so a
        save at its last step; returns the trace once a rename has begun."""
        require("strace")
        # Named by the game's process: a trace of an earlier game in the scenario must not count.
        trace = os.path.join(self.tmp, "renames%d.strace" % self.game.pid)
        errors = trace + ".err"
        renames = "rename,renameat,renameat2"
        self.tracer = self.game.processes.start(
            ["strace", "-qq", "-f", "-p", str(self.game.pid), "-o", trace, "-e", "trace=" + renames,
             "-e", "inject=%s:delay_enter=60000000" % renames] + (["-P", path] if path else []), log_file=errors)
        status = "/proc/%d/status" % self.game.pid
        if not wait_until(lambda: re.search(r"^TracerPid:\s+[1-9]", text_of(status), re.M), 10):
            self.fail("strace could not attach to the game: " + text_of(errors))
        act()
        if not wait_until(lambda: re.search(r"^\d* *rename", text_of(trace), re.M), 15, 0.02):
            self.fail("%s was never reached within 15 s" % what)
        return trace

    def kill_at_held_rename(self, act, path=None, what="the save's rename"):
        self.hold_rename(act, path, what)
        # The game is gone at once; its end reaches us once strace lets go.
        kill_9(self.game.pid)
        self.game.processes.stop(self.tracer)
        self.game.process.wait(10)

    def kill_before_rename(self):
        """A kill between a save's new file and its rename, at a close and at a first start, leaves the old file (or
        none) whole; the next start removes the new file."""
        folder, file, map_window = self.on_map("held")
        self.kill_at_held_rename(lambda: self.x.close(map_window, check=False))
        self.expect_bytes(file, ORIGINAL, "a kill before the rename changed the old file")
        expect_entries(folder, "chromaland", "Character.chx", PENDING)
        expect_saved(pending(folder), FAULT_SAVED)
        map_window = self.start_to_map(folder, folder, "space")
        expect_entries(folder, "chromaland", "Character.chx")
        self.game.close_and_wait(map_window, 10)
        self.expect_saved_alone(folder)

        folder = self.game.new_folder("heldfirst")
        box = self.start_to_box(folder)[1]
        self.kill_at_held_rename(lambda: self.game.keys(box, "Return"))
        expect_entries(folder, "chromaland", PENDING)
        expect_exact(pending(folder), DEFAULT_CHARACTER)
        box = self.start_to_box(folder)[1]
        expect_entries(folder, "chromaland")
        self.game.keys(box, "Return")
        self.game.close_and_wait(self.game.window("map", 15), 10)
        expect_entries(folder, "chromaland", "Character.chx")

    def kill_at_random_moments(self, name, rounds, kinds):
        """Kills the game at a random moment of each round, the rounds' KINDS in turn: just after a close of the map
        (close), during that save (midsave), the answer to the first start's message (first) or a point spent (point).
        Returns the counts of judge_kill."""
        counts = dict.fromkeys(("killed", "old", "new", "none", "whole", "midsave", "pending"), 0)
        folder = self.game.new_folder(name)
        for round_ in range(1, rounds + 1):
            kind = kinds[round_ % len(kinds)]
            if os.path.exists(chx(folder)):
                os.remove(chx(folder))
            if kind == "first":
                box = self.start_to_box(folder)[1]
                expect_entries(folder, "chromaland")
                self.x.focus(box)
            else:
                files.put_character(folder, FAULT_ORIGINAL)
                map_window = self.start_to_map(folder, folder, "space")
                expect_entries(folder, "chromaland", "Character.chx")
                if kind == "point":
                    self.game.keys(map_window, "Tab")
            pid = self.game.pid
            midsave = []

            def killer():
                if kind == "midsave":
                    # The save follows the close within a few milliseconds.
                    midsave.append(wait_until(lambda: has_open_in(pid, folder), 5, 0))
                else:
                    # The first start's write follows the key after xdotool has started.
                    time.sleep(random.randrange(60000 if kind == "first" else 30000) / 1e6)
                kill_9(pid)
            thread = threading.Thread(target=killer)
            thread.start()
            if kind in ("close", "midsave"):
                self.x.close(map_window, check=False)
            else:
                self.x.tool("xdotool", "key", "--clearmodifiers", "Return" if kind == "first" else "space")
            thread.join()
            counts["midsave"] += any(midsave)
            kill_9(pid)
            counts["killed"] += self.game.process.wait(10) == -9
            self.judge_kill(folder, kind, counts)
        return counts

    def judge_kill(self, folder, kind, counts):
        """After a kill the character file is the old or the whole new one (or none at a first start), beside it at
        most the whole new file under its pending name. Counts which."""
        file, new_file = chx(folder), pending(folder)
        first = kind == "first"
        expect_new, new = (expect_exact, DEFAULT_CHARACTER) if first else \
            (expect_saved, POINT_SAVED if kind == "point" else FAULT_SAVED)
        if first and not os.path.exists(file):
            counts["none"] += 1
        elif not first and os.path.exists(file) and files.read_bytes(file) == ORIGINAL:
            counts["old"] += 1
        else:
            expect_new(file, new)
            counts["whole" if first else "new"] += 1
        # Nothing half-written lies about either.
        if os.path.exists(new_file):
            counts["pending"] += 1
            expect_new(new_file, new)
        expect_entries(folder, "chromaland", *[os.path.basename(p) for p in (file, new_file) if os.path.exists(p)])

    def kill_before_rename_in_play(self):
        """The saves after a point, a retreat that changed health and magic, and a win, each killed in its last
        instant: the old file is left whole, the new one whole beside it until the next start."""
        folder, file, map_window = self.on_map("heldpoint")
        self.game.keys(map_window, "Tab")
        self.kill_at_held_rename(lambda: self.game.keys(map_window, "space"))
        self.expect_bytes(file, ORIGINAL, "a kill before the rename changed the old file")
        expect_saved(pending(folder), POINT_SAVED)
        self.start_to_map(folder, folder, "space")
        expect_entries(folder, "chromaland", "Character.chx")
        self.game.kill()

        battle = self.healed_battle()
        self.kill_at_held_rename(lambda: self.game.keys(battle, "alt+r"))
        self.expect_bytes(chx(self.program_folder), files.lines_bytes(files.RETREAT),
                          "a kill before the rename changed the old file")
        health = files.value_between(pending(self.program_folder), "HPc", 295, 300,
                                     "after a heal of 200 (and at most one enemy hit)")
        expect_saved(pending(self.program_folder), files.with_values(files.RETREAT, HPc=health, MPc=100))

        battle = self.won_battle()
        self.kill_at_held_rename(lambda: self.game.keys(battle, "alt+r"))
        health = files.value_between(pending(self.program_folder), "HPc", 800, 1000, "after the win")
        expect_saved(pending(self.program_folder), files.with_values(files.WINNER, HPc=health, V=18))
        expect_entries(self.program_folder, "chromaland", "Character.chx", PENDING)

    def test_kill_during_save(self):
        """The game killed (-9) in the middle of its saves, at held renames and at random moments: the character file
        is always the old one or the whole new one, never anything between."""
        self.kill_before_rename()
        log("RAN: killed before the rename at a closing and at a first start; each time the next start removed "
            "the new file")
        rounds = int(os.environ.get("KILL_ROUNDS", "30"))
        # Round 1 closes, round 2 closes and is killed mid-save, round 3 is a first start.
        counts = self.kill_at_random_moments("kills", rounds, ("first", "close", "midsave"))
        log("RAN: %d rounds of a close, a close killed mid-save and a first start in turn; outcomes (old or new file "
            "after a close, none or whole after a first start, a pending file beside it): %s" % (rounds, counts))
        self.kill_before_rename_in_play()
        log("RAN: killed before the rename of the saves after a point, a changed retreat and a win")
        counts = self.kill_at_random_moments("pointkills", rounds // 3, ("point",))
        log("RAN: %d rounds killed just after a point: %s" % (rounds // 3, counts))

    def end_by_signal(self, number, where, *more):
        """Sends NUMBER and at once MORE, as a logout sends them; the game ends with 0."""
        for sent in (number,) + more:
            os.kill(self.game.pid, sent)
        names = "+".join(signal.Signals(n).name for n in (number,) + more)
        self.game.expect_exit(0, "%s in %s" % (names, where), seconds=10)

    def test_ended_by_signal(self):
        """SIGTERM, SIGHUP and SIGINT (and SIGTERM with SIGHUP at once, as a logout sends them) end the game with 0
        and leave the folder as closing the map would: nothing written before the map, the character saved after."""
        for number in END_SIGNALS:
            folder = self.game.new_folder("title")
            file = files.put_character(folder, FAULT_ORIGINAL)
            self.start_title(folder)
            self.end_by_signal(number, "the title")
            expect_exact(file, FAULT_ORIGINAL)
            expect_entries(folder, "chromaland", "Character.chx")

            folder = self.game.new_folder("box")
            self.start_to_box(folder)
            self.end_by_signal(number, "the first start's message")
            expect_entries(folder, "chromaland")

            for window, key in (("map", None), ("help", "F1"), ("hall", "F3")):
                folder, file, map_window = self.on_map(window)
                if key:
                    self.game.keys(map_window, key)
                    self.game.window(window, 10)
                self.end_by_signal(number, "the " + window)
                self.expect_saved_alone(folder)
        log("RAN: SIGTERM, SIGHUP and SIGINT on the title, the first start's message, the map, the help and the hall")
        folder, file, _ = self.on_map("burst")
        self.end_by_signal(signal.SIGTERM, "the map", signal.SIGHUP)
        self.expect_saved_alone(folder)
        log("RAN: SIGTERM and SIGHUP at once on the map")
        self.second_signal_during_save()

    def second_signal_during_save(self):
        """A second signal while the first one's save is held at its rename, later than the first one's burst, ends
        the game at once: the old file whole, the new one whole beside it until the next start."""
        folder, file, _ = self.on_map("second")
        sent = []

        def first_signal():
            sent.append(time.monotonic())
            os.kill(self.game.pid, signal.SIGTERM)
        trace = self.hold_rename(first_signal)
        time.sleep(max(0.0, sent[0] + facts.END_BURST_S + 0.5 - time.monotonic()))
        os.kill(self.game.pid, signal.SIGHUP)
        # The game ends while its rename is still held; that end reaches us once strace lets go, and the rename never
        # happens.
        delivered = wait_until(lambda: "SIGHUP" in text_of(trace), 5, 0.02)
        self.game.processes.stop(self.tracer)
        self.assertTrue(delivered, "the second signal never reached the game")
        self.game.expect_exit(128 + signal.SIGHUP, "a second signal during the save", seconds=10)
        self.expect_bytes(file, ORIGINAL, "the second signal changed the old file")
        expect_saved(pending(folder), FAULT_SAVED)
        log("RAN: a second signal during the save ended the game at once with %d" % (128 + signal.SIGHUP))

    def test_ended_by_signal_in_battle(self):
        """In a battle still under way each signal saves the character as it stood before the battle (a heal in it is
        lost) and ends with 0. In a battle already won, its help open over it, the win is kept: the bar grown, then
        saved and 0. At "You have died." the death goes on to its end: the archive, then 0."""
        for number in END_SIGNALS:
            battle = self.healed_battle()
            self.end_by_signal(number, "a battle")
            self.expect_saved_alone(self.program_folder, files.RETREAT)
        battle = self.won_battle()
        self.game.keys(battle, "F1")
        self.game.window("help", 10)
        self.end_by_signal(signal.SIGTERM, "a battle won, its help open")
        health = files.value_between(chx(self.program_folder), "HPc", 800, 1000, "after the win over enemy 0")
        self.expect_saved_alone(self.program_folder, files.with_values(files.WINNER, HPc=health, V=18))
        battle = self.play_to_battle(0, "Return", files.LOSER, separate=True)
        self.attack_until_death_box(battle)
        self.end_by_signal(signal.SIGTERM, "the death's message")
        self.archive()
        expect_entries(self.program_folder, "chromaland", files.HISTORY)
        log("RAN: SIGTERM, SIGHUP and SIGINT in a battle; SIGTERM in a battle won, its help open; SIGTERM at the "
            "death's message")

    def test_session_end(self):
        """A session manager (XSMP) asks the game to save, at a checkpoint and before a logout, then tells it to die,
        as a desktop does at a logout. Each save request saves the character and the game plays on; the end saves it
        again and ends with 0. In a battle the character is saved as it was before the battle."""
        manager = SessionManager()
        self.addCleanup(manager.stop)
        self.game.env["SESSION_MANAGER"] = manager.address
        folder, file, _ = self.on_map("session")
        manager.await_client(10)
        for shutdown, request in ((False, "a checkpoint"), (True, "a logout's save")):
            manager.save(shutdown)
            expect_saved(file, FAULT_SAVED)
            self.assertTrue(self.game.running(), "the game ended at " + request)
            os.remove(file)
        manager.die()
        self.game.expect_exit(0, "the session's end", seconds=10)
        self.expect_saved_alone(folder)

        # The game registers as it starts, long before a battle can open.
        battle = self.healed_battle()
        manager.save(shutdown=True)
        manager.die()
        self.game.expect_exit(0, "the session's end in a battle", seconds=10)
        expect_saved(chx(self.program_folder), files.RETREAT)
        log("RAN: a checkpoint and a logout's save on the map, the session's end on the map and in a battle")

    def readonly_start(self, name, writable):
        """A program folder read-only for the game, the fault character in it and its map closed; returns the folder."""
        folder = self.game.new_folder(name)
        shutil.copy(self.game.exe, os.path.join(folder, "chromaland"))
        file = files.put_character(folder, FAULT_ORIGINAL)
        self.as_unprivileged([folder], [file] if writable else [])
        if not writable:
            os.chmod(file, 0o444)
        os.chmod(folder, 0o555)
        self.addCleanup(os.chmod, folder, 0o755)
        self.x.close(self.start_to_map(folder, folder, "space"))
        return folder

    def test_readonly_program_folder(self):
        """A read-only program folder: a writable Character.chx is saved in place (exit 0); a read-only one is kept as
        it was, with the message (exit 1)."""
        folder = self.readonly_start("readonly", writable=True)
        self.game.expect_exit(0, "closing with a writable Character.chx in a read-only folder", seconds=10)
        self.expect_saved_alone(folder)

        folder = self.readonly_start("readonlyfile", writable=False)
        self.expect_save_failure_box()
        self.expect_bytes(chx(folder), ORIGINAL, "the read-only character file changed")
        expect_entries(folder, "chromaland", "Character.chx")
        log("RAN: read-only program folder with a writable and a read-only Character.chx, the game run as %s"
            % ("%s (tests run as root)" % UNPRIVILEGED if ROOT else os.environ.get("USER", os.getuid())))

    def test_unwritable_working_folder(self):
        """The character dies while the working folder, where its archive goes, is read-only: the file is saved in the
        program folder, the player is told the archive failed, and the game ends with exit code 1."""
        def setup(folder):
            self.as_unprivileged([folder, self.working_folder], [folder, chx(folder)])
            os.chmod(self.working_folder, 0o555)

        battle = self.play_to_battle(0, "Return", files.LOSER, setup, separate=True)
        death_box, _ = self.attack_until_death_box(battle)
        self.game.keys(death_box, "Return")
        box = wait_until(lambda: (lambda b: b if b and b != death_box else None)(self.game.find("box", 1)), 10)
        self.assertIsNotNone(box, "no message that the archive could not be made")
        self.game.keys(box, "Return")
        self.game.expect_exit(1, "the message that the archive could not be made", seconds=10)
        expect_entries(self.working_folder)
        self.expect_dead(self.program_folder)
        os.chmod(self.working_folder, 0o755)
        log("RAN: death with a read-only working folder, the game run as %s" % (self.game.user or os.getuid()))

    def die_with_history(self, setup=None, earlier=files.EARLIER_FALLEN):
        """Plays the loser, with EARLIER and setup(folder) beside it, to its death; returns the box and the history."""
        def prepare(folder):
            files.put_history(folder, earlier)
            if setup:
                setup(folder)
        battle = self.play_to_battle(0, "Return", files.LOSER, prepare, separate=True)
        box, _ = self.attack_until_death_box(battle)
        return box, os.path.join(self.program_folder, files.HISTORY)

    def expect_death_as_ever(self, setup, *entries, earlier=files.EARLIER_FALLEN):
        """A death with EARLIER and setup(folder) as in die_with_history: answering "You have died." ends the game with
        0, no other box on the way; the archive is in the working folder, the history exactly as it was."""
        box, history = self.die_with_history(setup, earlier)
        self.game.keys(box, "Return")
        self.game.none_shown("box", 2, "a history that cannot be written is no concern of the player's")
        self.game.expect_exit(0, "the death", seconds=10)
        self.expect_dead(self.working_folder, self.archive())
        self.expect_bytes(history, earlier, "the history changed")
        expect_entries(self.program_folder, "chromaland", files.HISTORY, *entries)

    def test_history_at_death(self):
        """The record of a death cannot be written: a read-only Fallen.tsv, and (as root) a full disk. The death is as
        it ever was and the history stays byte for byte. Killed as the new history replaces the old one: the old
        history is whole, the new one whole beside it until the hall is next opened, which removes it."""
        def read_only(folder):
            os.chmod(os.path.join(folder, files.HISTORY), 0o444)
            self.as_unprivileged([folder, self.working_folder], [folder, chx(folder), self.working_folder])
        self.expect_death_as_ever(read_only)
        self.game.user = None
        ran = ["a read-only Fallen.tsv"]

        if ROOT:
            # Longer than the pages the save and the archive leave free.
            long_history = files.EARLIER_FALLEN + b"not a record either\n" * 1000

            def full(folder):
                # Room for the character's last save and nothing more.
                self.small_disk(folder)
                files.put_character(folder, files.LOSER)
                files.put_history(folder, long_history)
                files.write_bytes(os.path.join(folder, "reserve"), b"r" * 4096)
                self.fill_disk(folder)
                os.remove(os.path.join(folder, "reserve"))
            self.expect_death_as_ever(full, "filler", earlier=long_history)
            ran.append("a full disk")
        else:
            log("not root: a tmpfs cannot be mounted, so the full disk is not tried")

        box, history = self.die_with_history()
        pending = history + ".saving"
        self.kill_at_held_rename(lambda: self.game.keys(box, "Return"), pending, "the history's rename")
        self.expect_bytes(history, files.EARLIER_FALLEN, "a kill before the rename changed the history")
        expect_entries(self.program_folder, "chromaland", files.HISTORY, files.HISTORY + ".saving")
        new = files.read_bytes(pending)
        self.assertTrue(new.startswith(files.EARLIER_FALLEN)
                        and new.count(b"\n") == files.EARLIER_FALLEN.count(b"\n") + 1,
                        "the new history beside the old one is not whole: %r" % new)
        self.game.keys(self.start_title(self.program_folder, self.working_folder), "F3")
        hall = self.game.window("hall", 10)
        expect_entries(self.program_folder, "chromaland", files.HISTORY)
        self.game.keys(hall, "Escape")
        self.game.kill()
        self.expect_bytes(history, files.EARLIER_FALLEN)
        ran.append("a kill held at the history's rename")
        log("RAN: " + "; ".join(ran))

    def test_battle_ignores_escapes(self):
        """During a battle Escape, Alt+F4 typed into it, the window manager's close and clicks and keys on the map
        change nothing: the battle goes on, and leaving it by Retreat counts no kill."""
        battle = self.play_to_battle(0, "1", files.WINNER)
        self.game.keys(battle, "Escape", "alt+F4")
        self.x.close(battle)
        wx, wy, _, _ = self.x.geometry(self.map_window)
        for x in (50, 150, 300):
            for y in (60, 200, 340):
                self.x.ask("xdotool", "mousemove", str(wx + x), str(wy + y), "click", "1")
        self.x.ask("xdotool", "key", "--clearmodifiers", "Up", "Up", "Left", "Escape")
        self.game.stays_shown(battle, 1, "the battle window (after Escape, Alt+F4, a close and clicks on the map)")
        self.assertTrue(self.x.shown(self.map_window), "the map window went away during the battle")
        self.retreat(battle)
        self.close_map_and_wait(self.map_window)
        file = chx(self.program_folder)
        health = files.value_between(file, "HPc", 975, 1000, "after at most one enemy blow")
        # The violet bar still stands at 17: no kill was counted.
        expect_saved(file, files.with_values(files.WINNER, HPc=health, V=17))

    def test_title_closed(self):
        """The title window closed by the window manager ends the game at once with exit code 0 and writes nothing."""
        folder = self.game.new_folder("title")
        self.x.close(self.start_title(folder))
        self.game.expect_exit(0, "closing the title window", seconds=5)
        expect_entries(folder, "chromaland")

    def test_startup_box_closed(self):
        """The map's start-up message boxes closed by the window manager count as answered: the missing-file box goes
        on to the map, the error box ends the game with exit code 1 and leaves the damaged file as it was. While a box
        is up, the title window behind it cannot be closed: the box stays."""
        folder = self.game.new_folder("boxfirst")
        title, box = self.start_to_box(folder)
        self.x.close(title)
        self.game.stays_shown(box, 1, "the missing-file message (after a close of the title window behind it)")
        expect_entries(folder, "chromaland")
        self.x.close(box)
        map_window = self.game.window("map", 10)
        expect_exact(chx(folder), DEFAULT_CHARACTER)
        self.close_map_and_wait(map_window)

        folder = self.game.new_folder("boxdamaged")
        file = files.put_character(folder, ["ST=10", "DX=10", "pts=abc"])
        original = files.read_bytes(file)
        self.x.close(self.start_to_box(folder)[1])
        self.game.expect_exit(1, "closing the error box", seconds=10)
        self.expect_bytes(file, original, "the damaged character file was changed")
        expect_entries(folder, "chromaland", "Character.chx")

    def test_arabic_locale(self):
        """Under an Arabic locale the "Saved: " line carries the date as yyyy-MM-dd: the locale's own digits would not
        survive 8-bit text."""
        self.game.locale = "ar_EG.UTF-8"
        _, file, map_window = self.on_map("arabic")
        self.close_map_and_wait(map_window)
        saved = files.saved_line(file)
        self.assertRegex(saved, r"^Saved: [0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}$",
                         "under ar_EG.UTF-8 the Saved line is \"%s\", expected \"Saved: yyyy-MM-dd hh:mm:ss\"" % saved)
        expect_saved(file, FAULT_SAVED)

    def odd_start(self, name, make):
        """A Character.chx made by make(folder) brings an error box of normal width within 10 s and 1.5 s of the
        game's CPU time (which a busy machine does not stretch), then exit code 1. Returns the folder."""
        folder = self.game.new_folder(name)
        make(folder)
        title = self.start_title(folder)
        started = now_ms()
        cpu = cpu_ms(self.game.pid)
        self.game.keys(title, "x")
        box = self.game.window("box map", 10)
        took = now_ms() - started
        cpu = cpu_ms(self.game.pid) - cpu
        self.assertEqual(box.kind, "box", "%s: the map opened" % name)
        self.assertLessEqual(cpu, 1500, "%s: the game used %d ms of CPU before the error box appeared" % (name, cpu))
        _, _, width, height = self.x.geometry(box)
        log("%s: the error box appeared after %d ms (%d ms of CPU), %dx%d" % (name, took, cpu, width, height))
        self.assertLessEqual(width, 640, "%s: the error box is %d pixels wide" % (name, width))
        self.game.keys(box, "Return")
        self.game.expect_exit(1, "%s: the error box" % name, seconds=10)
        return folder

    def test_odd_character_entries(self):
        """A Character.chx that is a link to a named pipe or to /dev/zero, and a picture that is a link to a pipe: the
        error comes at once, nothing hangs."""
        def link_to_pipe(folder):
            os.mkfifo(os.path.join(folder, "pipe"))
            os.symlink("pipe", chx(folder))

        def picture_link_to_pipe(folder):
            files.put_character(folder, FAULT_ORIGINAL)
            os.mkdir(os.path.join(folder, "Graphics"))
            os.mkfifo(os.path.join(folder, "Graphics", "pipe"))
            os.symlink("pipe", os.path.join(folder, "Graphics", "Enemy_5.bmp"))

        folder = self.odd_start("pipe", link_to_pipe)
        self.assertTrue(stat.S_ISFIFO(os.lstat(os.path.join(folder, "pipe")).st_mode) and os.path.islink(chx(folder)),
                        "the pipe or the link was changed")
        folder = self.odd_start("zero", lambda folder: os.symlink("/dev/zero", chx(folder)))
        self.assertEqual(os.readlink(chx(folder)), "/dev/zero", "the link to /dev/zero was changed")
        folder = self.odd_start("picture_pipe", picture_link_to_pipe)
        expect_exact(chx(folder), FAULT_ORIGINAL)

    def test_million_digits(self):
        """A points value of a million digits: the error box comes at once and is of a normal width; the file is left
        as it was."""
        content = files.lines_bytes(DEFAULT_CHARACTER[:7]) + b"pts=" + b"9" * 1000000 + b"\r\n" \
            + files.lines_bytes(DEFAULT_CHARACTER[8:])
        folder = self.odd_start("million", lambda folder: files.write_bytes(chx(folder), content))
        self.expect_bytes(chx(folder), content, "the character file was changed")
