"""Fault scenarios: the real game on a full disk, in folders it may not
write, killed at random moments around its saves, with windows closed
that the game never meant to be closed, and with character files that are
links to pipes and devices or hold a million digits. Scenarios that need
root (mounting a small tmpfs, running the game as another user) run their
root-only part only as root and say what they ran instead otherwise."""

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
from .files import DEFAULT_CHARACTER, FAULT_ORIGINAL, FAULT_SAVED, expect_entries, expect_exact, expect_saved, value_between
from .processes import cpu_ms, log, run, wait_until
from .session import SessionManager

# The user a scenario runs the game as when the tests run as root: root
# may write anywhere, which would hide every permission fault.
UNPRIVILEGED = "nobody"
# The name a save's new content has from the moment it is whole until it
# replaces the character file.
PENDING = "Character.chx.saving"
# What ends a game from outside: a shutdown or a logout, a closed
# terminal, Ctrl+C.
END_SIGNALS = (signal.SIGTERM, signal.SIGHUP, signal.SIGINT)
# The fault character after one point spent on Strength.
POINT_SAVED = files.with_values(FAULT_SAVED, ST=13, pts=1)


def am_root():
    return os.getuid() == 0


def kill_9(pid):
    try:
        os.kill(pid, 9)
    except ProcessLookupError:
        pass


