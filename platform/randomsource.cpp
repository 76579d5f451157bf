#include "platform/randomsource.h"
#include "platform/clock.h"

#include <QRandomGenerator>

namespace {
QRandomGenerator &generator()
{
    static QRandomGenerator g(static_cast<quint32>(Clock::seedTicks()));
    return g;
}
QList<float> scripted;
bool scriptActive = false;
int drawCount = 0;
int reseedCount = 0;
int overrunCount = 0;

float fromGenerator()
{
    // 24 random bits make every float of the form k / 2^24, all below 1.
    return static_cast<float>(generator().generate() >> 8) * (1.0f / 16777216.0f);
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
    const quint64 ticks = Clock::seedTicks();
    generator().seed(static_cast<quint32>(ticks ^ (ticks >> 32)));
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
