#pragma once

// Ending the program at once, from any handler: whatever was written is
// already closed (saves go through QSaveFile), standard streams are
// flushed, and no further window event runs. Tests install a handler
// that records the end instead; code that calls now() must return
// straight after it, since under a test handler it does return.

#include <functional>

class ProgramEnd
{
public:
    static void now(int exitCode = 0);
    static bool hasEnded();

    using Handler = std::function<void(int exitCode)>;
    static void setHandler(Handler handler);
    // Forget a recorded end and drop the handler.
    static void reset();
};
