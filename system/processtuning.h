#pragma once

// How the process is tuned for a game with one busy thread, before Qt
// starts: one heap for every thread, and on X11 the window's pixels sent
// over the connection rather than through shared memory. main() calls
// applyBeforeQt() once, before the application object exists.

namespace ProcessTuning {

void applyBeforeQt();

} // namespace ProcessTuning
