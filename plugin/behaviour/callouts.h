// The cockpit's voices and signals: altitude callouts, the countdown, attitude mode clicks, the
// radar, the air conditioning and the cabin ambience.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

struct CalloutLatches {
    double lastCalloutHeight; // m
    int32_t countdownState;   // 0 idle, 1 landed without thrust, 2 countdown given
    int32_t lastAttitudeMode;
    int32_t radarTargetKind; // 2: every object lighter than 1e8 kg; otherwise stations only
    int32_t radarBipPlaying;
    int32_t radarCloseDone;
    int32_t airCondPlaying;
};

extern CalloutLatches callouts;

// Frame steps, in the frame's order.
void updateCountdownLatch(VESSEL& vessel);
void updateAttitudeModeSounds();
void updateRadar();
void updateAirConditioning();
void updateCabinAmbience();
void updateGpwsCallouts();

} // namespace zephyrin
