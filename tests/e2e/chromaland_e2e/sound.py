"""The game's sound through a real sound server: PulseAudio with a null sink, whose monitor is recorded while the
game is played, so that what the game sent is read back as numbers, each channel on its own."""

import array
import math
import os
import time

from . import files
from .case import Scenario
from .display import private_folder, require
from .processes import Group, log, output, wait_until

# The recording's format: the sounds' own, so that nothing is resampled.
RATE = 22050
# Quieter than this (RMS, dBFS) is silence: the null sink gives zeros when nothing plays, a cue is about -23 dBFS.
SILENCE_DB = -60.0
# The cue is louder on the enemy's side by at least this (a column away by 3 dB, further away by more).
SIDE_DB = 2.0


def level_db(samples):
    """The root mean square of the samples in dBFS; -inf for silence."""
    power = sum(s * s for s in samples) / len(samples) if samples else 0
    return 10 * math.log10(power / 32768 ** 2) if power > 0 else float("-inf")


class SoundServer:
    """PulseAudio on a socket of its own with one null sink, "game", and (unless record is False: the bench) a
    recorder of its monitor writing raw frames to a file, with its own home and runtime folder. The recorder's short
    latency also makes the null sink play a new stream at once, not at its next two-second block."""

    def __init__(self, folder, record=True):
        require("pulseaudio", "pactl", "parec")
        self.socket = os.path.join(folder, "native")
        self.recording = os.path.join(folder, "sink.raw")
        self.processes = Group()
        runtime = private_folder(os.path.join(folder, "runtime"))
        script = os.path.join(folder, "server.pa")
        with open(script, "w") as f:
            f.write("load-module module-null-sink sink_name=game rate=%d channels=2\nset-default-sink game\n"
                    "load-module module-native-protocol-unix socket=%s auth-anonymous=1\n" % (RATE, self.socket))
        self.env = {"PATH": "/usr/bin:/bin", "HOME": folder, "PULSE_SERVER": "unix:" + self.socket,
                    "XDG_RUNTIME_DIR": runtime}
        server_log = os.path.join(folder, "pulseaudio.log")
        self.server = self.processes.start(["pulseaudio", "-n", "-F", script, "--daemonize=no", "--exit-idle-time=-1",
                                            "--use-pid-file=no", "--disable-shm=yes", "--log-target=stderr"],
                                           log_file=server_log, env=self.env)
        if not wait_until(lambda: "Default Sink: game" in output("pactl", "info", env=self.env), 20):
            raise AssertionError("PulseAudio did not come up (see %s)" % server_log)
        if not record:
            return
        self.processes.start(["parec", "--latency-msec=20", "-d", "game.monitor", "--raw", "--format=s16le",
                              "--rate=%d" % RATE, "--channels=2", self.recording],
                             log_file=os.path.join(folder, "parec.log"), env=self.env)
        if not wait_until(lambda: os.path.exists(self.recording) and os.path.getsize(self.recording) > 0, 10):
            raise AssertionError("the recorder of the sink's monitor wrote nothing")
        log("PulseAudio on %s, recorded into %s" % (self.socket, self.recording))

    def mark(self):
        """Where the recording stands now, in bytes of whole frames (two channels of 16 bits)."""
        return os.path.getsize(self.recording) // 4 * 4

    def heard(self, since):
        """The levels (left, right) in dBFS from the mark on."""
        with open(self.recording, "rb") as f:
            f.seek(since)
            frames = array.array("h", f.read((self.mark() - since)))
        return level_db(frames[0::2]), level_db(frames[1::2])

    def stop(self):
        self.processes.stop_all()


def silent(heard):
    """Whether every one of the levels (left, right) heard is silence."""
    return all(max(levels) <= SILENCE_DB for levels in heard)


class SoundScenarios(Scenario):
    """The game heard through PulseAudio."""

    def setUp(self):
        super().setUp()
        self.server = SoundServer(os.path.join(self.tmp, "pulse"))
        self.addCleanup(self.server.stop)
        self.game.env = {"PULSE_SERVER": "unix:" + self.server.socket}

    def after_key(self, window, key, times=1):
        """The levels (left, right) of what the key, pressed TIMES, made heard each time."""
        heard = []
        for _ in range(times):
            since = self.server.mark()
            self.game.keys(window, key)
            time.sleep(0.7)
            heard.append(self.server.heard(since))
            log("%s: left %.1f dBFS, right %.1f dBFS" % ((key,) + heard[-1]))
        return heard

    def cues_at_edge(self, window, key, side, tries=50):
        """The cues of KEY against an edge of the healing row, each heard on its own, until one comes from SIDE (0
        left, 1 right). The nearest enemy may stand in the player's column, straight above, for many phases: the
        bands' enemies gather at the edges, where a step outwards leaves them where they are."""
        heard = []
        while len(heard) < tries and not (heard and heard[-1][side] - heard[-1][1 - side] >= SIDE_DB):
            heard += self.after_key(window, key)
        return heard

    def test_sound_cue_and_silence(self):
        """The cue after each step sounds; at the map's left edge every enemy stands to the right and the cue is
        louder on the right, at its right edge the other way round. F4 silences the game; the silence holds at the
        next start and in the settings, and F4 brings the sound back."""
        self.put_settings("[Sound]\nEnemyCue=true\n")
        folder = self.game.new_folder("sound")
        files.put_character(folder)
        map_window = self.start_to_map(folder, folder, "space")

        # The player starts at the healing row's left end, where no enemy goes: a step against an edge is only cued.
        for edge, side, other in (("left", 1, "right"), ("right", 0, "left")):
            if edge == "right":
                with self.game.held():
                    self.game.keys(map_window, *["Right"] * 20)
                time.sleep(1.5)
            heard = self.cues_at_edge(map_window, edge.capitalize(), side)
            self.assertTrue(all(max(h) > SILENCE_DB for h in heard),
                            "a key at the %s edge was not heard: %s" % (edge, heard))
            self.assertTrue(all(h[side] >= h[1 - side] - 0.5 for h in heard)
                            and any(h[side] - h[1 - side] >= SIDE_DB for h in heard),
                            "at the %s edge every enemy is to the %s, but the cue was not louder on the %s: %s"
                            % (edge, other, other, heard))

        self.game.keys(map_window, "F4")
        time.sleep(0.5)
        silenced = self.after_key(map_window, "Right", 2)
        self.assertTrue(silent(silenced), "F4 did not silence the game: %s" % silenced)
        self.close_map_and_wait(map_window)
        self.expect_setting("On=false", "the silence")

        map_window = self.start_to_map(folder, folder, "space")
        again = self.after_key(map_window, "Right", 2)
        self.assertTrue(silent(again), "the next start was not silent: %s" % again)
        self.game.keys(map_window, "F4")
        time.sleep(0.5)
        back = self.after_key(map_window, "Right", 2)
        self.assertFalse(silent(back), "F4 did not bring the sound back: %s" % back)
        self.close_map_and_wait(map_window)
