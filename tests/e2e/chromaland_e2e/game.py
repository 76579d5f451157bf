"""The game as a scenario plays it: the real program copied into a folder of its own and started there in one clean
environment (the same for the bench), its windows found by kind, keys typed into them, and its end awaited;
whatever it started is ended with it."""

import contextlib
import os
import pwd
import shutil
import signal
import subprocess
import tempfile
import time

from . import facts, processes
from .display import log_tail, private_folder
from .processes import Group, log, throughout, wait_until


def clean_environment(home, runtime, display=None, locale="C.UTF-8", wayland=None, extra=None):
    """The whole environment of every program of the scenarios and the bench: UTC unless TZ says otherwise, the
    display (X11, or Wayland as (socket, XWayland's display)), accessibility off, and EXTRA (a dict) over it all."""
    os.makedirs(home, exist_ok=True)
    env = {"PATH": "/usr/bin:/bin", "HOME": home, "XDG_RUNTIME_DIR": private_folder(runtime), "LC_ALL": locale,
           "TZ": os.environ.get("TZ", "UTC")}
    if wayland:
        socket, xwayland = wayland
        env.update(WAYLAND_DISPLAY=socket, XDG_SESSION_TYPE="wayland", DISPLAY=xwayland)
    elif display:
        env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb")
    env.update(QT_ACCESSIBILITY="0", NO_AT_BRIDGE="1")
    env.update(extra or {})
    return env


def as_user(uid, gid, command):
    """The command run as that user and group, with no other groups."""
    return ["setpriv", "--reuid=%d" % uid, "--regid=%d" % gid, "--clear-groups"] + command


class Window(int):
    """A window of the game (its X id) and its kind: title, map, box, battle, help, hall or other."""

    kind = None


