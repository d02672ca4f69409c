// The float mix as the PCM samples of a WAV file or primary buffer: rounded to the nearest step
// and clipped, never dithered, so that the same mix always gives the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::audio {

// 8 bits: unsigned around 128; 16 bits: signed little-endian. Full scale is ±1.0.
void convertToPcm(const float* samples, size_t sampleCount, unsigned bitsPerSample, uint8_t* out);

} // namespace platform::audio
