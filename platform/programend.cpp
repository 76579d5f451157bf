#include "platform/programend.h"

#include <cstdio>
#include <cstdlib>

namespace {
ProgramEnd::Handler handler;
bool ended = false;
}

void ProgramEnd::now(int exitCode)
{
    ended = true;
    if (handler) {
        handler(exitCode);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

bool ProgramEnd::hasEnded()
{
    return ended;
}

void ProgramEnd::setHandler(Handler h)
{
    handler = std::move(h);
}

void ProgramEnd::reset()
{
    handler = nullptr;
    ended = false;
}
