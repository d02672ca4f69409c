// The cockpit's voices and signals: altitude callouts, the countdown, attitude mode clicks, the
// radar, the air conditioning and the cabin ambience.
#pragma once

#include "plugin/behaviour/frame_state.h"
#include "plugin/core/stock_slot_table.h"
#include "sdk/VoranthAPI.h"
#include "shared/option_record.h"

#include <cstdint>

namespace zephyrin {

// The radar target kind that takes every object lighter than a big station; any other kind
// takes the stations only.
constexpr int32_t radarTargetsAllObjects = 2;

struct CalloutLatches {
    double lastCalloutHeight; // m
    int32_t countdownState;   // a CountdownState
    int32_t lastAttitudeMode;
    int32_t radarTargetKind; // radarTargetsAllObjects or stations only
    int32_t radarBipPlaying;
    int32_t radarCloseDone; // the close warning is used up
    int32_t airCondPlaying;
};

extern CalloutLatches callouts;

// ---- Altitude callouts ---------------------------------------------------------------------
// The callout slot of the highest threshold between `lastCalloutHeight` (above it) and
// `height` (below it), or -1 when none lies between them.
int crossedGpwsCallout(double lastCalloutHeight, double height);

// ---- Countdown -----------------------------------------------------------------------------
enum CountdownState : int32_t {
    countdownIdle = 0,
    countdownOnThePad = 1, // landed, engines quiet
    countdownGiven = 2,
};

struct CountdownStep {
    int32_t state;
    bool countdownStarts;
};

CountdownStep nextCountdownStep(int32_t state, bool groundContact, const FrameState& f);

// ---- Radar ---------------------------------------------------------------------------------
// The radar's whole-metre distance to the target's surface (single precision, as the scan's
// figures are).
int32_t radarGap(double distanceM, double targetSizeM);
// The bip's frequency against 11025 Hz for a gap of 31..799 m: it quickens as the gap closes.
int radarBipFrequency(int32_t gap);
// The radar target kind a focus vessel's options ask for.
int32_t radarTargetKindFor(const OptionRecord& o);

// ---- Air conditioning ----------------------------------------------------------------------
// One frame's step of the air conditioning's pitch toward `target`.
float smoothedAirCondFrequency(float current, float target);

// Frame steps, in the frame's order.
void updateCountdownLatch(VESSEL& vessel);
void updateAttitudeModeSounds();
void updateRadar(VESSEL& vessel);
void updateAirConditioning();
void updateCabinAmbience();
void updateGpwsCallouts();

} // namespace zephyrin
