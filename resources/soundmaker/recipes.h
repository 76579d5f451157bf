#pragma once

// What each of the game's sounds is made of: the effects, heard in the
// middle, and the cues, placed and pitched by the way to the enemy.

#include "resources/soundset.h"
#include "synth.h"

namespace Recipes {

Synth::Stereo effect(SoundSet::Effect effect);

// `place` and `pitch` in cue steps (SoundSet::cueStep): negative is left,
// and lower for an enemy below.
Synth::Stereo cue(int place, int pitch);

Synth::Stereo beside(SoundSet::Beside way);

} // namespace Recipes
