#include "platform/clock.h"

#include <chrono>

namespace {
QDateTime fixedMoment;
}

QDateTime Clock::now()
{
    return fixedMoment.isValid() ? fixedMoment : QDateTime::currentDateTime();
}

quint64 Clock::seedTicks()
{
    if (fixedMoment.isValid())
        return static_cast<quint64>(fixedMoment.toMSecsSinceEpoch());
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    const auto mono = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<quint64>(std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count())
         ^ (static_cast<quint64>(std::chrono::duration_cast<std::chrono::nanoseconds>(mono).count()) << 17);
}

void Clock::fix(const QDateTime &moment)
{
    fixedMoment = moment;
}

void Clock::release()
{
    fixedMoment = QDateTime();
}

bool Clock::isFixed()
{
    return fixedMoment.isValid();
}
