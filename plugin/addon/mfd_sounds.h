// The sound banks of MFD add-ons: an id per name, ten plain waves per id, loaded at once.
#pragma once

#include "plugin/core/stock_sound_slot.h"

#include <cstdint>

namespace zephyrin {

constexpr int mfdEntryCount = 40;
constexpr int mfdIdCount = 39;
constexpr int mfdWaveCount = 10;
constexpr int mfdNameLength = 20;

struct MfdSoundEntry {
    char name[mfdNameLength]; // not terminated when 20 characters long
    StockSoundSlot slots[mfdWaveCount];
    int32_t active;
};

extern MfdSoundEntry mfdTable[mfdEntryCount];
// The ids handed out in this window.
extern int32_t mfdCount;

} // namespace zephyrin
