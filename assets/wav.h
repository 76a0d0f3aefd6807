#pragma once

#include <cstddef>
#include <vector>

namespace vh::assets {

constexpr int kSampleRate = 44100;

// Sound in floating point, -1..1, channels interleaved.
struct Sound {
    int channels = 1;
    std::vector<float> samples;

    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};

// RIFF/WAVE, 16-bit PCM at 44.1 kHz: "fmt " and "data" chunks, nothing else.
// Samples are clamped to the 16-bit range and rounded to the nearest step.
std::vector<std::byte> encodeWav(const Sound& sound);

} // namespace vh::assets
