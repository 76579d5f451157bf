#include "wavfile.h"

#include "resources/soundset.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace WavFile {

namespace {

// The file's numbers are little-endian whatever the machine.
void put(std::string &bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += char((value >> (8 * i)) & 0xFF);
}

std::int16_t pcm(float sample)
{
    return std::int16_t(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
}

} // namespace

bool write(const std::string &path, const Synth::Stereo &sound)
{
    using namespace SoundSet;
    const std::size_t frames = std::min(sound.left.size(), sound.right.size());
    const std::uint32_t blockAlign = Channels * BitsPerSample / 8;
    const std::uint32_t dataBytes = std::uint32_t(frames * blockAlign);

    std::string bytes = "RIFF";
    put(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    put(bytes, 16, 4);
    put(bytes, 1, 2); // PCM
    put(bytes, Channels, 2);
    put(bytes, SampleRate, 4);
    put(bytes, SampleRate * blockAlign, 4);
    put(bytes, blockAlign, 2);
    put(bytes, BitsPerSample, 2);
    bytes += "data";
    put(bytes, dataBytes, 4);
    for (std::size_t i = 0; i < frames; ++i) {
        put(bytes, std::uint16_t(pcm(sound.left[i])), 2);
        put(bytes, std::uint16_t(pcm(sound.right[i])), 2);
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    file.close();
    return bool(file);
}

} // namespace WavFile
