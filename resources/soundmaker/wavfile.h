#pragma once

// Writes a sound as a WAV file: 16-bit PCM, stereo, at SoundSet's rate.

#include "synth.h"

#include <string>

namespace WavFile {

// False when the file cannot be written whole.
bool write(const std::string &path, const Synth::Stereo &sound);

} // namespace WavFile
