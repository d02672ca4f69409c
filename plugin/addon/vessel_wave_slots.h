// The focus vessel's add-on waves, loaded into their own slots while it holds the focus.
#pragma once

#include "plugin/addon/vessel_table.h"
#include "plugin/core/stock_sound_slot.h"

namespace zephyrin {

// Slot k holds wave k + 1 of the focus vessel.
extern StockSoundSlot vesselWaveSlots[addonWaveCount];

// Wave number - 1 of the last wave an add-on started through the exclusive (radio) play;
// noExclusiveWave when there is none. The radio chatter waits while that wave plays.
constexpr int32_t noExclusiveWave = 999;
extern int32_t exclusiveWaveIndex;

void stopAndEmptyVesselWaveSlots();

// Loads the waves queued at the focus change, each as its record asks (2D, mono 3D or stereo
// pair, with its cone), then commits their 3D settings.
void loadQueuedAddonWaves();

} // namespace zephyrin
