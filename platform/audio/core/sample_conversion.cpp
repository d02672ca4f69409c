#include "platform/audio/core/sample_conversion.h"

#include <algorithm>
#include <cmath>

namespace platform::audio {

namespace {
int quantized(float sample, float fullScale) {
    if (std::isnan(sample))
        return 0;
    return int(std::clamp(std::nearbyint(sample * fullScale), -fullScale, fullScale - 1.0f));
}
} // namespace

void convertToPcm(const float* samples, size_t sampleCount, unsigned bitsPerSample, uint8_t* out) {
    if (bitsPerSample == 8) {
        for (size_t index = 0; index < sampleCount; ++index)
            out[index] = uint8_t(quantized(samples[index], 128.0f) + 128);
        return;
    }
    for (size_t index = 0; index < sampleCount; ++index) {
        const auto value = uint16_t(int16_t(quantized(samples[index], 32768.0f)));
        out[2 * index] = uint8_t(value & 0xFF);
        out[2 * index + 1] = uint8_t(value >> 8);
    }
}

} // namespace platform::audio
