#include "forms/fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

#include <future>

// The database is read once per run and guarded by Qt's own lock: a window
// that needs a font before the thread is done waits for it there, and reads
// nothing twice.
FontWarmUp::FontWarmUp()
{
    std::promise<void> started;
    std::future<void> running = started.get_future();
    m_thread = std::thread([started = std::move(started)]() mutable {
        started.set_value();
        QFontDatabase::families();
    });
    // Once running, the thread takes the database long before the title can
    // need a font. On a busy machine it might otherwise not run until the
    // title's first paint had read the fonts here after all.
    running.wait();
}

FontWarmUp::~FontWarmUp()
{
    m_thread.join();
}
