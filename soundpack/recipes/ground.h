// Contact with the ground and with other vessels (22050 Hz).
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

Signal groundRoll(); // "roll.wav", stereo loop: tyre rumble and runway joints
Signal wheelBrake(); // "brake.wav", stereo loop: scraping pads and squeal
Signal touchdown();  // "land.wav", mono: gear thump and tyre chirp
Signal crash();      // "crash.wav", stereo: impact, groaning metal, debris
Signal docking();    // "docking.wav", stereo: contact clunk, latches, retraction, hard dock
Signal undocking();  // "Undocking.wav", stereo: hooks open, pressure vent, spring push

} // namespace soundpack
