"""The display servers of the scenarios: a private Xvfb with openbox as the window manager, or Weston as a window
on a private Xvfb (with XWayland beside it), and what a scenario asks the X server about a window."""

import os
import re
import shutil

from . import facts
from .processes import Group, log, output, run, wait_until

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def require(*tools, hint="scripts/setup-debian.sh --tests installs it"):
    for tool in tools:
        if not shutil.which(tool):
            raise AssertionError("missing tool: %s (%s)" % (tool, hint))


def private_folder(path):
    """Makes the folder, readable by its owner alone (as a runtime folder must be); returns its path."""
    os.makedirs(path, mode=0o700, exist_ok=True)
    os.chmod(path, 0o700)
    return path


def log_tail(name, path, count):
    """The last COUNT lines of a program's output for a failure's report; [] when it said nothing."""
    if not (os.path.exists(path) and os.path.getsize(path)):
        return []
    with open(path, errors="replace") as f:
        return ["  Output of %s:" % name] + ["    | " + line.rstrip("\n") for line in f.readlines()[-count:]]


def numbers(prop):
    """The numbers of a property as xprop prints it ("NAME(TYPE) = 0x1, 2"); [] when the window has none."""
    try:
        return [int(v, 0) for v in prop.partition("=")[2].replace(",", " ").split()]
    except ValueError:
        return []


class XServer:
    """A private Xvfb on a display number it chooses itself, free of any other server's (-displayfd), until stop()."""

    def __init__(self, folder, size="1024x768"):
        require("Xvfb")
        self.processes = Group()
        read, write = os.pipe()
        try:
            self.process = self.processes.start(
                ["Xvfb", "-displayfd", str(write), "-screen", "0", size + "x24", "-nolisten", "tcp", "-noreset"],
                log_file=os.path.join(folder, "xvfb.log"), pass_fds=(write,))
        finally:
            os.close(write)
        with os.fdopen(read, "rb") as pipe:
            number = pipe.readline().strip()
        if not number:
            self.processes.stop_all()
            raise AssertionError("Xvfb did not start: %s" % open(os.path.join(folder, "xvfb.log")).read()[-500:])
        # Xvfb writes its display number once it takes connections. -noreset: without it the server starts afresh
        # when its last client leaves, refusing the next one meanwhile.
        self.display = ":" + number.decode()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.width, self.height = map(int, self.tool("xdotool", "getdisplaygeometry").split())

    def tool(self, *command, check=True):
        """Runs an X client on this display; its output."""
        return run(*command, env=self.env, check=check)

    def ask(self, *command):
        """An X client's output on this display, "" when it failed (a window that went away meanwhile)."""
        return output(*command, env=self.env)

    def picture(self, path, window="root"):
        """A picture of a window (or the whole screen) as the server shows it."""
        require("import", hint="scripts/setup-debian.sh --tests installs imagemagick")
        self.tool("import", "-silent", "-window", str(window), "png:" + path)
        return path

    def stop(self):
        self.processes.stop_all()


