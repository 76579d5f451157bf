#include "forms/fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

// The database is read once per run and guarded by Qt's own lock: a window
// that needs a font before the thread is done waits for it there, and reads
// nothing twice.
FontWarmUp::FontWarmUp()
    : m_thread([] { QFontDatabase::families(); })
{
}

FontWarmUp::~FontWarmUp()
{
    m_thread.join();
}
