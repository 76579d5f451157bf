#pragma once

// The one program-wide source of random numbers: uniform single-precision
// values r with 0 <= r < 1, re-seeded from the clock wherever the rules
// say so. Tests script the exact values to be drawn and count draws and
// re-seeds.

#include <QList>

class RandomSource
{
public:
    static float next();
    // Re-seed from the clock.
    static void randomize();

    // Test seam. Scripted values are handed out in order by next(), before
    // the generator is asked again; drawing past the end of a script is
    // counted as an overrun.
    static void script(const QList<float> &values);
    static void clearScript();
    static qsizetype scriptRemaining();
    static int overruns();
    static int draws();
    static int reseeds();
    static void resetCounts();
};
