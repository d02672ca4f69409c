#include "soundpack/dsp/envelope.h"

#include <algorithm>
#include <cmath>

namespace soundpack {

namespace {

constexpr double pi = 3.141592653589793;

double perFrameFactor(double secondsTo60Db, int sampleRateHz) {
    return std::pow(10.0, -3.0 / (std::max(secondsTo60Db, 1e-4) * sampleRateHz));
}

} // namespace

Samples percussiveEnvelope(int sampleRateHz, size_t frames, double attackSeconds,
                           double decaySeconds) {
    Samples out(frames);
    const size_t attackFrames = std::max<size_t>(1, framesFor(attackSeconds, sampleRateHz));
    const double fall = perFrameFactor(decaySeconds, sampleRateHz);
    double level = 1.0;
    for (size_t i = 0; i < frames; ++i) {
        if (i < attackFrames) {
            out[i] = static_cast<float>(static_cast<double>(i) / static_cast<double>(attackFrames));
        } else {
            out[i] = static_cast<float>(level);
            level *= fall;
        }
    }
    return out;
}

Samples adsrEnvelope(int sampleRateHz, size_t frames, const Adsr& shape, double releaseAtSeconds) {
    Samples out(frames);
    const double rate = sampleRateHz;
    double releaseStartLevel = -1.0;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        double level;
        if (t < releaseAtSeconds) {
            if (t < shape.attackSeconds) {
                level = t / shape.attackSeconds;
            } else {
                const double intoDecay =
                    (t - shape.attackSeconds) / std::max(shape.decaySeconds, 1e-4);
                level =
                    shape.sustainLevel + (1.0 - shape.sustainLevel) * std::exp(-4.0 * intoDecay);
            }
            out[i] = static_cast<float>(level);
        } else {
            if (releaseStartLevel < 0.0) {
                releaseStartLevel = i == 0 ? 0.0 : out[i - 1];
            }
            const double intoRelease =
                (t - releaseAtSeconds) / std::max(shape.releaseSeconds, 1e-4);
            out[i] = static_cast<float>(releaseStartLevel * std::max(0.0, 1.0 - intoRelease) *
                                        std::exp(-3.0 * intoRelease));
        }
    }
    return out;
}

void applyEnvelope(Samples& samples, const Samples& envelope) {
    const size_t frames = std::min(samples.size(), envelope.size());
    for (size_t i = 0; i < frames; ++i) {
        samples[i] *= envelope[i];
    }
    for (size_t i = frames; i < samples.size(); ++i) {
        samples[i] = 0.0f;
    }
}

void fadeEdges(Samples& samples, int sampleRateHz, double fadeInSeconds, double fadeOutSeconds) {
    const size_t inFrames = std::min(samples.size(), framesFor(fadeInSeconds, sampleRateHz));
    const size_t outFrames = std::min(samples.size(), framesFor(fadeOutSeconds, sampleRateHz));
    for (size_t i = 0; i < inFrames; ++i) {
        samples[i] *=
            static_cast<float>(0.5 - 0.5 * std::cos(pi * static_cast<double>(i) / inFrames));
    }
    for (size_t i = 0; i < outFrames; ++i) {
        const size_t index = samples.size() - 1 - i;
        samples[index] *=
            static_cast<float>(0.5 - 0.5 * std::cos(pi * static_cast<double>(i) / outFrames));
    }
}

} // namespace soundpack