class Faults(Scenario):

    def character(self, folder, lines=FAULT_ORIGINAL):
        return files.put_character(folder, lines)

    def as_unprivileged(self, folders, owned=()):
        """As root: the game runs as the unprivileged user, who reaches the
        scenario's folders and FOLDERS and owns the paths OWNED."""
        if am_root():
            for folder in (self.root, self.tmp) + tuple(folders):
                os.chmod(folder, 0o755)
            for path in owned:
                shutil.chown(path, UNPRIVILEGED)
            self.game.user = UNPRIVILEGED

    def on_map(self, name):
        """A fresh folder NAME with the fault character, and the game
        started there up to its map: (folder, character file, map)."""
        folder = self.game.new_folder(name)
        file = self.character(folder)
        return folder, file, self.start_to_map(folder, folder, "space")

    def expect_save_failure_box(self):
        """The box that says the character could not be saved is up;
        answering it ends the game with exit code 1."""
        self.game.keys(self.game.window("box", 10), "Return")
        self.game.expect_exit(1, "the save-failure message", seconds=10)

    def first_start_box(self, folder):
        return self.start_to_box(folder)[1]

    # --- A full disk --------------------------------------------------------

    def small_disk(self, folder):
        """A tmpfs on the folder with room for the game and a little more,
        the game already in it, unmounted when the scenario ends."""
        self.size_kb = os.path.getsize(self.game.exe) // 1024 + 256
        run("mount", "-t", "tmpfs", "-o", "size=%dk,mode=755" % self.size_kb, "chromaland-full", folder)
        self.addCleanup(subprocess.run, ["umount", "-l", folder], capture_output=True)
        shutil.copy(self.game.exe, os.path.join(folder, "chromaland"))
        return folder

    def fill_disk(self, folder):
        """Fills the disk to its last byte; nothing more can be written."""
        subprocess.run("cat /dev/zero >filler", shell=True, cwd=folder, capture_output=True)
        try:
            with open(os.path.join(folder, "filler"), "ab", buffering=0) as f:
                f.write(b"x")
            self.fail("the tmpfs at %s still takes bytes after filling" % folder)
        except OSError:
            pass
        log("the disk at %s is full: %d bytes free" % (folder, shutil.disk_usage(folder).free))

    def test_full_disk(self):
        """Closing the map on a full disk keeps the old file and says so
        (exit 1); a first start on a full disk leaves no file behind."""
        if not am_root():
            log("not root: a tmpfs cannot be mounted, so the full disk is not tried (run as root for it)")
            log("RAN: nothing (full disk needs root)")
            return
        log("closing the map on a full disk")
        folder = self.small_disk(self.game.new_folder("fulldisk"))
        file = self.character(folder)
        original = files.read_bytes(file)
        self.fill_disk(folder)
        map_window = self.start_to_map(folder, folder, "space")
        self.x.close(map_window)
        self.expect_save_failure_box()
        self.assertEqual(files.read_bytes(file), original, "the character file changed on the full disk\n"
                         + files.shown(file))
        expect_entries(folder, "chromaland", "Character.chx", "filler")

        log("a first start on a full disk")
        folder = self.small_disk(self.game.new_folder("fullfirst"))
        self.fill_disk(folder)
        box = self.first_start_box(folder)
        self.game.keys(box, "Return")                   # "Character file could not be found"
        box = self.game.window("box map", 10)
        self.assertEqual(box.kind, "box", "the map opened although no character could be written")
        self.game.keys(box, "Return")
        self.game.expect_exit(1, "the first start on a full disk", seconds=10)
        expect_entries(folder, "chromaland", "filler")
        log("RAN: full disk at closing and at a first start (tmpfs of %d KiB)" % self.size_kb)

    # --- kill -9 around saves ---------------------------------------------------

    def trace_renames(self, held="rename,renameat,renameat2", when=None):
        """From now on the game's renames are traced (strace attached to
        it), and those of the calls HELD (the WHEN-th of them only, when
        given) wait a minute before they happen: a save's last step is
        held there. Returns the trace's file."""
        require("strace")
        trace = os.path.join(self.tmp, "renames.strace")
        if os.path.exists(trace):
            os.remove(trace)
        command = ["strace", "-qq", "-f", "-p", str(self.game.pid), "-o", trace, "-e", "trace=rename,renameat,renameat2"]
        if held:
            command += ["-e", "inject=%s:delay_enter=60000000%s" % (held, ":when=%d" % when if when else "")]
        self.tracer = self.game.processes.start(command, log_file=os.path.join(self.tmp, "strace.err"))

        def traced():
            try:
                with open("/proc/%d/status" % self.game.pid) as f:
                    return re.search(r"^TracerPid:\s+[1-9]", f.read(), re.M)
            except OSError:
                return None
        if not wait_until(traced, 10):
            self.fail("strace could not attach to the game: " + open(os.path.join(self.tmp, "strace.err")).read())
        return trace

    def await_held_rename(self, trace, renaming=r"^\d* *rename", what="the save's rename"):
        """Waits until the rename (a line of the trace that matches
        RENAMING) has begun and is held."""
        def begun():
            try:
                with open(trace) as f:
                    return re.search(renaming, f.read(), re.M)
            except OSError:
                return None
        if not wait_until(begun, 15, 0.02):
            self.fail("%s was never reached within 15 s" % what)

    def kill_at_held_rename(self, act, held="rename,renameat,renameat2", when=None, renaming=r"^\d* *rename",
                            what="the save's rename"):
        """Traces the renames (trace_renames), calls act() to begin a save,
        waits until its rename (a line of the trace that matches RENAMING)
        has begun and is held, then kills the game."""
        trace = self.trace_renames(held, when)
        act()
        self.await_held_rename(trace, renaming, what)
        # The game is gone at once; its end reaches us once strace lets go.
        kill_9(self.game.pid)
        self.game.processes.stop(self.tracer)
        self.game.process.wait(10)

    def kill_before_rename(self):
        """A kill in the last instant of a save, between its new file and
        the rename that makes it the character file, on every run: the old
        file (or no file, at a first start) is left whole, and the next
        start removes the new file; a close then leaves nothing but the
        character file."""
        folder, file, map_window = self.on_map("held")
        self.kill_at_held_rename(lambda: self.x.close(map_window, check=False))
        self.assertEqual(files.read_bytes(file), files.lines_bytes(FAULT_ORIGINAL),
                         "a kill before the rename changed the old file")
        expect_entries(folder, "chromaland", "Character.chx", PENDING)
        expect_saved(os.path.join(folder, PENDING), FAULT_SAVED)
        map_window = self.start_to_map(folder, folder, "space")
        expect_entries(folder, "chromaland", "Character.chx")
        self.game.close_and_wait(map_window, 10)
        expect_saved(file, FAULT_SAVED)
        expect_entries(folder, "chromaland", "Character.chx")

        folder = self.game.new_folder("heldfirst")
        box = self.first_start_box(folder)
        self.kill_at_held_rename(lambda: self.game.keys(box, "Return"))
        expect_entries(folder, "chromaland", PENDING)
        expect_exact(os.path.join(folder, PENDING), DEFAULT_CHARACTER)
        box = self.first_start_box(folder)
        expect_entries(folder, "chromaland")
        self.game.keys(box, "Return")
        map_window = self.game.window("map", 15)
        self.game.close_and_wait(map_window, 10)
        expect_entries(folder, "chromaland", "Character.chx")

    def kill_at_random_moments(self):
        """Kills the game at random moments just after the map was told to
        close (and so to save), and just after the first start's message
        was answered (when the default character is written); every third
        round kills it the moment it has a file open in its folder, in the
        middle of a save. The character file must always be the old one or
        the whole new one, never anything between; beside it may lie only
        the whole new file under its pending name, which the next start
        removes."""
        rounds = int(os.environ.get("KILL_ROUNDS", "30"))
        counts = dict(killed=0, old=0, new=0, none=0, whole=0, midsave=0, pending=0)
        folder = self.game.new_folder("kills")
        file = os.path.join(folder, "Character.chx")
        for round_ in range(1, rounds + 1):
            if os.path.exists(file):
                os.remove(file)
            closing = round_ % 3
            if closing:
                self.character(folder)
                map_window = self.start_to_map(folder, folder, "space")
                expect_entries(folder, "chromaland", "Character.chx")
            else:
                box = self.first_start_box(folder)
                expect_entries(folder, "chromaland")
                self.x.focus(box)
            pid = self.game.pid
            midsave = threading.Event()
            thread = threading.Thread(target=killer, args=(pid, folder, closing, midsave))
            thread.start()
            if closing:
                self.x.close(map_window, check=False)
            else:
                self.x.tool("xdotool", "key", "--clearmodifiers", "Return")
            thread.join()
            if midsave.is_set():
                counts["midsave"] += 1
            kill_9(pid)
            if self.game.process.wait(10) == -9:
                counts["killed"] += 1
            self.judge_kill(folder, closing, counts)
        log("RAN: %d rounds, %d killed (-9) while running, %d of them with a file open in the middle of a save: "
            "closing left the old file %d times and the whole new one %d times; first starts left no file %d times "
            "and the whole default file %d times; %d times the whole new file lay under its pending name until the "
            "next start" % (rounds, counts["killed"], counts["midsave"], counts["old"], counts["new"], counts["none"],
                            counts["whole"], counts["pending"]))

    def judge_kill(self, folder, closing, counts, saved=FAULT_SAVED):
        """After a kill at a save (CLOSING: of the fault character, which
        then reads SAVED) or a first start: the character file is the old
        or the whole new one, or none at a first start, and beside it lies
        at most the whole new file under its pending name. Counts which."""
        file, pending = os.path.join(folder, "Character.chx"), os.path.join(folder, PENDING)
        if closing:
            if os.path.exists(file) and files.read_bytes(file) == files.lines_bytes(FAULT_ORIGINAL):
                counts["old"] += 1
            else:
                expect_saved(file, saved)
                counts["new"] += 1
        elif os.path.exists(file):
            expect_exact(file, DEFAULT_CHARACTER)
            counts["whole"] += 1
        else:
            counts["none"] += 1
        # Nothing half-written lies about either.
        if os.path.exists(pending):
            counts["pending"] += 1
            if closing:
                expect_saved(pending, saved)
            else:
                expect_exact(pending, DEFAULT_CHARACTER)
        expect_entries(folder, "chromaland", *[n for n in ("Character.chx", PENDING)
                                               if os.path.exists(os.path.join(folder, n))])

    def kill_before_rename_in_play(self):
        """The saves of play, each killed in its last instant: after a
        point, after a retreat that changed health and magic, after a win.
        The old file is left whole, the new one whole beside it, and the
        next start removes that."""
        folder, file, map_window = self.on_map("heldpoint")
        self.game.keys(map_window, "Tab")
        self.kill_at_held_rename(lambda: self.game.keys(map_window, "space"))
        self.assertEqual(files.read_bytes(file), files.lines_bytes(FAULT_ORIGINAL), "a kill before the rename changed "
                         "the old file")
        expect_saved(os.path.join(folder, PENDING), POINT_SAVED)
        self.start_to_map(folder, folder, "space")
        expect_entries(folder, "chromaland", "Character.chx")
        self.game.kill()

        battle = self.play_to_battle(20, "Return", files.RETREAT)
        self.game.keys(battle, "alt+h")
        self.kill_at_held_rename(lambda: self.game.keys(battle, "alt+r"))
        file = os.path.join(self.program_folder, "Character.chx")
        self.assertEqual(files.read_bytes(file), files.lines_bytes(files.RETREAT), "a kill before the rename "
                         "changed the old file")
        pending = os.path.join(self.program_folder, PENDING)
        health = value_between(pending, "HPc", 295, 300, "after a heal of 200 (and at most one enemy hit)")
        expect_saved(pending, files.with_values(files.RETREAT, HPc=health, MPc=100))

        battle = self.play_to_battle(0, "1", files.WINNER)
        for _ in range(8):
            self.game.keys(battle, "alt+a")
        self.kill_at_held_rename(lambda: self.game.keys(battle, "alt+r"))
        pending = os.path.join(self.program_folder, PENDING)
        health = value_between(pending, "HPc", 800, 1000, "after the win")
        expect_saved(pending, files.with_values(files.WINNER, HPc=health, V=18))
        expect_entries(self.program_folder, "chromaland", "Character.chx", PENDING)

    def kill_at_random_moments_after_a_point(self, rounds):
        """Kills the game at random moments just after a point was spent
        (and so saved): the file is the old one or the whole new one, and
        only the whole new one may lie beside it."""
        folder = self.game.new_folder("pointkills")
        file = os.path.join(folder, "Character.chx")
        pending = os.path.join(folder, PENDING)
        counts = dict(old=0, new=0, pending=0)
        for _ in range(rounds):
            for name in (file, pending):
                if os.path.exists(name):
                    os.remove(name)
            self.character(folder)
            map_window = self.start_to_map(folder, folder, "space")
            self.game.keys(map_window, "Tab")
            pid = self.game.pid
            delay = random.randrange(30000) / 1e6
            thread = threading.Thread(target=lambda: (time.sleep(delay), kill_9(pid)))
            thread.start()
            self.x.tool("xdotool", "key", "--clearmodifiers", "space")
            thread.join()
            self.game.process.wait(10)
            self.judge_kill(folder, True, counts, POINT_SAVED)
        log("RAN: %d rounds killed just after a point: the old file %d times, the whole new one %d times, %d times "
            "the whole new file under its pending name" % (rounds, counts["old"], counts["new"], counts["pending"]))

    def test_kill_during_save(self):
        self.kill_before_rename()
        log("RAN: killed before the rename at a closing and at a first start; each time the next start removed "
            "the new file")
        self.kill_at_random_moments()
        self.kill_before_rename_in_play()
        log("RAN: killed before the rename of the saves after a point, a changed retreat and a win")
        self.kill_at_random_moments_after_a_point(int(os.environ.get("KILL_ROUNDS", "30")) // 3)

    # --- Ended from outside --------------------------------------------------------

    def end_by_signal(self, number, where, *more):
        """Sends the signal NUMBER, and at once the signals MORE, as a
        logout sends them; the game ends with 0."""
        for sent in (number,) + more:
            os.kill(self.game.pid, sent)
        names = "+".join(signal.Signals(n).name for n in (number,) + more)
        self.game.expect_exit(0, "%s in %s" % (names, where), seconds=10)

    def test_ended_by_signal(self):
        """SIGTERM, SIGHUP and SIGINT, in every window but a battle's, end
        the game with 0 and leave the file as closing the map would: on
        the title and at the first start's message nothing is written; on
        the map, its help and its hall the character is saved. Nothing else
        is left in the folder. SIGTERM and SIGHUP at once, as a logout
        sends them, are one request."""
        for number in END_SIGNALS:
            folder = self.game.new_folder("title")
            file = self.character(folder)
            self.start_title(folder)
            self.end_by_signal(number, "the title")
            expect_exact(file, FAULT_ORIGINAL)
            expect_entries(folder, "chromaland", "Character.chx")

            folder = self.game.new_folder("box")
            self.first_start_box(folder)
            self.end_by_signal(number, "the first start's message")
            expect_entries(folder, "chromaland")

            for window, key in (("map", None), ("help", "F1"), ("hall", "F3")):
                folder, file, map_window = self.on_map(window)
                if key:
                    self.game.keys(map_window, key)
                    self.game.window(window, 10)
                self.end_by_signal(number, "the " + window)
                expect_saved(file, FAULT_SAVED)
                expect_entries(folder, "chromaland", "Character.chx")
        log("RAN: SIGTERM, SIGHUP and SIGINT on the title, the first start's message, the map, the help and the hall")
        folder, file, _ = self.on_map("burst")
        self.end_by_signal(signal.SIGTERM, "the map", signal.SIGHUP)
        expect_saved(file, FAULT_SAVED)
        expect_entries(folder, "chromaland", "Character.chx")
        log("RAN: SIGTERM and SIGHUP at once on the map")
        self.second_signal_during_save()

    def second_signal_during_save(self):
        """A second signal while the first one's save is held at its rename,
        later than the first one's burst, ends the game at once: the old
        file whole, the new one whole beside it until the next start."""
        folder, file, _ = self.on_map("second")
        trace = self.trace_renames()
        first = time.monotonic()
        os.kill(self.game.pid, signal.SIGTERM)
        self.await_held_rename(trace)
        time.sleep(max(0.0, first + facts.END_BURST_S + 0.5 - time.monotonic()))
        os.kill(self.game.pid, signal.SIGHUP)
        # The game ends while its rename is still held; that end reaches
        # us once strace lets go, and the rename never happens.
        delivered = wait_until(lambda: "SIGHUP" in open(trace).read(), 5, 0.02)
        self.game.processes.stop(self.tracer)
        self.assertTrue(delivered, "the second signal never reached the game")
        self.game.expect_exit(128 + signal.SIGHUP, "a second signal during the save", seconds=10)
        self.assertEqual(files.read_bytes(file), files.lines_bytes(FAULT_ORIGINAL), "the second signal changed the "
                         "old file")
        expect_saved(os.path.join(folder, PENDING), FAULT_SAVED)
        log("RAN: a second signal during the save ended the game at once with %d" % (128 + signal.SIGHUP))

    def test_ended_by_signal_in_battle(self):
        """In a battle still under way each signal saves the character as it
        stood before the battle (a heal in it is lost) and ends with 0. In a
        battle already won, its help open over it, the win is kept: the bar
        grown, then saved and 0. At "You have died." the death goes on to
        its end: the archive, then 0."""
        for number in END_SIGNALS:
            battle = self.play_to_battle(20, "Return", files.RETREAT)
            self.game.keys(battle, "alt+h")
            self.end_by_signal(number, "a battle")
            expect_saved(os.path.join(self.program_folder, "Character.chx"), files.RETREAT)
            expect_entries(self.program_folder, "chromaland", "Character.chx")
        battle = self.play_to_battle(0, "1", files.WINNER)
        # Eight blows make the kill certain (test_battle_win).
        for _ in range(8):
            self.game.keys(battle, "alt+a")
        self.game.keys(battle, "F1")
        self.game.window("help", 10)
        self.end_by_signal(signal.SIGTERM, "a battle won, its help open")
        file = os.path.join(self.program_folder, "Character.chx")
        health = value_between(file, "HPc", 800, 1000, "after the win over enemy 0")
        expect_saved(file, files.with_values(files.WINNER, HPc=health, V=18))
        expect_entries(self.program_folder, "chromaland", "Character.chx")
        battle = self.play_to_battle(0, "Return", files.LOSER, separate=True)
        self.attack_until_death_box(battle)
        self.end_by_signal(signal.SIGTERM, "the death's message")
        self.archive()
        expect_entries(self.program_folder, "chromaland", files.HISTORY)
        log("RAN: SIGTERM, SIGHUP and SIGINT in a battle; SIGTERM in a battle won, its help open; SIGTERM at the "
            "death's message")

    def test_session_end(self):
        """A session manager (XSMP) asks the game to save, at a checkpoint
        and before a logout, then tells it to die, as a desktop does at a
        logout. Each save request saves the character and the game plays
        on; the end saves it again and ends with 0. In a battle the
        character is saved as it was before the battle."""
        manager = SessionManager()
        self.addCleanup(manager.stop)
        self.game.env["SESSION_MANAGER"] = manager.address
        folder, file, _ = self.on_map("session")
        manager.await_client(10)
        manager.save(shutdown=False)
        expect_saved(file, FAULT_SAVED)
        self.assertTrue(self.game.running(), "the game ended at a checkpoint")
        os.remove(file)
        manager.save(shutdown=True)
        expect_saved(file, FAULT_SAVED)
        os.remove(file)
        manager.die()
        self.game.expect_exit(0, "the session's end", seconds=10)
        expect_saved(file, FAULT_SAVED)
        expect_entries(folder, "chromaland", "Character.chx")

        # The game registers as it starts, long before a battle can open.
        battle = self.play_to_battle(20, "Return", files.RETREAT)
        self.game.keys(battle, "alt+h")
        manager.save(shutdown=True)
        manager.die()
        self.game.expect_exit(0, "the session's end in a battle", seconds=10)
        expect_saved(os.path.join(self.program_folder, "Character.chx"), files.RETREAT)
        log("RAN: a checkpoint and a logout's save on the map, the session's end on the map and in a battle")

    # --- Folders the game may not write -------------------------------------------

    def readonly_start(self, folder, writable):
        """Makes the program folder read-only for the game (as the
        unprivileged user when root) and starts it; returns the character
        file as it was."""
        shutil.copy(self.game.exe, os.path.join(folder, "chromaland"))
        file = self.character(folder)
        original = files.read_bytes(file)
        if am_root():
            self.as_unprivileged([folder], [file] if writable else [])
        else:
            if not writable:
                os.chmod(file, 0o444)
            os.chmod(folder, 0o555)
        map_window = self.start_to_map(folder, folder, "space")
        self.x.close(map_window)
        return original

    def test_readonly_program_folder(self):
        """A read-only program folder: a writable Character.chx is saved in
        place (exit 0); a read-only one is kept as it was, with the message
        (exit 1)."""
        folder = self.game.new_folder("readonly")
        self.readonly_start(folder, writable=True)
        self.game.expect_exit(0, "closing with a writable Character.chx in a read-only folder", seconds=10)
        expect_saved(os.path.join(folder, "Character.chx"), FAULT_SAVED)
        expect_entries(folder, "chromaland", "Character.chx")
        os.chmod(folder, 0o755)

        folder = self.game.new_folder("readonlyfile")
        original = self.readonly_start(folder, writable=False)
        self.expect_save_failure_box()
        self.assertEqual(files.read_bytes(os.path.join(folder, "Character.chx")), original,
                         "the read-only character file changed")
        expect_entries(folder, "chromaland", "Character.chx")
        os.chmod(folder, 0o755)
        log("RAN: read-only program folder with a writable and a read-only Character.chx, the game run as %s"
            % ("%s (tests run as root)" % UNPRIVILEGED if am_root() else os.environ.get("USER", os.getuid())))

    def test_unwritable_working_folder(self):
        """The character dies while the working folder, where its archive
        goes, is read-only: the file is saved in the program folder, the
        player is told the archive failed, and the game ends with exit
        code 1."""
        def setup(folder):
            self.as_unprivileged([folder, self.working_folder], [folder, os.path.join(folder, "Character.chx")])
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

    # --- The history of the fallen at a death ------------------------------------

    def die_with_history(self, setup=None, earlier=files.EARLIER_FALLEN):
        """Plays the loser to its death with the earlier history beside it
        (setup(folder) prepares the rest); returns the death box and the
        history's path."""
        def prepare(folder):
            files.put_history(folder, earlier)
            if setup:
                setup(folder)
        battle = self.play_to_battle(0, "Return", files.LOSER, prepare, separate=True)
        box, _ = self.attack_until_death_box(battle)
        return box, os.path.join(self.program_folder, files.HISTORY)

    def expect_death_as_ever(self, box, history, *entries, earlier=files.EARLIER_FALLEN):
        """Answering "You have died." ends the game with 0, no other box on
        the way; the archive is in the working folder, the history exactly
        as it was."""
        self.game.keys(box, "Return")
        self.game.none_shown("box", 2, "a history that cannot be written is no concern of the player's")
        self.game.expect_exit(0, "the death", seconds=10)
        self.expect_dead(self.working_folder, self.archive())
        self.assertEqual(files.read_bytes(history), earlier, "the history changed")
        expect_entries(self.program_folder, "chromaland", files.HISTORY, *entries)

    def rename_count_to_history(self):
        """Traces a whole death and returns the system call that puts the new
        history in place and which of the calls of its kind it is (1 for the
        first): strace counts each kind apart."""
        box, history = self.die_with_history()
        trace = self.trace_renames(held=None)
        self.game.keys(box, "Return")
        self.game.wait_exit(10)
        self.game.processes.stop(self.tracer)
        renames = [line for line in open(trace) if "rename" in line]
        log("a death renames %d time(s):\n%s" % (len(renames), "".join(renames)))
        for line in renames:
            if files.HISTORY + ".saving" in line:
                call = re.search(r"(rename\w*)\(", line).group(1)
                return call, sum(1 for before in renames[:renames.index(line) + 1] if re.search(r"\b%s\(" % call, before))
        self.fail("no rename put a new history in place:\n" + "".join(renames))

    def test_history_at_death(self):
        """The record of a death cannot be written: a read-only Fallen.tsv,
        and (as root) a full disk. The death is as it ever was and the
        history stays byte for byte. Killed as the new history replaces the
        old one: the old history is whole, the new one whole beside it
        until the hall is next opened, which removes it."""
        def read_only(folder):
            os.chmod(os.path.join(folder, files.HISTORY), 0o444)
            self.as_unprivileged([folder, self.working_folder],
                                 [folder, os.path.join(folder, "Character.chx"), self.working_folder])
        box, history = self.die_with_history(read_only)
        self.expect_death_as_ever(box, history)
        self.game.user = None
        ran = ["a read-only Fallen.tsv"]

        if am_root():
            # Longer than the pages the save and the archive leave free.
            long_history = files.EARLIER_FALLEN + b"not a record either\n" * 1000

            def full(folder):
                # Room for the character's last save and nothing more.
                self.small_disk(folder)
                files.put_character(folder, files.LOSER)
                files.put_history(folder, long_history)
                with open(os.path.join(folder, "reserve"), "wb") as f:
                    f.write(b"r" * 4096)
                self.fill_disk(folder)
                os.remove(os.path.join(folder, "reserve"))
            box, history = self.die_with_history(full, long_history)
            self.expect_death_as_ever(box, history, "filler", earlier=long_history)
            ran.append("a full disk")
        else:
            log("not root: a tmpfs cannot be mounted, so the full disk is not tried")

        call, number = self.rename_count_to_history()
        box, history = self.die_with_history()
        self.kill_at_held_rename(lambda: self.game.keys(box, "Return"), call, number,
                                 re.escape(files.HISTORY + ".saving"), "the history's rename")
        self.assertEqual(files.read_bytes(history), files.EARLIER_FALLEN, "a kill before the rename changed the history")
        pending = history + ".saving"
        expect_entries(self.program_folder, "chromaland", files.HISTORY, files.HISTORY + ".saving")
        new = files.read_bytes(pending)
        self.assertTrue(new.startswith(files.EARLIER_FALLEN) and new.count(b"\n") == files.EARLIER_FALLEN.count(b"\n") + 1,
                        "the new history beside the old one is not whole: %r" % new)
        self.game.keys(self.start_title(self.program_folder, self.working_folder), "F3")
        hall = self.game.window("hall", 10)
        expect_entries(self.program_folder, "chromaland", files.HISTORY)
        self.game.keys(hall, "Escape")
        self.game.kill()
        self.assertEqual(files.read_bytes(history), files.EARLIER_FALLEN)
        ran.append("a kill held at the history's %s, call %d of its kind in the death" % (call, number))
        log("RAN: " + "; ".join(ran))

    # --- Windows closed the game never meant to be closed -------------------------

    def test_battle_ignores_escapes(self):
        """During a battle Escape, Alt+F4 typed into it, the window manager's
        close and clicks and keys on the map change nothing: the battle
        goes on, and leaving it by Retreat counts no kill."""
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
        file = os.path.join(self.program_folder, "Character.chx")
        health = value_between(file, "HPc", 975, 1000, "after at most one enemy blow")
        # The violet bar still stands at 17: no kill was counted.
        expect_saved(file, files.with_values(files.WINNER, HPc=health, V=17))

    def test_title_closed(self):
        """The title window closed by the window manager ends the game at
        once with exit code 0 and writes nothing."""
        folder = self.game.new_folder("title")
        self.x.close(self.start_title(folder))
        self.game.expect_exit(0, "closing the title window", seconds=5)
        expect_entries(folder, "chromaland")

    def test_startup_box_closed(self):
        """The map's start-up message boxes closed by the window manager
        count as answered: the missing-file box goes on to the map, the
        error box ends the game with exit code 1 and leaves the damaged
        file as it was. While a box is up, the title window behind it
        cannot be closed: the box stays."""
        folder = self.game.new_folder("boxfirst")
        title, box = self.start_to_box(folder)
        self.x.close(title)
        self.game.stays_shown(box, 1, "the missing-file message (after a close of the title window behind it)")
        expect_entries(folder, "chromaland")
        self.x.close(box)
        map_window = self.game.window("map", 10)
        expect_exact(os.path.join(folder, "Character.chx"), DEFAULT_CHARACTER)
        self.close_map_and_wait(map_window)

        folder = self.game.new_folder("boxdamaged")
        file = self.character(folder, ["ST=10", "DX=10", "pts=abc"])
        original = files.read_bytes(file)
        box = self.first_start_box(folder)
        self.x.close(box)
        self.game.expect_exit(1, "closing the error box", seconds=10)
        self.assertEqual(files.read_bytes(file), original, "the damaged character file was changed")
        expect_entries(folder, "chromaland", "Character.chx")

    # --- The locale and odd character files -----------------------------------------

    def test_arabic_locale(self):
        """Under an Arabic locale the "Saved: " line carries the date as
        yyyy-MM-dd: the locale's own digits would not survive 8-bit text."""
        folder = self.game.new_folder("arabic")
        file = self.character(folder)
        self.game.locale = "ar_EG.UTF-8"
        map_window = self.start_to_map(folder, folder, "space")
        self.close_map_and_wait(map_window)
        saved = files.saved_line(file)
        self.assertRegex(saved, r"^Saved: [0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}$",
                         "under ar_EG.UTF-8 the Saved line is \"%s\", expected \"Saved: yyyy-MM-dd hh:mm:ss\"" % saved)
        expect_saved(file, FAULT_SAVED)

    def odd_start(self, name, make):
        """A Character.chx made by make(folder) ends start-up with an error
        box of normal width, and the game with exit code 1; the box comes
        without a hang (within 10 s) and without reading on and on (within
        1.5 s of the game's CPU time, which a busy machine does not stretch
        as it does the clock). Returns the folder."""
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
        """A Character.chx that is a link to a named pipe or to /dev/zero,
        and a picture that is a link to a pipe: the error comes at once,
        nothing hangs."""
        def link_to_pipe(folder):
            os.mkfifo(os.path.join(folder, "pipe"))
            os.symlink("pipe", os.path.join(folder, "Character.chx"))

        def link_to_zero(folder):
            os.symlink("/dev/zero", os.path.join(folder, "Character.chx"))

        def picture_link_to_pipe(folder):
            self.character(folder)
            os.mkdir(os.path.join(folder, "Graphics"))
            os.mkfifo(os.path.join(folder, "Graphics", "pipe"))
            os.symlink("pipe", os.path.join(folder, "Graphics", "Enemy_5.bmp"))

        folder = self.odd_start("pipe", link_to_pipe)
        self.assertTrue(stat.S_ISFIFO(os.lstat(os.path.join(folder, "pipe")).st_mode)
                        and os.path.islink(os.path.join(folder, "Character.chx")),
                        "the pipe or the link was changed")
        folder = self.odd_start("zero", link_to_zero)
        self.assertEqual(os.readlink(os.path.join(folder, "Character.chx")), "/dev/zero",
                         "the link to /dev/zero was changed")
        folder = self.odd_start("picture_pipe", picture_link_to_pipe)
        expect_exact(os.path.join(folder, "Character.chx"), FAULT_ORIGINAL)

    def test_million_digits(self):
        """A points value of a million digits: the error box comes at once
        and is of a normal width; the file is left as it was."""
        content = files.lines_bytes(DEFAULT_CHARACTER[:7]) + b"pts=" + b"9" * 1000000 + b"\r\n" \
            + files.lines_bytes(DEFAULT_CHARACTER[8:])

        def million(folder):
            with open(os.path.join(folder, "Character.chx"), "wb") as f:
                f.write(content)
        folder = self.odd_start("million", million)
        self.assertEqual(files.read_bytes(os.path.join(folder, "Character.chx")), content,
                         "the character file was changed")


def killer(pid, folder, closing, midsave):
    """Kills the game: at a close whose number is 2, the moment it has a
    file open in its folder (the save follows the close within a few
    milliseconds; MIDSAVE is set then), otherwise after a random delay."""
    if closing == 2:
        deadline = time.monotonic() + 5
        fds = "/proc/%d/fd" % pid
        while time.monotonic() < deadline:
            try:
                for fd in os.listdir(fds):
                    if os.readlink(os.path.join(fds, fd)).startswith(folder + "/"):
                        kill_9(pid)
                        midsave.set()
                        return
            except OSError:
                pass
    else:
        # The first start's write follows the key after xdotool has started.
        time.sleep(random.randrange(30000 if closing else 60000) / 1e6)
        kill_9(pid)
