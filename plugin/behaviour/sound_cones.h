// The projection cones of the engine-like sounds: along the thrust axis, turned toward the
// airflow near mach 1, so that a supersonic vessel is quiet ahead of itself.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

enum ConedSound : int {
    MainCone,
    HoverCone,
    RetroCone,
    AuxCone,
    WindCone,
    ReentryCone,
    conedSoundCount
};

struct ConeCache {
    VECTOR3 direction;
    int32_t outsideVolume; // -999: set the cone again
};

struct ConeState {
    ConeCache cache[conedSoundCount];
    double machConeValue; // 0..60
    int32_t machConeKey;  // the last trunc((mach - 1) × 400); -999 in thin air
    int32_t cockpitConesSet;
};

extern ConeState cones;

// The key of the cockpit and of a new focus vessel: the next outside frame computes the value.
constexpr int32_t machConeKeyUnset = -1;

// The cone value a mach number gives: 0 below mach 0.96, 60 from about mach 1.08.
double machConeValueOf(double machNumber);
// The outside volume of a cone at a cone value: the main engine keeps a little more.
int coneOutsideVolume(ConedSound sound, double machConeValue);

// At every camera change: every cone is set again.
void resetPlacement();
// Every frame; the turn toward the airflow is recomputed on processing ticks.
void updateEngineCones(VESSEL& vessel);

} // namespace zephyrin
