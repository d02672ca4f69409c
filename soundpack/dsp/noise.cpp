#include "soundpack/dsp/noise.h"

#include "soundpack/dsp/biquad.h"

#include <cmath>

namespace soundpack {

Samples whiteNoise(RandomSource& random, size_t frames) {
    Samples out(frames);
    for (float& sample : out) {
        sample = static_cast<float>(random.bipolar());
    }
    return out;
}

Samples pinkNoise(RandomSource& random, size_t frames) {
    Samples out(frames);
    double b0 = 0, b1 = 0, b2 = 0, b3 = 0, b4 = 0, b5 = 0, b6 = 0;
    for (float& sample : out) {
        const double white = random.bipolar();
        b0 = 0.99886 * b0 + white * 0.0555179;
        b1 = 0.99332 * b1 + white * 0.0750759;
        b2 = 0.96900 * b2 + white * 0.1538520;
        b3 = 0.86650 * b3 + white * 0.3104856;
        b4 = 0.55000 * b4 + white * 0.5329522;
        b5 = -0.7616 * b5 - white * 0.0168980;
        sample = static_cast<float>((b0 + b1 + b2 + b3 + b4 + b5 + b6 + white * 0.5362) * 0.18);
        b6 = white * 0.115926;
    }
    return out;
}

Samples brownNoise(RandomSource& random, size_t frames) {
    Samples out(frames);
    double level = 0.0;
    for (float& sample : out) {
        // The leak keeps the walk from drifting away while leaving the spectrum brown above 5 Hz.
        level = 0.998 * level + 0.06 * random.bipolar();
        sample = static_cast<float>(level);
    }
    return out;
}

Samples wanderingControl(RandomSource& random, size_t frames, int sampleRateHz, double rateHz) {
    Samples control = whiteNoise(random, frames);
    const BiquadCoefficients smooth = lowPass(sampleRateHz, rateHz, 0.7071);
    filterInPlace(control, smooth);
    filterInPlace(control, smooth);
    double sumSquares = 0.0;
    for (float v : control) {
        sumSquares += static_cast<double>(v) * v;
    }
    const double rms = frames == 0 ? 0.0 : std::sqrt(sumSquares / static_cast<double>(frames));
    if (rms > 0.0) {
        for (float& v : control) {
            v = static_cast<float>(v / (2.0 * rms));
        }
    }
    return control;
}

Samples crackle(RandomSource& random, size_t frames, int sampleRateHz, double perSecond) {
    Samples out(frames, 0.0f);
    const double chance = perSecond / sampleRateHz;
    for (float& sample : out) {
        if (random.uniform() < chance) {
            const double height = 0.3 + 0.7 * random.uniform();
            sample = static_cast<float>(random.uniform() < 0.5 ? -height : height);
        }
    }
    return out;
}

} // namespace soundpack
