#pragma once

// Ending the program at once: whatever was written is already closed
// (saves go through SafeFile), standard streams are flushed, and no further
// window event runs. Only the top-level handlers call now(), as the last
// thing they do, with the exit code an Outcome carries up to them. Under a
// test handler now() records the end and returns, and the handler that
// called it returns too.

#include "system/outcome.h"

#include <functional>

class ProgramEnd
{
public:
    static void now(int exitCode = 0);
    // Ends the program when the outcome says so; returns whether it did.
    static bool after(Outcome outcome);

    using Handler = std::function<void(int exitCode)>;
    static void setHandler(Handler handler);
    static void clearHandler();
};
