#pragma once

// The game's clock: the date and time for the "Saved: " line and the death
// archive's name, and the ticks that re-seed the random source. Tests fix
// it to an exact moment; release() returns to the system clock.

#include <QDateTime>

class Clock
{
public:
    static QDateTime now();
    // A value that changes from one call to the next in normal running;
    // under a fixed clock it is derived from the fixed moment alone.
    static quint64 seedTicks();

    static void fix(const QDateTime &moment);
    static void release();
};
