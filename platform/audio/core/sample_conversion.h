// The float mix as the PCM samples of a WAV file or primary buffer: rounded to the nearest step
// and clipped, never dithered, so that the same mix always gives the same bytes. And the PCM of
// a secondary buffer in the one or two channels of 8 or 16 bits that every mixer takes.
#pragma once

#include "platform/audio/dsound.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform::audio {

// 8 bits: unsigned around 128; 16, 24 and 32 bits: signed little-endian. Full scale is ±1.0.
void convertToPcm(const float* samples, size_t sampleCount, unsigned bitsPerSample, uint8_t* out);

// One or two channels of 8 or 16 bits.
bool isCommonPcm(const WAVEFORMATEX& format);

// Other PCM as 16-bit samples: one channel stays one, two or more become two, the left the mean
// of the even-numbered channels (front left, centre, back left, ...) and the right the mean of
// the odd-numbered ones. Returns the format of `out`; a trailing partial frame is dropped.
WAVEFORMATEX convertToCommonPcm(const uint8_t* data, size_t bytes, const WAVEFORMATEX& format,
                                std::vector<uint8_t>& out);

} // namespace platform::audio
