#include "soundpack/recipes/instruments.h"

#include "soundpack/dsp/biquad.h"
#include "soundpack/dsp/envelope.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/noise.h"
#include "soundpack/dsp/oscillator.h"

#include <cmath>

namespace soundpack {

namespace {

constexpr double twoPi = 6.283185307179586;

} // namespace

double midiToHz(double midiNote) {
    return 440.0 * std::exp2((midiNote - 69.0) / 12.0);
}

Samples bell(int rateHz, double hz, double seconds) {
    const size_t frames = framesFor(seconds, rateHz);
    Samples out(frames);
    const double modulatorRatio = 3.5;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rateHz;
        const double index = 2.2 * std::exp(-t * 6.0);
        const double modulator = std::sin(twoPi * hz * modulatorRatio * t);
        out[i] = static_cast<float>(std::sin(twoPi * hz * t + index * modulator));
    }
    applyEnvelope(out, percussiveEnvelope(rateHz, frames, 0.002, seconds));
    return out;
}

Samples pluck(int rateHz, double hz, double seconds, RandomSource& random) {
    const size_t frames = framesFor(seconds, rateHz);
    const size_t period = std::max<size_t>(2, static_cast<size_t>(rateHz / hz));
    Samples line = filtered(whiteNoise(random, period), lowPass(rateHz, 4.0 * hz, 0.7071));
    Samples out(frames);
    size_t index = 0;
    for (size_t i = 0; i < frames; ++i) {
        const size_t next = (index + 1) % period;
        out[i] = line[index];
        line[index] = 0.497f * (line[index] + line[next]);
        index = next;
    }
    fadeEdges(out, rateHz, 0.001, 0.05);
    return out;
}

Samples pad(int rateHz, double hz, double seconds) {
    const size_t frames = framesFor(seconds, rateHz);
    Samples out = sumOf({{saw(rateHz, frames, steadyHz(hz * 0.996)), 0.33},
                         {saw(rateHz, frames, steadyHz(hz), 0.3), 0.33},
                         {saw(rateHz, frames, steadyHz(hz * 1.005), 0.7), 0.33}});
    filterInPlace(out, lowPass(rateHz, 1400.0, 0.6));
    filterInPlace(out, lowPass(rateHz, 2400.0, 0.6));
    applyEnvelope(out, adsrEnvelope(rateHz, frames, {0.9, 0.8, 0.8, 1.2}, seconds - 1.2));
    return out;
}

Samples bass(int rateHz, double hz, double seconds) {
    const size_t frames = framesFor(seconds, rateHz);
    Samples out = sumOf({{sine(rateHz, frames, steadyHz(hz)), 1.0},
                         {sine(rateHz, frames, steadyHz(2.0 * hz)), 0.25}});
    saturate(out, 1.5);
    applyEnvelope(out, adsrEnvelope(rateHz, frames, {0.01, 0.3, 0.7, 0.15}, seconds - 0.15));
    return out;
}

Samples brass(int rateHz, double hz, double seconds) {
    const size_t frames = framesFor(seconds, rateHz);
    Samples raw = sumOf({{saw(rateHz, frames, steadyHz(hz)), 0.5},
                         {saw(rateHz, frames, steadyHz(hz * 1.003), 0.5), 0.5}});
    // The lip buzz opens up: the filter sweeps upward with the attack.
    Samples out = sweptBandPass(raw, rateHz, 0.5, [rateHz, hz](size_t frame) {
        const double t = static_cast<double>(frame) / rateHz;
        return hz * (2.0 + 4.0 * (1.0 - std::exp(-t * 12.0)));
    });
    applyEnvelope(out, adsrEnvelope(rateHz, frames, {0.04, 0.2, 0.75, 0.2}, seconds - 0.2));
    return out;
}

Samples kick(int rateHz) {
    const size_t frames = framesFor(0.4, rateHz);
    Samples out = sine(rateHz, frames, glideHz(140.0, 48.0, framesFor(0.08, rateHz)));
    applyEnvelope(out, percussiveEnvelope(rateHz, frames, 0.001, 0.35));
    return out;
}

Samples hiHat(int rateHz, RandomSource& random, bool open) {
    const size_t frames = framesFor(open ? 0.3 : 0.06, rateHz);
    Samples out = filtered(whiteNoise(random, frames), highPass(rateHz, 7000.0, 0.7071));
    applyEnvelope(out, percussiveEnvelope(rateHz, frames, 0.0005, open ? 0.28 : 0.05));
    return out;
}

} // namespace soundpack
