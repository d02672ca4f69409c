// The example vessel class of the pack, "Kestrel": its class file and the sounds of its own
// folder, a model for sound designers (replaced main engine, gear, nose hatch, cockpit switch,
// its own altitude callouts).
#pragma once

#include "soundpack/dsp/signal.h"

#include <string>

namespace soundpack {

struct PackDesign;

// The class folder's sounds and the class file.
void addExampleClass(PackDesign& design);

Signal gearMotor();   // "gear_move.wav": hydraulic motor and rattling struts, mono loop
Signal gearLock();    // "gear_lock.wav": the gear locking down, heavy clunk
Signal gearStow();    // "gear_stow.wav": the gear home in its bay, thud and latch
Signal hatchMotor();  // "hatch_move.wav": the nose hatch's screw jacks, stereo loop
Signal hatchOpen();   // "hatch_open.wav": the hatch stops fully open
Signal hatchClose();  // "hatch_close.wav": the hatch seals shut, thump and hiss
Signal switchClick(); // "switch.wav": a toggle switch flipped

// The class file, as a sound designer would write it.
std::string exampleClassFile();

} // namespace soundpack
