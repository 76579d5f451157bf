"""The end-to-end scenarios of Chromaland: the real program, started in a fresh folder under a private display
server, played with synthesized keys and closed as a user's window manager would; what it leaves on disk is checked
afterwards. `case` is the test case every scenario derives from; `play`, `faults`, `wayland`, `screenreader`,
`controller` and `sound` hold the scenarios, one module a group, which scenarios.txt beside the package lists (CMake
registers one test a line; run.py refuses a scenario missing from either side); `installed` plays the installed game
for tests/pkg/play.py. Every module says what it holds."""
