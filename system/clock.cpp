#include "system/clock.h"

#include <chrono>

namespace {
// Function-local, so that other files' static initialisers may read the clock.
QDateTime &fixed()
{
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime Clock::now()
{
    return fixed().isValid() ? fixed() : QDateTime::currentDateTime();
}

quint64 Clock::seedTicks()
{
    if (fixed().isValid())
        return static_cast<quint64>(fixed().toMSecsSinceEpoch());
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    const auto mono = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<quint64>(std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count())
        ^ (static_cast<quint64>(std::chrono::duration_cast<std::chrono::nanoseconds>(mono).count()) << 17);
}

void Clock::fix(const QDateTime &moment)
{
    fixed() = moment;
}

void Clock::release()
{
    fixed() = QDateTime();
}
