// Noise colours: the raw material of engines, wind, hiss and static.
#pragma once

#include "soundpack/dsp/random_source.h"
#include "soundpack/dsp/signal.h"

namespace soundpack {

// Flat spectrum, uniform amplitude in -1..1.
Samples whiteNoise(RandomSource& random, size_t frames);

// -3 dB per octave (Paul Kellet's filter), scaled to about the RMS of white noise.
Samples pinkNoise(RandomSource& random, size_t frames);

// -6 dB per octave (leaky integrated white noise), for rumble.
Samples brownNoise(RandomSource& random, size_t frames);

// Slowly wandering control signal around 0 (about -1..1) whose changes are no faster than
// `rateHz`: used for flutter, gusts and drifting pitch.
Samples wanderingControl(RandomSource& random, size_t frames, int sampleRateHz, double rateHz);

// Sparse random impulses (`perSecond` on average, random sign and height): rocket crackle,
// static pops, debris.
Samples crackle(RandomSource& random, size_t frames, int sampleRateHz, double perSecond);

} // namespace soundpack
