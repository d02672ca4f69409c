#include "soundpack/dsp/mix.h"

#include <cmath>

namespace soundpack {

void mixInto(Samples& dest, const Samples& source, size_t offsetFrames, double gain) {
    if (dest.size() < offsetFrames + source.size()) {
        dest.resize(offsetFrames + source.size(), 0.0f);
    }
    for (size_t i = 0; i < source.size(); ++i) {
        dest[offsetFrames + i] += static_cast<float>(gain * source[i]);
    }
}

void mixWrapped(Samples& loop, const Samples& source, size_t offsetFrames, double gain) {
    if (loop.empty()) {
        return;
    }
    for (size_t i = 0; i < source.size(); ++i) {
        loop[(offsetFrames + i) % loop.size()] += static_cast<float>(gain * source[i]);
    }
}

Samples scaled(Samples samples, double gain) {
    for (float& sample : samples) {
        sample = static_cast<float>(sample * gain);
    }
    return samples;
}

Samples sumOf(std::initializer_list<Layer> layers) {
    Samples out;
    for (const Layer& layer : layers) {
        mixInto(out, layer.samples, 0, layer.gain);
    }
    return out;
}

Samples silence(int sampleRateHz, double seconds) {
    return Samples(framesFor(seconds, sampleRateHz), 0.0f);
}

Samples joined(const Samples& first, const Samples& next, int sampleRateHz, double gapSeconds) {
    Samples out = first;
    out.resize(first.size() + framesFor(gapSeconds, sampleRateHz), 0.0f);
    out.insert(out.end(), next.begin(), next.end());
    return out;
}

void modulateAmplitude(Samples& samples, const Samples& modulator, double depth) {
    const size_t frames = std::min(samples.size(), modulator.size());
    for (size_t i = 0; i < frames; ++i) {
        samples[i] = static_cast<float>(samples[i] * (1.0 + depth * modulator[i]));
    }
}

void saturate(Samples& samples, double drive) {
    const double norm = std::tanh(drive);
    for (float& sample : samples) {
        sample = static_cast<float>(std::tanh(drive * sample) / norm);
    }
}

} // namespace soundpack
