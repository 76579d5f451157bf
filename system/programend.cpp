#include "system/programend.h"

#include <cstdio>
#include <cstdlib>

namespace {
ProgramEnd::Handler handler;
}

void ProgramEnd::now(int exitCode)
{
    if (handler) {
        handler(exitCode);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

bool ProgramEnd::after(Outcome outcome)
{
    if (!outcome.ends())
        return false;
    now(outcome.exitCode());
    return true;
}

void ProgramEnd::setHandler(Handler h)
{
    handler = std::move(h);
}

void ProgramEnd::clearHandler()
{
    handler = nullptr;
}
