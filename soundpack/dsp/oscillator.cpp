#include "soundpack/dsp/oscillator.h"

#include <cmath>

namespace soundpack {

namespace {

constexpr double twoPi = 6.283185307179586;

// Residual that removes the aliasing step of a discontinuity at phase 0 (t and dt in cycles).
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

} // namespace

FrequencyCurve glideHz(double fromHz, double toHz, size_t frames) {
    const double ratio = toHz / fromHz;
    return [fromHz, toHz, ratio, frames](size_t frame) {
        if (frame >= frames || frames == 0) {
            return toHz;
        }
        return fromHz * std::pow(ratio, static_cast<double>(frame) / static_cast<double>(frames));
    };
}

Samples sine(int sampleRateHz, size_t frames, const FrequencyCurve& hz, double startPhase) {
    Samples out(frames);
    double phase = startPhase;
    for (size_t i = 0; i < frames; ++i) {
        out[i] = static_cast<float>(std::sin(twoPi * phase));
        phase += hz(i) / sampleRateHz;
        phase -= std::floor(phase);
    }
    return out;
}

Samples saw(int sampleRateHz, size_t frames, const FrequencyCurve& hz, double startPhase) {
    Samples out(frames);
    double phase = startPhase;
    for (size_t i = 0; i < frames; ++i) {
        const double step = hz(i) / sampleRateHz;
        out[i] = static_cast<float>(2.0 * phase - 1.0 - polyBlep(phase, step));
        phase += step;
        phase -= std::floor(phase);
    }
    return out;
}

Samples square(int sampleRateHz, size_t frames, const FrequencyCurve& hz) {
    Samples out(frames);
    double phase = 0.0;
    for (size_t i = 0; i < frames; ++i) {
        const double step = hz(i) / sampleRateHz;
        double value = phase < 0.5 ? 1.0 : -1.0;
        value += polyBlep(phase, step);
        double shifted = phase + 0.5;
        shifted -= std::floor(shifted);
        value -= polyBlep(shifted, step);
        out[i] = static_cast<float>(value);
        phase += step;
        phase -= std::floor(phase);
    }
    return out;
}

Samples modalRing(int sampleRateHz, double seconds, const std::vector<Partial>& partials) {
    const size_t frames = framesFor(seconds, sampleRateHz);
    Samples out(frames, 0.0f);
    for (const Partial& partial : partials) {
        if (partial.hz >= 0.5 * sampleRateHz) {
            continue;
        }
        // -60 dB after decaySeconds: amplitude factor per frame.
        const double perFrame = std::pow(10.0, -3.0 / (partial.decaySeconds * sampleRateHz));
        const double step = twoPi * partial.hz / sampleRateHz;
        double amplitude = partial.amplitude;
        for (size_t i = 0; i < frames; ++i) {
            out[i] += static_cast<float>(amplitude * std::sin(step * static_cast<double>(i)));
            amplitude *= perFrame;
        }
    }
    return out;
}

} // namespace soundpack
