// A 3D position of a stock sound that a vessel class file gives, in the vessel frame (metres).
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

struct StockPosition {
    int32_t configSet;   // 1 when the class file gave a valid position
    VECTOR3 configLeft;  // the position, or the left channel's
    VECTOR3 configRight; // the right channel's; equal to configLeft for a single position
    int32_t secondSet;   // a second pair of the same form, read by the placement rules
    VECTOR3 secondLeft;
    VECTOR3 secondRight;
};

// The 3D keys of a class file, one position each, in the order of the keys.
enum StockPositionEntry : int {
    MainThrustPosition,
    HoverThrustPosition,
    RetroThrustPosition,
    AuxThrustPosition,
    RcsFrontRearPosition,
    RcsLeftRightPosition,
    AirCondPosition,
    CockpitAmbience1Position,
    WindAirspeedPosition = CockpitAmbience1Position + 9,
    TouchdownPosition,
    GroundRollPosition,
    WheelBrakePosition,
    CrashPosition,
    RadioPosition,
    GpwsPosition,
    stockPositionCount
};
static_assert(stockPositionCount == 23, "a class file has 23 keys of 3D positions");

} // namespace zephyrin
