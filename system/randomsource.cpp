#include "system/randomsource.h"
#include "system/clock.h"

#include <QtGlobal>

namespace {
// SplitMix64: one 64-bit word of state, so that the re-seed at every enemy
// phase, battle load and turn costs nothing. (A Mersenne Twister spends
// microseconds re-filling 624 words at each of those.)
quint64 &state()
{
    static quint64 s = Clock::seedTicks();
    return s;
}

quint64 nextBits()
{
    quint64 z = (state() += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

QList<float> scripted;
bool scriptActive = false;
int drawCount = 0;
int reseedCount = 0;
int overrunCount = 0;

float fromGenerator()
{
    // 24 random bits make every float of the form k / 2^24, all below 1.
    return static_cast<float>(nextBits() >> 40) * (1.0f / 16777216.0f);
}
} // namespace

float RandomSource::next()
{
    ++drawCount;
    if (scriptActive) {
        if (!scripted.isEmpty())
            return scripted.takeFirst();
        ++overrunCount;
    }
    return fromGenerator();
}

void RandomSource::randomize()
{
    ++reseedCount;
    state() = Clock::seedTicks();
}

void RandomSource::script(const QList<float> &values)
{
    scripted = values;
    scriptActive = true;
}

void RandomSource::clearScript()
{
    scripted.clear();
    scriptActive = false;
}

qsizetype RandomSource::scriptRemaining()
{
    return scripted.size();
}

int RandomSource::overruns()
{
    return overrunCount;
}

int RandomSource::draws()
{
    return drawCount;
}

int RandomSource::reseeds()
{
    return reseedCount;
}

void RandomSource::resetCounts()
{
    drawCount = 0;
    reseedCount = 0;
    overrunCount = 0;
}
