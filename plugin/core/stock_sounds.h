// Loading the focus vessel's stock sounds: which file each slot takes, from the vessel's
// replacement files or the stock folder, with which 3D distances and at which positions.
#pragma once

#include "plugin/addon/vessel_table.h"
#include "sdk/VoranthAPI.h"

namespace zephyrin {

constexpr int allStockSounds = -1;
constexpr int firstReplaceableStockId = 10;
constexpr int lastReplaceableStockId = 42;
// Not a file: the switch that takes the altitude callouts from the vessel class's folder.
constexpr int gpwsStockId = 43;

// Index of a stock id 10..42 in a vessel record's replacement files; -1 for any other id.
int replacementIndexOf(int stockId);
// The vessel's replacement for a stock id, or "" for the stock file.
const char* replacementFileOf(const VesselSoundRecord& record, int stockId);

// Loads the stock sounds of the focus vessel: all of them for allStockSounds, else the group of
// one stock id.
void loadStockSounds(int stockId);

// The twelve altitude callouts, from "Sound\Vessel" or from the class's own folder.
void loadGpwsCallouts(int useClassFolder);

// Where the radio voices of the focus vessel sit, for the radio chatter.
extern VECTOR3 radioSoundPosition;

} // namespace zephyrin
