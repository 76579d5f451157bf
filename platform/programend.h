#pragma once

// Ending the program at once, from any handler: whatever was written is
// already closed (saves go through SafeFile), standard streams are
// flushed, and no further window event runs. now() never returns: the
// program exits, or, with a test handler installed, the handler records
// the end and now() throws Ended, which unwinds to the test.

#include <functional>

class ProgramEnd
{
public:
    [[noreturn]] static void now(int exitCode = 0);

    // What now() throws under a test handler.
    struct Ended
    {
        int exitCode;
    };

    using Handler = std::function<void(int exitCode)>;
    static void setHandler(Handler handler);
    static void clearHandler();
};
