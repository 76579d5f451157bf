"""A game controller for the real program: the library virtualpad.c (built beside the tests as
chromaland-virtualpad.so) loaded into the game with LD_PRELOAD, which attaches one of SDL's virtual controllers when
the game starts its controller support, and a FIFO through which a scenario works its buttons and stick in SDL's own
names ("a", "start", "dpright", "leftx")."""

import os

from .processes import log, wait_until


class VirtualPad:
    """One controller for the games started with its environment (env); opened() says when the game has taken it
    up, and from then on press() and walk() work it."""

    def __init__(self, exe, folder):
        self.library = os.path.join(os.path.dirname(os.path.abspath(exe)), "tests", "e2e", "chromaland-virtualpad.so")
        if not os.path.exists(self.library):
            raise AssertionError("no virtual controller library at %s (it is built with the tests)" % self.library)
        self.folder = os.path.join(folder, "virtualpad")
        os.makedirs(self.folder)
        control = os.path.join(self.folder, "control")
        os.mkfifo(control)
        # Read and write: never waits for the game's end to be there.
        self.control = os.open(control, os.O_RDWR)
        self.env = {"LD_PRELOAD": self.library, "CHROMALAND_VIRTUALPAD": self.folder}

    def close(self):
        os.close(self.control)

    def opened(self, game, seconds):
        """Waits until GAME has opened the controller's node (once the title has painted its first picture)."""
        node = os.path.join(self.folder, "pad")
        fds = "/proc/%d/fd" % game.pid

        def has_it():
            game.alive("the game to open the controller")
            try:
                return any(os.readlink(os.path.join(fds, fd)) == node for fd in os.listdir(fds))
            except OSError:
                # A descriptor closed meanwhile: asked again at the next look.
                return False
        if not wait_until(has_it, seconds):
            raise AssertionError("the game did not open the virtual controller within %d s" % seconds)

    def press(self, *buttons):
        """Each button down and up again, one after another."""
        log("controller: " + " ".join(buttons))
        os.write(self.control, "".join("%s down\n%s up\n" % (button, button) for button in buttons).encode())

    def walk(self, keys):
        """The arrow keys ("Up") as d-pad presses ("dpup")."""
        self.press(*["dp" + key.lower() for key in keys])
