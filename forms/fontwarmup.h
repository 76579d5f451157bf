#pragma once

// Reads the system's fonts on a thread of its own while the first window is
// being built and mapped, so that its first picture does not wait for the
// font database on the user-interface thread. One object in main(), made
// right after the application object; it waits for its thread when it goes.

#include <thread>

class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

private:
    std::thread m_thread;
};
