// The sounds of the air around the focus vessel: airspeed wind, re-entry, the sonic boom, and
// the hand-over to the planet wind and base ambience.
#pragma once

#include "plugin/behaviour/frame_state.h"
#include "shared/option_record.h"

#include <cstdint>

namespace zephyrin {

struct AtmosphereLatches {
    int32_t windPlaying;
    int32_t reentryPlaying;
    int32_t supersonicLatch; // 1: no boom until the vessel has been subsonic again
    int32_t sonicBoomVolume;
    int32_t windAmbiencePlaying;
    double windAmbienceVolume;
    int32_t baseAmbienceForced; // the next frame asks for the wind and base ambience afresh
};

extern AtmosphereLatches atmosphere;

// The heating of the airflow that raises the wind's pitch and drives the re-entry roar.
double heatingValue(double atmPressure, double airspeed);

// Whether the air is thick enough to be heard rushing past.
bool airIsAudible(double atmPressure);

struct AirRequest {
    int volume;
    int frequency; // Hz against 22050
};

// The airspeed wind on a late tick while the air is audible and the vessel moves.
AirRequest windAirspeedRequest(const FrameState& f, const OptionRecord& o, bool slotIs3D);

enum class ReentryAction {
    Stop, // the air is too cold: the roar ends
    Hold, // too faint to change anything this tick
    Play,
};

struct ReentryRequest {
    ReentryAction action;
    AirRequest sound;
};

// The re-entry roar on a late tick while the air is audible and the vessel is faster than
// 100 m/s.
ReentryRequest reentryRequest(const FrameState& f, const OptionRecord& o, bool slotIs3D);

// Frame steps, in the frame's order.
void applySupersonicObserverRule();
void updateSonicBoom();
void updateWindAndBaseAmbience();
void updateWindAirspeed();
void updateReentry();

} // namespace zephyrin
