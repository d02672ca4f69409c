// Putting layers together: gains, offsets, wrap-around placement in loops, saturation.
#pragma once

#include "soundpack/dsp/signal.h"

#include <cmath>
#include <initializer_list>

namespace soundpack {

inline double decibelsToGain(double decibels) {
    return std::pow(10.0, decibels / 20.0);
}

// dest[offset + i] += gain * source[i], growing dest when the source runs past its end.
void mixInto(Samples& dest, const Samples& source, size_t offsetFrames, double gain = 1.0);

// As mixInto, but the part that runs past the end comes back at the start: events placed this
// way in a loop carry across its seam without a cut.
void mixWrapped(Samples& loop, const Samples& source, size_t offsetFrames, double gain = 1.0);

Samples scaled(Samples samples, double gain);

// Sums layers of any lengths, each with its gain.
struct Layer {
    const Samples& samples;
    double gain;
};
Samples sumOf(std::initializer_list<Layer> layers);

Samples silence(int sampleRateHz, double seconds);

// Appends `next` after `first`, `gapSeconds` of silence between.
Samples joined(const Samples& first, const Samples& next, int sampleRateHz, double gapSeconds);

// Multiplies by (1 + depth * modulator), the modulator being about -1..1: flutter and gusts.
void modulateAmplitude(Samples& samples, const Samples& modulator, double depth);

// tanh saturation normalised so that full scale stays full scale: warmth, radio drive.
void saturate(Samples& samples, double drive);

} // namespace soundpack
