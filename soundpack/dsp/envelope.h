// Amplitude shapes for one-shots and notes.
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

// Linear attack to 1, then exponential fall reaching -60 dB after `decaySeconds`.
Samples percussiveEnvelope(int sampleRateHz, size_t frames, double attackSeconds,
                           double decaySeconds);

// Attack, decay to sustain level, hold until `releaseAtSeconds`, then release to 0.
struct Adsr {
    double attackSeconds;
    double decaySeconds;
    double sustainLevel;
    double releaseSeconds;
};
Samples adsrEnvelope(int sampleRateHz, size_t frames, const Adsr& shape, double releaseAtSeconds);

// Multiplies sample by sample; the shorter length wins.
void applyEnvelope(Samples& samples, const Samples& envelope);

// Raised-cosine fades at both ends, so one-shots neither click in nor out.
void fadeEdges(Samples& samples, int sampleRateHz, double fadeInSeconds, double fadeOutSeconds);

} // namespace soundpack