class Game:
    """One scenario's game, started as often as the scenario needs. For every start: user (whom the game runs as when
    the tests run as root), locale, env (added to the clean environment), platform (under Weston; None lets the game
    choose), and the titles battle_title, help_title and hall_title in the game's language."""

    def __init__(self, exe, folder, x=None, weston=None):
        self.exe, self.tmp, self.weston = exe, folder, weston
        self.x = x if x is not None else (weston.x if weston else None)
        self.processes = Group()
        self.process = self.pid = self.log = self.user = self.platform = None
        self.locale = "C.UTF-8"
        self.env = {}
        self.battle_title = "Battle Control"
        self.help_title = "Chromaland Help"
        self.hall_title = "Hall of the Fallen"

    def new_folder(self, name="game"):
        return tempfile.mkdtemp(prefix=name + ".", dir=self.tmp)

    def home(self):
        suffix = "-" + self.user if self.user else ""
        return os.path.join(self.tmp, "home" + suffix), os.path.join(self.tmp, "runtime" + suffix)

    def settings_file(self):
        return os.path.join(self.home()[0], ".config", "chromaland", "chromaland.conf")

    def start(self, folder, cwd=None):
        """Starts the game copied into FOLDER (unless it is there), in the working folder CWD or FOLDER."""
        self.kill()
        command, env, cwd, self.log = self.command(folder, cwd or folder)
        self.process = self.processes.start(command, log_file=self.log, env=env, cwd=cwd)
        self.pid = self.process.pid
        log("started the game (pid %d) in %s" % (self.pid, cwd))
        return self.process

    def command(self, folder, cwd):
        """The game's command, environment, working folder and output file; an installed game starts otherwise."""
        program = os.path.join(folder, "chromaland")
        if not os.path.exists(program):
            shutil.copy(self.exe, program)
        home, runtime = self.home()
        extra = dict(self.env)
        if self.weston and self.platform:
            extra["QT_QPA_PLATFORM"] = self.platform
        wayland = (self.weston.socket, self.weston.xwayland) if self.weston else None
        env = clean_environment(home, runtime, display=self.x.display if self.x else None, locale=self.locale,
                                wayland=wayland, extra=extra)
        command = [program]
        if self.user:
            entry = pwd.getpwnam(self.user)
            for path in (home, runtime):
                os.chown(path, entry.pw_uid, entry.pw_gid)
            command = as_user(entry.pw_uid, entry.pw_gid, command)
        return command, env, cwd, os.path.join(self.tmp, os.path.basename(folder) + ".log")

    @contextlib.contextmanager
    def held(self):
        """The game stopped (SIGSTOP) for the length of the block: it then reads all the keys the block typed at
        once, with no tick of its clock between them however slowly a busy machine typed them."""
        os.kill(self.pid, signal.SIGSTOP)
        try:
            yield
        finally:
            os.kill(self.pid, signal.SIGCONT)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, seconds):
        try:
            rc = self.process.wait(seconds)
        except subprocess.TimeoutExpired:
            raise AssertionError("the game (pid %d) was still running %d s later; it should have ended"
                                 % (self.pid, seconds)) from None
        log("the game ended with exit code %d" % rc)
        return rc

    def expect_exit(self, code, what, rc=None, seconds=15):
        """After WHAT the game ends within SECONDS (or has ended with RC) with exit code CODE."""
        rc = self.wait_exit(seconds) if rc is None else rc
        if rc != code:
            raise AssertionError("%s ended the game with exit code %d, expected %d" % (what, rc, code))

    def kill(self):
        if self.process is not None:
            self.processes.stop(self.process, ask=False)  # at once: a game asked to end would save

    def alive(self, waiting_for):
        if not self.running():
            raise AssertionError("the game ended (exit code %s) while %s was awaited"
                                 % (self.process.wait(), waiting_for))

    def windows(self):
        return self.x.windows_of(self.pid) if self.process else []

    def kind(self, window):
        """What a window of the game is: battle, help or hall by its title (battle_title and so on); title (a
        frameless tool window), map (a normal window titled "Chromaland"), box (a dialog titled "Chromaland")."""
        name = self.x.name(window)
        titled = {self.battle_title: "battle", self.help_title: "help", self.hall_title: "hall"}
        if name in titled:
            return titled[name]
        kind = self.x.type(window)
        if kind == "UTILITY":
            return "title"
        # Asked outright: a window going away between the two questions (the title, after a key) has no type.
        return {"DIALOG": "box", "NORMAL": "map"}.get(kind, "other") if name == "Chromaland" else "other"

    def find(self, kinds, seconds):
        """A shown window of one of the kinds (words of KINDS) within SECONDS, or None; raises if the game ends."""
        wanted = kinds.split()

        def one():
            for w in self.windows():
                kind = self.kind(w)
                if kind in wanted:
                    found = Window(w)
                    found.kind = kind
                    return found
            self.alive("a window (%s)" % kinds)
            return None
        return wait_until(one, seconds)

    def window(self, kinds, seconds):
        found = self.find(kinds, seconds)
        if found is None:
            raise AssertionError("no %s window appeared within %s s" % (kinds, seconds))
        return found

    def await_hidden(self, window, seconds, what):
        if not wait_until(lambda: not self.x.shown(window), seconds):
            raise AssertionError("%s was still shown %s s later" % (what, seconds))

    def stays_shown(self, window, seconds, what):
        """The window is still there throughout SECONDS, time for the game to handle what was just sent to it."""
        def wrong():
            if not self.running():
                return "the game ended, but %s should have stayed open" % what
            return None if self.x.shown(window) else "%s went away, but it should have stayed open" % what
        throughout(seconds, wrong)

    def none_shown(self, kinds, seconds, why):
        """No window of these kinds appears throughout SECONDS."""
        def wrong():
            found = [kind for kind in map(self.kind, self.windows()) if kind in kinds.split()]
            return "a %s window appeared: %s" % (found[0], why) if found else None
        throughout(seconds, wrong)

    def expect_size(self, window, size, what):
        found = "%dx%d" % self.x.geometry(window)[2:]
        if found != facts.wxh(size):
            raise AssertionError("%s is %s, expected %s" % (what, found, facts.wxh(size)))

    def keys(self, window, *keys):
        self.x.keys(window, *keys)

    def close_and_wait(self, window, seconds):
        """Closes the window as the window manager's close button would and returns the game's exit code. A window
        manager busy with a new window may lose the request: it is asked again every 2 s while the window shows."""
        deadline = time.monotonic() + seconds
        next_ask = 0.0
        while self.running():
            now = time.monotonic()
            if now >= next_ask and self.x.shown(window):
                self.x.close(window, check=False)
                next_ask = now + 2
            if now >= deadline:
                raise AssertionError("the game (pid %d) was still running %d s after its window was closed"
                                     % (self.pid, seconds))
            time.sleep(0.05)
        return self.wait_exit(1)

    def describe(self):
        """The game's windows and its last output, for a failure's report."""
        lines = []
        if self.running() and self.x is not None and self.weston is None:
            lines.append("  Windows of the game at that moment (shown or not):")
            every = self.x.windows_of(self.pid, shown_only=False)
            for w in every:
                x, y, width, height = self.x.geometry(w)
                lines.append('    window %d: kind %s, name "%s", type %s, %dx%d at %d,%d, %s'
                             % (w, self.kind(w), self.x.name(w), self.x.type(w), width, height, x, y,
                                "shown" if self.x.shown(w) else "not shown"))
            if not every:
                lines.append("    (none)")
        if self.running():
            lines.append("  Threads of the game (state, where it waits in the kernel):")
            lines += ["    " + thread for thread in processes.threads(self.pid)]
        return "\n".join(lines + (log_tail("the game", self.log, 40) if self.log else []))
