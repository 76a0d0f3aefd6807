#include "assets/wav.h"

#include "assets/byte_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vh::assets {

std::vector<std::byte> encodeWav(const Sound& sound) {
    const auto channels = static_cast<std::uint16_t>(sound.channels);
    const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * 2);
    ByteWriter out;
    out.tag("RIFF");
    out.u32(4 + 8 + 16 + 8 + dataBytes);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1); // PCM
    out.u16(channels);
    out.u32(kSampleRate);
    out.u32(static_cast<std::uint32_t>(kSampleRate) * channels * 2u); // bytes per second
    out.u16(static_cast<std::uint16_t>(channels * 2u));               // bytes per frame
    out.u16(16);
    out.tag("data");
    out.u32(dataBytes);
    for (float sample : sound.samples) {
        const float scaled = std::round(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        out.i16(static_cast<std::int16_t>(scaled));
    }
    return std::move(out.bytes());
}

} // namespace vh::assets
