#include "platform/audio/core/sample_conversion.h"

#include <algorithm>
#include <cmath>

namespace platform::audio {

namespace {
int64_t quantized(float sample, double fullScale) {
    if (std::isnan(sample))
        return 0;
    return int64_t(
        std::clamp(std::nearbyint(double(sample) * fullScale), -fullScale, fullScale - 1.0));
}

void putLittleEndian(uint64_t value, unsigned bytes, uint8_t* out) {
    for (unsigned index = 0; index < bytes; ++index)
        out[index] = uint8_t((value >> (8 * index)) & 0xFF);
}

// One stored sample at full scale ±1.0.
float sampleAt(const uint8_t* at, unsigned bitsPerSample) {
    switch (bitsPerSample) {
    case 8:
        return float(int(at[0]) - 128) / 128.0f;
    case 16:
        return float(int16_t(uint16_t(at[0] | at[1] << 8))) / 32768.0f;
    case 24:
        return float(int32_t(uint32_t(at[0] << 8 | at[1] << 16 | uint32_t(at[2]) << 24)) >> 8) /
               8388608.0f;
    default:
        return float(
            double(int32_t(uint32_t(at[0] | at[1] << 8 | at[2] << 16 | uint32_t(at[3]) << 24))) /
            2147483648.0);
    }
}
} // namespace

void convertToPcm(const float* samples, size_t sampleCount, unsigned bitsPerSample, uint8_t* out) {
    if (bitsPerSample == 8) {
        for (size_t index = 0; index < sampleCount; ++index)
            out[index] = uint8_t(quantized(samples[index], 128.0) + 128);
        return;
    }
    if (bitsPerSample == 16) {
        // The usual output, in single precision: scaling by a power of two is exact in either.
        for (size_t index = 0; index < sampleCount; ++index) {
            const float sample = samples[index];
            const auto value =
                std::isnan(sample)
                    ? int16_t(0)
                    : int16_t(std::clamp(std::nearbyint(sample * 32768.0f), -32768.0f, 32767.0f));
            out[2 * index] = uint8_t(uint16_t(value) & 0xFF);
            out[2 * index + 1] = uint8_t(uint16_t(value) >> 8);
        }
        return;
    }
    const unsigned bytes = bitsPerSample / 8;
    const double fullScale = std::ldexp(1.0, int(bitsPerSample) - 1);
    for (size_t index = 0; index < sampleCount; ++index)
        putLittleEndian(uint64_t(quantized(samples[index], fullScale)), bytes, out + index * bytes);
}

bool isCommonPcm(const WAVEFORMATEX& format) {
    return (format.nChannels == 1 || format.nChannels == 2) &&
           (format.wBitsPerSample == 8 || format.wBitsPerSample == 16);
}

WAVEFORMATEX convertToCommonPcm(const uint8_t* data, size_t bytes, const WAVEFORMATEX& format,
                                std::vector<uint8_t>& out) {
    const unsigned channels = format.nChannels;
    const unsigned sampleBytes = format.wBitsPerSample / 8u;
    const unsigned outChannels = channels == 1 ? 1 : 2;
    const size_t frameBytes = size_t(channels) * sampleBytes;
    const size_t frames = frameBytes == 0 ? 0 : bytes / frameBytes;
    std::vector<float> mixed(frames * outChannels);
    for (size_t frame = 0; frame < frames; ++frame) {
        float sums[2] = {0.0f, 0.0f};
        for (unsigned channel = 0; channel < channels; ++channel)
            sums[channel % outChannels] +=
                sampleAt(data + frame * frameBytes + channel * sampleBytes, format.wBitsPerSample);
        for (unsigned side = 0; side < outChannels; ++side) {
            const unsigned count = (channels + outChannels - 1 - side) / outChannels;
            mixed[frame * outChannels + side] = sums[side] / float(count);
        }
    }
    out.resize(mixed.size() * 2);
    convertToPcm(mixed.data(), mixed.size(), 16, out.data());
    const WORD blockAlign = WORD(outChannels * 2);
    return {WAVE_FORMAT_PCM,
            WORD(outChannels),
            format.nSamplesPerSec,
            format.nSamplesPerSec * blockAlign,
            blockAlign,
            16,
            0};
}

} // namespace platform::audio
