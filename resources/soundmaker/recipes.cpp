#include "recipes.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace Recipes {

namespace {

using SoundSet::Effect;
using Synth::mixAt;
using Synth::noise;
using Synth::Samples;
using Synth::tone;
using Synth::Wave;

// Loud enough to be heard, quiet enough beside a reader's speech: every
// sound about as loud as another (-21 dBFS root mean square, the small
// ones -23), none with a sample above -9 dBFS.
constexpr double Loudness = 0.089;
constexpr double SmallLoudness = 0.071;
constexpr double Peak = 0.35;

// A run of short notes, `gap` seconds apart.
Samples notes(std::initializer_list<double> pitches, double gap, double length, Wave wave, double decay)
{
    Samples sound;
    double at = 0;
    for (double pitch : pitches) {
        mixAt(sound, tone(pitch, pitch, length, wave, decay), at);
        at += gap;
    }
    return sound;
}

Samples mixed(std::initializer_list<std::pair<Samples, double>> parts)
{
    Samples sound;
    for (const auto &[part, at] : parts)
        mixAt(sound, part, at);
    return sound;
}

Samples effectSamples(Effect effect)
{
    switch (effect) {
    case Effect::HealingRow: // two soft rising notes
        return notes({523.3, 784.0}, 0.08, 0.16, Wave::Sine, 14);
    case Effect::Healed: // a light upward ripple
        return notes({659.3, 880.0, 1046.5}, 0.05, 0.12, Wave::Sine, 18);
    case Effect::EnemyBeside: // two low knocks
        return notes({220.0, 220.0}, 0.11, 0.09, Wave::Square, 14);
    case Effect::EnemyOnSquare: // three falling knocks, closer together
        return mixed({{tone(262, 196, 0.08, Wave::Square, 12), 0},
                      {tone(262, 196, 0.08, Wave::Square, 12), 0.09},
                      {tone(262, 196, 0.08, Wave::Square, 12), 0.18}});
    case Effect::BattleOpens: // a clash over a falling drum
        return mixed({{noise(0.30, 0.6, 9), 0},
                      {tone(110, 73, 0.38, Wave::Triangle, 5), 0},
                      {tone(330, 311, 0.20, Wave::Square, 10), 0.04}});
    case Effect::YourHit: // a sharp thump
        return mixed({{noise(0.12, 0.5, 30), 0}, {tone(200, 90, 0.13, Wave::Sine, 22), 0}});
    case Effect::YourMiss: // a swish that swells and goes
        return noise(0.22, 0.3, 14, 0.08);
    case Effect::Blast: // a falling zap
        return mixed({{tone(1400, 300, 0.28, Wave::Square, 7), 0}, {tone(700, 150, 0.28, Wave::Sine, 6), 0}});
    case Effect::Heal: // a warm rise
        return mixed(
            {{tone(392, 784, 0.30, Wave::Sine, 4, 0.03), 0}, {tone(588, 1176, 0.27, Wave::Triangle, 5, 0.03), 0.03}});
    case Effect::EnemyHit: // a low thud
        return mixed({{tone(120, 55, 0.18, Wave::Sine, 16), 0}, {noise(0.10, 0.12, 25), 0}});
    case Effect::EnemyMiss: // a short high swish
        return noise(0.15, 0.8, 22, 0.04);
    case Effect::Win: // a rising chord, note by note
        return notes({523.3, 659.3, 784.0, 1046.5}, 0.09, 0.22, Wave::Triangle, 8);
    case Effect::SkillWrap: // bells, and a sparkle
        return mixed(
            {{notes({1046.5, 1318.5, 1568.0, 2093.0}, 0.06, 0.3, Wave::Sine, 7), 0}, {noise(0.35, 0.95, 10), 0.05}});
    case Effect::PointSpent: // a click upward
        return tone(880, 1320, 0.06, Wave::Sine, 30);
    case Effect::Death: // three falling notes, the last one long
        return mixed({{tone(392, 370, 0.25, Wave::Triangle, 5), 0},
                      {tone(330, 311, 0.25, Wave::Triangle, 5), 0.22},
                      {tone(262, 196, 0.36, Wave::Triangle, 4), 0.44}});
    }
    return {};
}

// A cue's pitch: 660 Hz level with the player, three semitones a step.
double cuePitch(int pitch)
{
    return 660.0 * std::pow(2.0, 3.0 * pitch / 12.0);
}

// A cue's place: the last step is nearly all to one side, with enough in
// the other ear to be heard with one ear alone.
double cuePlace(int place)
{
    return 0.85 * place / SoundSet::CueSteps;
}

} // namespace

Synth::Stereo effect(Effect effect)
{
    Samples sound = effectSamples(effect);
    const bool small = effect == Effect::PointSpent || effect == Effect::Healed;
    Synth::level(sound, small ? SmallLoudness : Loudness, Peak);
    return Synth::placed(sound, 0);
}

Synth::Stereo cue(int place, int pitch)
{
    const double f = cuePitch(pitch);
    Samples sound = tone(f, f, 0.09, Wave::Sine, 20);
    Synth::level(sound, SmallLoudness, Peak);
    return Synth::placed(sound, cuePlace(place));
}

// Beside: two quick knocks rather than one pip, at the side the enemy is
// on, or in the middle and higher or lower for one above or below.
Synth::Stereo beside(SoundSet::Beside way)
{
    using SoundSet::Beside;
    const int place = way == Beside::Left ? -SoundSet::CueSteps : way == Beside::Right ? SoundSet::CueSteps : 0;
    const int pitch = way == Beside::Up ? 2 : way == Beside::Down ? -2 : 0;
    const double f = cuePitch(pitch);
    Samples sound = notes({f, f}, 0.07, 0.06, Wave::Triangle, 25);
    Synth::level(sound, SmallLoudness, Peak);
    return Synth::placed(sound, cuePlace(place));
}

} // namespace Recipes
