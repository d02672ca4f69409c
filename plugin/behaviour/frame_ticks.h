// The frame's shared values: its processing ticks and the attenuations of thin air and camera
// distance, each a function of what the frame read.
#pragma once

#include "plugin/behaviour/frame_state.h"

#include <cstdint>

namespace zephyrin {

// A vacuum attenuation that silences every sound it is taken from.
constexpr int32_t silenceOfSpace = 256;

// At most one processing tick per `intervalSeconds`; the frame after a tick is the late tick.
// A frame longer than the interval ticks both at once.
void advanceProcessTick(FrameState& f, double intervalSeconds);
// One slow tick per 0.2 s.
void advanceSlowTick(FrameState& f);

// Outside view: 0 at sea level, 238 at 1 Pa, silenceOfSpace in vacuum. 0 when the user does
// not want the silence of space.
int32_t vacuumAttenuationOf(double atmPressure, double dynPressure, bool silenceOfSpaceWanted);
// Cockpit view: the engines' muffling in thin air, scaled by the user's factor.
int32_t internalVacuumAttenuationOf(double atmPressure, bool vacuumReducesEngines,
                                    double attenuationFactor);

struct DistanceAttenuations {
    int32_t far;
    int32_t medium;
    int32_t close; // below 0 very close to the camera, which raises the volume
};

DistanceAttenuations distanceAttenuationsOf(double cameraDistance, int32_t massKg);

} // namespace zephyrin
