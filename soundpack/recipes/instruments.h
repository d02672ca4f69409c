// Synthesized instruments for the music and the jingles. Each renders one note.
#pragma once

#include "soundpack/dsp/random_source.h"
#include "soundpack/dsp/signal.h"

namespace soundpack {

double midiToHz(double midiNote);

// FM bell / electric piano: a bright strike that mellows as the modulation decays.
Samples bell(int rateHz, double hz, double seconds);

// Karplus-Strong plucked string.
Samples pluck(int rateHz, double hz, double seconds, RandomSource& random);

// Warm pad: three detuned saws through a low-pass, slow attack and release.
Samples pad(int rateHz, double hz, double seconds);

// Round bass: sine with a touch of second harmonic and saturation.
Samples bass(int rateHz, double hz, double seconds);

// Brass-like stab for fanfares: saw with a brightening filter.
Samples brass(int rateHz, double hz, double seconds);

// Soft electronic kick and hi-hat.
Samples kick(int rateHz);
Samples hiHat(int rateHz, RandomSource& random, bool open);

} // namespace soundpack
