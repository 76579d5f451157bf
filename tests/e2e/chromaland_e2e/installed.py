"""An installed copy of the game, played as a player would: started from the menu's command by an unprivileged player
(as root, the user "nobody") with a fresh home folder, it creates the character in that player's data folder, saves
it there, puts a dead character's archive and record there too, and writes nothing beside itself. tests/pkg/play.py
runs it for the package's autopkgtest (debian/tests/control) and for tests/pkg/package.py."""

import os
import pwd

from . import files
from .case import Scenario
from .files import DEFAULT_CHARACTER, expect_entries, expect_exact, expect_saved
from .game import Game, as_user, clean_environment
from .processes import log


def listing(folder):
    """Every entry under the folder with its kind, size and time."""
    entries = []
    for top, dirs, names in os.walk(folder):
        for name in sorted(dirs + names):
            path = os.path.join(top, name)
            s = os.lstat(path)
            entries.append("%s %o %d %d" % (os.path.relpath(path, folder), s.st_mode, s.st_size, s.st_mtime_ns))
    return sorted(entries)


class InstalledGame(Game):
    """The game as a desktop launcher starts it: by the desktop entry's name, found on Debian's PATH, in a folder of
    the player's own, with nothing but the player's environment."""

    def __init__(self, exe, folder, x):
        super().__init__(exe, folder, x=x)
        self.program_folder = os.path.dirname(exe)
        self.user = "nobody" if os.getuid() == 0 else None
        entry = pwd.getpwnam(self.user) if self.user else pwd.getpwuid(os.getuid())
        self.uid, self.gid = entry.pw_uid, entry.pw_gid
        self.player_home = os.path.join(folder, "player")
        self.launcher = os.path.join(folder, "launcher")
        self.runtime = os.path.join(folder, "player-runtime")
        for path in (self.player_home, self.launcher, self.runtime):
            os.mkdir(path, 0o700)
            os.chown(path, self.uid, self.gid)
        self.data = os.path.join(self.player_home, ".local", "share", "chromaland")

    def command(self, folder, cwd):
        env = clean_environment(self.player_home, self.runtime, display=self.x.display, extra={
            "PATH": self.program_folder + ":/usr/local/bin:/usr/bin:/bin:/usr/games"})
        command = as_user(self.uid, self.gid, ["chromaland"]) if self.user else ["chromaland"]
        return command, env, self.launcher, os.path.join(self.tmp, "game%d.log" % (len(self.processes.started) + 1))


class Installed(Scenario):
    """The installed game's scenario, its folders open to the unprivileged player."""

    def setUp(self):
        super().setUp()
        for folder in (self.root, self.tmp):
            os.chmod(folder, 0o755)
        self.game = InstalledGame(self.exe, self.tmp, self.x)
        self.program_before = listing(self.game.program_folder)

    def expect_nothing_beside(self):
        """Nothing was written in the folder the game was started from, nor in the game's own folder."""
        expect_entries(self.game.launcher)
        after = listing(self.game.program_folder)
        if after != self.program_before:
            gone = sorted(set(self.program_before) - set(after))
            new = sorted(set(after) - set(self.program_before))
            self.fail("the game changed its own folder %s: before %s, after %s"
                      % (self.game.program_folder, gone, new))

    def test_installed(self):
        """The character, its save, its archive and its record in the player's data folder, nothing elsewhere."""
        game = self.game
        file = os.path.join(game.data, "Character.chx")

        # The first start: the character is created in the data folder, and saved there when the map closes.
        _, box = self.start_to_box(None)
        game.keys(box, "Return")
        map_window = game.window("map", 15)
        log("the map is up")
        if not os.path.isfile(file):
            shared = os.path.join(game.player_home, ".local", "share")
            self.fail("no Character.chx in the player's data folder %s (it holds: %s)"
                      % (game.data, os.listdir(shared) if os.path.isdir(shared) else "nothing"))
        self.assertEqual(os.stat(file).st_uid, game.uid,
                         "the character file does not belong to the player (uid %d)" % game.uid)
        expect_exact(file, DEFAULT_CHARACTER)
        self.close_map_and_wait(map_window)
        expect_saved(file, DEFAULT_CHARACTER)
        expect_entries(game.data, "Character.chx")
        self.expect_nothing_beside()

        # A battle to the death: the archive goes to the data folder too, not to the folder the game was started from
        # (the game starts from the menu whatever folder the walk prepares).
        battle = self.play_to_battle(0, "space", None, lambda _: files.write_character(file, files.LOSER))
        box, _ = self.attack_until_death_box(battle)
        game.keys(box, "Return")
        game.expect_exit(0, "the death")
        archive = self.archive(game.data)
        # The death's record goes beside the archive: one record, naming that archive.
        expect_entries(game.data, archive, files.HISTORY)
        records, others = files.history_records(os.path.join(game.data, files.HISTORY))
        self.assertEqual([r["archive"] for r in records], [archive],
                         "the history of the fallen should hold one record naming %s, but holds %r and %r"
                         % (archive, records, others))
        self.expect_nothing_beside()
        log("PASS: %s plays and keeps the character, its archive and its record in %s" % (game.exe, game.data))
