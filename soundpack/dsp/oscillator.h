// Periodic sources. Each takes the frequency as a function of the frame so that sweeps, vibrato
// and spin-ups need no special cases.
#pragma once

#include "soundpack/dsp/signal.h"

#include <functional>

namespace soundpack {

using FrequencyCurve = std::function<double(size_t frame)>;

inline FrequencyCurve steadyHz(double hz) {
    return [hz](size_t) { return hz; };
}

// Exponential glide from `fromHz` to `toHz` over `frames`, then held: sweeps, thumps, chirps.
FrequencyCurve glideHz(double fromHz, double toHz, size_t frames);

Samples sine(int sampleRateHz, size_t frames, const FrequencyCurve& hz, double startPhase = 0.0);

// Band-limited sawtooth (polyBLEP), for pads, motors and brass.
Samples saw(int sampleRateHz, size_t frames, const FrequencyCurve& hz, double startPhase = 0.0);

// Band-limited square (polyBLEP), for buzzers and alarms.
Samples square(int sampleRateHz, size_t frames, const FrequencyCurve& hz);

// A struck metal body: decaying sine partials, each with its own decay.
struct Partial {
    double hz;
    double amplitude;
    double decaySeconds; // time to fall by 60 dB
};
Samples modalRing(int sampleRateHz, double seconds, const std::vector<Partial>& partials);

} // namespace soundpack
