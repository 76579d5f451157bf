"""The desktop's accessibility bus (AT-SPI over a private D-Bus session), switched on as a desktop does when a screen
reader runs, and Orca on it, whose log says what it would have spoken."""

import os
import re
import subprocess

from .display import HERE, require
from .processes import Group, log, output, run, wait_until

PYTHON = "/usr/bin/python3"


def keys(*names):
    """Types the keys into the focused window, as the reader's client and the player by ear type them."""
    run("xdotool", "key", "--clearmodifiers", "--delay", "25", *names)


def utterance(text):
    """An utterance of Orca's log without its quotes and its voice's settings, which the log adds."""
    text = re.sub(r"\[?\{[^{}]*\}\]?\s*$", "", text).strip()
    if len(text) >= 2 and text[0] == text[-1] == "'":
        text = text[1:-1]
    return re.sub(r"\s+", " ", text)


class Speech:
    """What Orca has spoken, from its log (orcalog.py's), read on from where it was last read: one utterance an item
    (a record may span lines of the log, until the next time stamp)."""

    STAMP = re.compile(r"\d\d:\d\d:\d\d\.")

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.rest = ""
        self.current = None
        self.said = []       # every utterance whose record has ended

    def read(self):
        """Every utterance so far, the last one perhaps not yet whole."""
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                f.seek(self.offset)
                chunk = f.read()
                self.offset = f.tell()
        except OSError:
            chunk = ""
        lines = (self.rest + chunk).split("\n")
        self.rest = lines.pop()
        for line in lines:
            if self.STAMP.match(line) and self.current is not None:
                self.said.append(utterance(self.current))
                self.current = None
            if "SPEECH OUTPUT: " in line:
                self.current = line.split("SPEECH OUTPUT: ", 1)[1]
            elif self.current is not None:
                self.current += " " + line
        return self.said + ([utterance(self.current)] if self.current is not None else [])


class Bus:
    """A D-Bus session with the accessibility bus on it, until stop(); the game joins it with the environment that
    game_env() gives."""

    def __init__(self, folder, x):
        require("dbus-daemon", "dbus-send", "/usr/libexec/at-spi-bus-launcher", PYTHON)
        self.folder = folder
        self.processes = Group()
        self.orca = None
        # dbus-daemon prints its address once it listens.
        with open(os.path.join(folder, "dbus.log"), "ab") as errors:
            daemon = self.processes.start(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
                                          stdout=subprocess.PIPE, stderr=errors, text=True)
        self.address = daemon.stdout.readline().strip()
        if not self.address:
            self.stop()
            raise AssertionError("no D-Bus session")
        self.env = dict(x.env, DBUS_SESSION_BUS_ADDRESS=self.address)
        self.processes.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                             log_file=os.path.join(folder, "at-spi.log"), env=self.env)
        enable = ("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                  "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
                  "variant:boolean:true")
        if not wait_until(lambda: output(*enable, env=self.env), 10, 0.1):
            self.stop()
            raise AssertionError("the accessibility bus did not start within 10 s")

    def game_env(self):
        return {"DBUS_SESSION_BUS_ADDRESS": self.address, "QT_ACCESSIBILITY": "1",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}

    def reader(self, *phase, log_file=None, module="reader"):
        """The screen reader's client of the bus (reader.py), or the player by ear (module "playbyear"), started for
        one phase (see their modules); without a log file its output is the scenario's."""
        env = dict(self.env, PYTHONPATH=HERE)
        if self.orca:
            env["ORCA_LOG"] = self.orca.log
        command = [PYTHON, "-m", "chromaland_e2e." + module] + [str(p) for p in phase]
        return self.processes.start(command, log_file=log_file, env=env,
                                    **({} if log_file else dict(stdout=None, stderr=None)))

    def read(self, *phase, seconds=120, module="reader"):
        """Runs a phase of the reader (or of another module) to its end; its exit code."""
        process = self.reader(*phase, module=module)
        try:
            return process.wait(seconds)
        except subprocess.TimeoutExpired:
            raise AssertionError("the screen reader's client did not end within %d s" % seconds) from None
        finally:
            self.processes.stop(process)

    def start_orca(self):
        self.orca = Orca(self)
        return self.orca

    def stop(self):
        if self.orca:
            self.orca.stop()
        self.processes.stop_all()


class Orca:
    """Orca on the bus, with a home of its own, logging what it would say line by line (orcalog.py); ready once
    started. Its log is whole at any moment, so an Orca that does not end when asked is ended."""

    def __init__(self, bus):
        home = os.path.join(bus.folder, "orca-home")
        os.makedirs(home, exist_ok=True)
        self.log = os.path.join(bus.folder, "orca.log")
        self.heard = Speech(self.log)
        self.bus = bus
        # No speech server: Orca then only logs what it would say.
        env = dict(bus.env, SPEECHD_CMD="/bin/false", HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   PYTHONPATH=HERE)
        self.process = bus.processes.start([PYTHON, "-m", "chromaland_e2e.orcalog", self.log],
                                           log_file=os.path.join(bus.folder, "orca.out"), env=env)
        if bus.read("await", "orca", 20) != 0:
            raise AssertionError("Orca did not join the accessibility bus within 20 s")
        self.awaits("Screen reader on", 20, "Orca did not get ready within 20 s")

    def speech(self):
        return self.heard.read()

    def count(self, words):
        return sum(1 for s in self.speech() if words in s)

    def awaits(self, words, seconds, why=None):
        """Waits until Orca has spoken the words."""
        if not wait_until(lambda: self.count(words), seconds, 0.1):
            raise AssertionError(why or "Orca never said \"%s\" within %d s; its last 20 utterances, oldest first:\n%s"
                                 % (words, seconds, "\n".join(self.speech()[-20:])))
        log("Orca said \"%s\"" % words)

    def stop(self):
        self.bus.processes.stop(self.process)
        self.bus.orca = None
