#include "soundpack/dsp/biquad.h"

#include <algorithm>
#include <cmath>

namespace soundpack {

namespace {

constexpr double pi = 3.141592653589793;

struct Angle {
    double cosine;
    double alpha;
};

Angle angleOf(int sampleRateHz, double frequencyHz, double q) {
    // Keep the corner below Nyquist so that a recipe written for 22050 Hz still works at 11025 Hz.
    const double limitedHz = std::clamp(frequencyHz, 1.0, 0.45 * sampleRateHz);
    const double w0 = 2.0 * pi * limitedHz / sampleRateHz;
    return {std::cos(w0), std::sin(w0) / (2.0 * q)};
}

BiquadCoefficients normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
    return {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

} // namespace

BiquadCoefficients lowPass(int sampleRateHz, double cutoffHz, double q) {
    const Angle w = angleOf(sampleRateHz, cutoffHz, q);
    const double b1 = 1.0 - w.cosine;
    return normalised(b1 / 2, b1, b1 / 2, 1 + w.alpha, -2 * w.cosine, 1 - w.alpha);
}

BiquadCoefficients highPass(int sampleRateHz, double cutoffHz, double q) {
    const Angle w = angleOf(sampleRateHz, cutoffHz, q);
    const double b1 = 1.0 + w.cosine;
    return normalised(b1 / 2, -b1, b1 / 2, 1 + w.alpha, -2 * w.cosine, 1 - w.alpha);
}

BiquadCoefficients bandPass(int sampleRateHz, double centreHz, double q) {
    const Angle w = angleOf(sampleRateHz, centreHz, q);
    return normalised(w.alpha, 0, -w.alpha, 1 + w.alpha, -2 * w.cosine, 1 - w.alpha);
}

BiquadCoefficients peaking(int sampleRateHz, double centreHz, double q, double gainDb) {
    const Angle w = angleOf(sampleRateHz, centreHz, q);
    const double a = std::pow(10.0, gainDb / 40.0);
    return normalised(1 + w.alpha * a, -2 * w.cosine, 1 - w.alpha * a, 1 + w.alpha / a,
                      -2 * w.cosine, 1 - w.alpha / a);
}

BiquadCoefficients lowShelf(int sampleRateHz, double cornerHz, double gainDb) {
    const Angle w = angleOf(sampleRateHz, cornerHz, 0.7071);
    const double a = std::pow(10.0, gainDb / 40.0);
    const double root = 2 * std::sqrt(a) * w.alpha;
    return normalised(
        a * ((a + 1) - (a - 1) * w.cosine + root), 2 * a * ((a - 1) - (a + 1) * w.cosine),
        a * ((a + 1) - (a - 1) * w.cosine - root), (a + 1) + (a - 1) * w.cosine + root,
        -2 * ((a - 1) + (a + 1) * w.cosine), (a + 1) + (a - 1) * w.cosine - root);
}

BiquadCoefficients highShelf(int sampleRateHz, double cornerHz, double gainDb) {
    const Angle w = angleOf(sampleRateHz, cornerHz, 0.7071);
    const double a = std::pow(10.0, gainDb / 40.0);
    const double root = 2 * std::sqrt(a) * w.alpha;
    return normalised(
        a * ((a + 1) + (a - 1) * w.cosine + root), -2 * a * ((a - 1) + (a + 1) * w.cosine),
        a * ((a + 1) + (a - 1) * w.cosine - root), (a + 1) - (a - 1) * w.cosine + root,
        2 * ((a - 1) - (a + 1) * w.cosine), (a + 1) - (a - 1) * w.cosine - root);
}

void filterInPlace(Samples& samples, const BiquadCoefficients& coefficients) {
    Biquad filter(coefficients);
    for (float& sample : samples) {
        sample = filter.process(sample);
    }
}

Samples filtered(Samples samples, const BiquadCoefficients& coefficients) {
    filterInPlace(samples, coefficients);
    return samples;
}

Samples sweptBandPass(const Samples& in, int sampleRateHz, double q,
                      const std::function<double(size_t)>& centreHzAt) {
    constexpr size_t retuneFrames = 32;
    Biquad filter(bandPass(sampleRateHz, centreHzAt(0), q));
    Samples out(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        if (i % retuneFrames == 0) {
            filter.setCoefficients(bandPass(sampleRateHz, centreHzAt(i), q));
        }
        out[i] = filter.process(in[i]);
    }
    return out;
}

} // namespace soundpack
