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

// The 3D keys of a class file, one position each.
constexpr int stockPositionCount = 23;

} // namespace zephyrin
