// Engine loops (stereo pairs): main, hover, retro and aux thrust.
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

// "mainext.wav", or the heavier "mainextloud.wav" for large vessels (22050 Hz).
Signal mainEngine(bool loud);
Signal hoverEngine(); // "hover_int.wav", 11025 Hz
Signal retroEngine(); // "retro.wav", 11025 Hz
Signal auxEngine();   // "AuxThr.wav", 11025 Hz

} // namespace soundpack
