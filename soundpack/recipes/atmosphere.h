// Air around the vessel: the rush of flight, re-entry plasma, sonic booms and planet winds.
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

Signal airspeedWind();  // "airspeed.wav", stereo loop
Signal reentryPlasma(); // "reentryfar.wav", mono loop

// The N-wave of a passing supersonic vessel: "Sonicbang.wav" close, "Sonicbangfar.wav" and
// "Sonicbangfar1.wav" heard from further away (rounder shocks, longer rolling echo).
enum class BoomDistance { close, far, farther };
Signal sonicBoom(BoomDistance distance);

// Planet wind loops of "sound\_CustomWindSounds" (stereo).
enum class WindCharacter {
    earthBreeze,
    earthGusts,
    marsDust,
    marsStorm,
    thickAtmosphere,
    thinAtmosphere
};
Signal planetWind(WindCharacter character);

} // namespace soundpack
