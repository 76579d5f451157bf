#include "platform/programend.h"

#include <cstdio>
#include <cstdlib>

namespace {
ProgramEnd::Handler handler;
}

void ProgramEnd::now(int exitCode)
{
    if (handler) {
        handler(exitCode);
        throw Ended{exitCode};
    }
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void ProgramEnd::setHandler(Handler h)
{
    handler = std::move(h);
}

void ProgramEnd::clearHandler()
{
    handler = nullptr;
}
