// The two tracks of the default MP3 folder (44100 Hz stereo, about half a minute each).
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

Signal orbitDawn();  // D major, 84 BPM: pads, plucked arpeggios, a bell tune, soft beat
Signal lowGravity(); // A minor, 72 BPM: slow pads, bells and a sub bass, floating

} // namespace soundpack
