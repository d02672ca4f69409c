// Base ambience loops of "sound\_CustomBaseSounds" (stereo, 22050 Hz).
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

Signal spaceportByTheSea(); // Cape Canaveral: surf, sea breeze, gulls, distant machinery
Signal marsOutpost();       // a habitat: air handlers, a pump cycling, the thin wind outside
Signal launchComplex();     // a launch complex: big fans, venting valves, a distant horn

} // namespace soundpack
