// The sounds of the air around the focus vessel: airspeed wind, re-entry, the sonic boom, and
// the hand-over to the planet wind and base ambience.
#pragma once

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

// Frame steps, in the frame's order.
void applySupersonicObserverRule();
void updateSonicBoom();
void updateWindAndBaseAmbience();
void updateWindAirspeed();
void updateReentry();

} // namespace zephyrin
