"""The end-to-end scenarios of Chromaland: the real program, started as a
process of its own in a fresh folder under a private display server,
played with synthesized keys and closed the way a user's window manager
would; what it leaves on disk is checked afterwards.

The modules: `facts` (the game's fixed facts as seen from outside, which
the bench reads too), `processes` (helpers that start, wait for and
always end what they started; the log), `display` (Xvfb with openbox,
Weston), `game` (the game started one way, its windows by kind, its
keys), `files` (character files and folders, the characters played),
`a11y` (the accessibility bus, Orca and what it said), `orcalog` (Orca
run for a scenario), `reader` (the screen reader's client of the bus),
`playbyear` (a blind player, by Orca's speech alone), `case` (the test
case every scenario derives from), one module of scenarios a group:
`play`, `faults`, `wayland`, `screenreader`, and `installed` (the
installed game, run by tests/pkg/play.py). `scenarios.txt` beside the
package lists the groups' scenarios; CMake registers one test a line,
and the runner (run.py) refuses a scenario missing from either side.
"""
