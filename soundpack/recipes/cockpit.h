// Inside the cabin: air conditioning, switches, radar, radio receiver noises and the small
// sounds of a living spacecraft.
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

Signal airConditioning(); // "aircond.wav", stereo loop (22050 Hz)

// "RcsattmodeOff.wav", "RcsattmodeRot.wav", "RcsattmodeTrans.wav": the mode switch and its
// confirmation tones (falling for off, rising for rotation, a double tone for translation).
enum class AttitudeMode { off, rotation, translation };
Signal attitudeModeClick(AttitudeMode mode);

Signal radarBip();    // "radar_bip.wav", 11025 Hz, one beep per loop; the plug-in speeds it up
Signal radarClose();  // "radar_close.wav", 11025 Hz, proximity alarm
Signal radioTune();   // "radiotune.wav": the receiver sweeping onto a channel
Signal radioStatic(); // "noise.wav": crackling static of the re-entry black-out

// "ambient0.wav" ... "ambient8.wav": creaks, pings, pumps, fans, switches and chimes.
inline constexpr int cabinAmbienceCount = 9;
Signal cabinAmbience(int index);

} // namespace soundpack
