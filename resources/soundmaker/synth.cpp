#include "synth.h"

#include "resources/soundset.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace Synth {

namespace {

constexpr double Pi = 3.14159265358979323846;
// Every sound's last few milliseconds fade to nothing, so that none ends
// with a click.
constexpr double FadeOut = 0.008;

std::size_t sampleCount(double seconds)
{
    return std::size_t(std::lround(seconds * SoundSet::SampleRate));
}

double envelope(double t, double seconds, double decay, double attack)
{
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    const double fall = std::exp(-decay * std::max(0.0, t - attack));
    const double end = std::min(1.0, (seconds - t) / FadeOut);
    return rise * fall * std::max(0.0, end);
}

double waveAt(Wave wave, double phase)
{
    const double cycle = phase - std::floor(phase);
    switch (wave) {
    case Wave::Sine:
        return std::sin(2 * Pi * cycle);
    case Wave::Triangle:
        return cycle < 0.5 ? 4 * cycle - 1 : 3 - 4 * cycle;
    case Wave::Square:
        // Softened: its edges take a twentieth of the cycle.
        return std::clamp(std::sin(2 * Pi * cycle) * 8, -1.0, 1.0);
    }
    return 0;
}

} // namespace

Samples tone(double from, double to, double seconds, Wave wave, double decay, double attack)
{
    Samples sound(sampleCount(seconds));
    double phase = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = double(i) / SoundSet::SampleRate;
        // The pitch glides evenly on a musical scale.
        const double frequency = from * std::pow(to / from, t / seconds);
        sound[i] = float(waveAt(wave, phase) * envelope(t, seconds, decay, attack));
        phase += frequency / SoundSet::SampleRate;
    }
    return sound;
}

Samples noise(double seconds, double brightness, double decay, double attack)
{
    Samples sound(sampleCount(seconds));
    // A fixed seed: the same files at every build.
    std::uint32_t state = 20260101u;
    double smooth = 0;
    const double keep = 1.0 - std::clamp(brightness, 0.01, 1.0);
    for (std::size_t i = 0; i < sound.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = double(state >> 8) / double(1u << 24) * 2 - 1;
        smooth = keep * smooth + (1 - keep) * white;
        const double t = double(i) / SoundSet::SampleRate;
        sound[i] = float(smooth * envelope(t, seconds, decay, attack));
    }
    return sound;
}

void mixAt(Samples &into, const Samples &part, double at, double gain)
{
    const std::size_t start = sampleCount(at);
    if (into.size() < start + part.size())
        into.resize(start + part.size(), 0.0f);
    for (std::size_t i = 0; i < part.size(); ++i)
        into[start + i] += float(part[i] * gain);
}

void level(Samples &sound, double rms, double peak)
{
    double loudest = 0;
    double power = 0;
    for (float sample : sound) {
        loudest = std::max(loudest, double(std::fabs(sample)));
        power += double(sample) * sample;
    }
    if (loudest <= 0)
        return;
    const double gain = std::min(rms / std::sqrt(power / double(sound.size())), peak / loudest);
    for (float &sample : sound)
        sample = float(sample * gain);
}

Stereo placed(const Samples &sound, double place)
{
    // Even power: the sound is as loud in the middle as at either side.
    const double angle = (std::clamp(place, -1.0, 1.0) + 1) * Pi / 4;
    Stereo stereo{sound, sound};
    for (float &sample : stereo.left)
        sample = float(sample * std::cos(angle) * std::sqrt(2.0));
    for (float &sample : stereo.right)
        sample = float(sample * std::sin(angle) * std::sqrt(2.0));
    return stereo;
}

} // namespace Synth