class X11(XServer):
    """Xvfb with openbox on it, new windows taking the focus."""

    def __init__(self, folder):
        require("openbox", "xdotool", "wmctrl", "xprop", "xwininfo", hint="scripts/setup-debian.sh installs it")
        super().__init__(folder)
        xdg = {"XDG_%s_HOME" % name.upper(): os.path.join(folder, "xdg", name) for name in ("config", "cache", "data")}
        for path in xdg.values():
            os.makedirs(path, exist_ok=True)
        self.wm_log = os.path.join(folder, "openbox.log")
        config = os.path.join(HERE, "openbox-rc.xml")
        self.wm = wm = self.processes.start(["openbox", "--sm-disable", "--config-file", config], log_file=self.wm_log,
                                            env=dict(self.env, **xdg))

        def alive():
            if wm.poll() is not None:
                raise AssertionError("openbox did not start: " + open(self.wm_log).read())

        # wmctrl -m answers once a window manager has taken over the screen.
        if not wait_until(lambda: self.ask("wmctrl", "-m"), 10, while_=alive):
            self.stop()
            raise AssertionError("openbox did not take over the display within 10 s")

    def describe(self):
        """Whether Xvfb and openbox (which shows the windows the game maps) still run, and openbox's last words."""
        state = ["runs" if p.poll() is None else "has ended (exit code %s)" % p.poll() for p in (self.process, self.wm)]
        return "\n".join(["  The X server %s; openbox %s." % tuple(state)] + log_tail("openbox", self.wm_log, 20))

    def windows_of(self, pid, shown_only=True):
        """The process's windows that are shown (mapped) now, or all of them."""
        shown = ["--onlyvisible"] if shown_only else []
        return [int(w) for w in self.ask("xdotool", "search", *shown, "--pid", str(pid)).split()]

    def name(self, window):
        return self.ask("xdotool", "getwindowname", str(window)).rstrip("\n")

    def prop(self, window, name):
        return self.ask("xprop", "-id", str(window), name)

    def type(self, window):
        """The first (preferred) type the window announces, e.g. DIALOG."""
        found = re.search(r"= _NET_WM_WINDOW_TYPE_([A-Z]*)", self.prop(window, "_NET_WM_WINDOW_TYPE"))
        return found.group(1) if found else ""

    def transient_for(self, window):
        found = re.search(r"window id # (0x[0-9a-fA-F]+)", self.prop(window, "WM_TRANSIENT_FOR"))
        return int(found.group(1), 16) if found else None

    def geometry(self, window):
        """(x, y, width, height) of the window's client area."""
        fields = dict(line.split("=", 1) for line in
                      self.ask("xdotool", "getwindowgeometry", "--shell", str(window)).split() if "=" in line)
        return tuple(int(fields.get(k, -1)) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def frame_geometry(self, window):
        """(x, y, width, height) with the frame the window manager puts around the window (its _NET_FRAME_EXTENTS)."""
        x, y, w, h = self.geometry(window)
        extents = numbers(self.prop(window, "_NET_FRAME_EXTENTS"))
        left, right, top, bottom = extents[:4] if len(extents) >= 4 else (0, 0, 0, 0)
        return x - left, y - top, w + left + right, h + top + bottom

    def wants_close_button(self, window):
        """Whether the window asks for a close button (in the Motif hints that Qt sets from its window flags)."""
        hints = numbers(self.prop(window, "_MOTIF_WM_HINTS"))
        if len(hints) < 2 or not hints[0] & 1:
            return True
        # Close is function 0x20; function 1 turns the list round: "all functions except those listed".
        return bool(hints[1] & 0x20) != bool(hints[1] & 1)

    def shown(self, window):
        return "Map State: IsViewable" in self.ask("xwininfo", "-id", str(window))

    def focused(self):
        text = self.ask("xdotool", "getwindowfocus").strip()
        return int(text) if text.isdigit() else None

    def focus(self, window):
        """Gives the window the keyboard focus through the window manager, as a click would, and waits for it."""
        def has_it():
            if self.focused() == window:
                return True
            self.ask("xdotool", "windowactivate", str(window))
            return False
        if not wait_until(has_it, 5):
            raise AssertionError("window %d did not get the keyboard focus within 5 s" % window)

    def keys(self, window, *keys):
        """Types the keys into the window, 20 ms apart."""
        self.focus(window)
        self.tool("xdotool", "key", "--clearmodifiers", "--delay", "20", *keys)

    def close(self, window, check=True):
        """Closes the window as the window manager's close button would."""
        self.tool("wmctrl", "-i", "-c", str(window), check=check)


class Weston:
    """Weston as a window on a private Xvfb with no window manager, a Wayland socket in a private runtime folder and
    XWayland. Keys and clicks go to Weston's X window, pictures are taken of it, and where the game's windows stand
    comes from Weston's scene graph (weston-debug; Weston runs with --debug)."""

    def __init__(self, folder):
        require("weston", "weston-debug", "Xwayland", "import", "convert", "xdotool", "xwininfo")
        # Larger than Weston's output: Weston follows the pointer from its entering, so the pointer must leave first.
        self.x = XServer(folder, "1400x1100")
        self.runtime = private_folder(os.path.join(folder, "wl-runtime"))
        self.socket = os.path.join(self.runtime, "wayland-e2e")
        weston_log = os.path.join(folder, "weston.log")
        self.process = self.x.processes.start(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--width=1280", "--height=1024",
             "--socket=wayland-e2e", "--debug", "--xwayland", "--config=" + os.path.join(HERE, "weston.ini"),
             "--log=" + weston_log],
            log_file=os.path.join(folder, "weston.out"), env=dict(self.x.env, XDG_RUNTIME_DIR=self.runtime))
        self.xwayland = self.window = None

        def ready():
            # Weston writes its log from its start on, before it makes its socket.
            if not (os.path.exists(self.socket) and re.search(r"^Output 0", self.scene(), re.M)):
                return False
            found = re.findall(r"xserver listening on display (:\d+)", open(weston_log).read())
            window = re.search(r"^ *(0x[0-9a-f]+) \"Weston Compositor", self.x.ask("xwininfo", "-root", "-children"),
                               re.M)
            if found and window:
                self.xwayland, self.window = found[-1], int(window.group(1), 16)
            return self.window is not None

        def alive():
            if self.process.poll() is not None:
                raise AssertionError("weston did not start: " + open(weston_log).read()[-800:])

        if not wait_until(ready, 15, 0.1, while_=alive):
            self.stop()
            raise AssertionError("weston did not answer within 15 s")
        self.x.ask("xdotool", "windowfocus", str(self.window))
        self.pid = self.process.pid
        log("weston runs in window %d on %s, XWayland on %s" % (self.window, self.x.display, self.xwayland))

    def stop(self):
        self.x.stop()

    def scene(self):
        """Weston's scene graph: every view with its role, title and place."""
        return output("timeout", "5", "weston-debug", "scene-graph",
                      env=dict(os.environ, XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=self.socket))

    def find(self, pid, kind):
        """Where Weston shows the process's window of this kind now: title, map, box or battle by caption and size,
        or "surface N" whatever its size. Returns ((x1, y1, x2, y2), surface), Qt's frame included, or None."""
        view = None
        for line in self.scene().splitlines():
            if line.startswith("\tView "):
                view = line if "PID %d," % pid in line else None
            elif view and "position:" in line:
                x1, y1, x2, y2 = [int(n) for n in re.findall(r"-?\d+", line.split("position:", 1)[1])][:4]
                found = re.search(r"surface ID (\d+)", view)
                surface = found.group(1) if found else None
                if kind == "surface %s" % surface:
                    shown = kind
                elif " window 'Battle Control'" in view:
                    shown = "battle"
                elif " window 'Chromaland'" in view:
                    shown = "title" if (x2 - x1, y2 - y1) == facts.TITLE_SIZE else ("box" if y2 - y1 < 300 else "map")
                else:
                    shown = None
                # Only a view's first place counts.
                view = None
                if shown == kind:
                    return (x1, y1, x2, y2), surface
        return None

    def keys(self, *keys):
        """Types the keys into Weston, which hands them to the window that has its keyboard focus."""
        self.x.ask("xdotool", "windowfocus", str(self.window))
        self.x.tool("xdotool", "key", "--delay", "20", *keys)

    def click(self, x, y):
        """A click at this point of Weston's output. The pointer first leaves Weston's window and comes back, so
        that Weston sees it arrive."""
        self.x.tool("xdotool", "mousemove", "1390", "1090", "sleep", "0.1", "mousemove", str(x), str(y), "sleep", "0.1",
                    "mousemove", str(x + 1), str(y), "sleep", "0.2", "click", "1")

    def picture(self, path, x, y, w, h):
        """A picture of this part of Weston's output."""
        self.x.tool("import", "-window", str(self.window), "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", path)
        return path
