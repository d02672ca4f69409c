// Seamless loops for the sounds the plug-in plays looping (engines, jets, wind, roll...).
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

// Cuts `source` to `loopFrames` and blends the material that follows (source[loopFrames...]) into
// the head with an equal-power crossfade of `crossfadeFrames`, so that the last sample flows into
// the first as any two neighbouring samples do. `source` must hold loopFrames + crossfadeFrames.
Samples seamlessLoop(const Samples& source, size_t loopFrames, size_t crossfadeFrames);

// Every channel of a signal generated with a crossfade's worth of extra material.
void makeSeamless(Signal& signal, double loopSeconds, double crossfadeSeconds);

} // namespace soundpack
