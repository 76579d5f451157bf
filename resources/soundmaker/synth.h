#pragma once

// The sound maker's instruments: a sound is a run of samples from -1 to 1
// at SoundSet::SampleRate, made of tones and noise, each with a quick
// start and a fading end, laid one over another. Plain functions of
// numbers; the same numbers always make the same samples.

#include <vector>

namespace Synth {

using Samples = std::vector<float>;

enum class Wave { Sine, Triangle, Square };

// A tone gliding from `from` to `to` hertz over `seconds`, dying away at
// `decay` (per second, exponential) after an attack of `attack` seconds.
Samples tone(double from, double to, double seconds, Wave wave, double decay, double attack = 0.004);

// Noise over `seconds`: `brightness` from 0 (a rumble) to 1 (a hiss), the
// same envelope as a tone.
Samples noise(double seconds, double brightness, double decay, double attack = 0.004);

// Lays `part` into `into` from `at` seconds on, `gain` times as loud,
// making `into` longer as needed.
void mixAt(Samples &into, const Samples &part, double at, double gain = 1.0);

// Scales the sound to an even loudness: its root mean square `rms`, unless
// its loudest sample would then pass `peak`, where it stops.
void level(Samples &sound, double rms, double peak);

// The sound placed between the ears: `place` from -1 (left only) to 1
// (right only), as left and right samples of even loudness overall.
struct Stereo
{
    Samples left;
    Samples right;
};
Stereo placed(const Samples &sound, double place);

} // namespace Synth
