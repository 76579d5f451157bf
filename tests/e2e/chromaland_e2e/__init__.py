"""The end-to-end scenarios of Chromaland: the real program, started as a
process of its own in a fresh folder under a private display server,
played with synthesized keys and closed the way a user's window manager
would; what it leaves on disk is checked afterwards.

The modules: `processes` (helpers that start, wait for and always end
what they started), `display` (Xvfb with openbox, Weston), `game` (the
game started one way, its windows by kind, its keys), `files` (character
files and folders), `reader` (the accessibility bus, Orca, and the
screen reader's client of the bus), `case` (the test case every scenario
derives from), and one module of scenarios a group: `play`, `faults`,
`wayland`, `screenreader`. `scenarios.txt` beside the package lists them
all; CMake registers one test a line, and the runner (run.py) refuses a
scenario missing from either side.
"""
