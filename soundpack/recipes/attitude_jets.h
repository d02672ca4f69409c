// Attitude-control jets (11025 Hz): the attack of a firing and the hiss that sustains it.
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

enum class Channels { mono = 1, stereo = 2 };

// "attfire40stereo.wav" (stereo pair) and "attfire.wav" (2D): valve bang and gas burst.
Signal jetAttack(Channels channels);

// Loop of escaping gas. Two voicings, so the front/rear and left/right pairs differ:
// "attsustain40stereo1.wav" (voicing 1), "attsustain40stereo2.wav" (voicing 2) and
// "attsustain.wav" (voicing 1, 2D).
Signal jetSustain(int voicing, Channels channels);

} // namespace soundpack
