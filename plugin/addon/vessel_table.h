// The vessel table: one sound record per vessel that an add-on connected (ids 0..59), and
// record 60 for a focus vessel that no add-on connected.
#pragma once

#include "plugin/classconfig/stock_position.h"
#include "sdk/VoranthAPI.h"
#include "sdk/ZephyrinAddon.h"
#include "shared/option_record.h"

#include <cstdint>

namespace zephyrin {

constexpr int vesselRecordCount = 61;
constexpr int addonWaveCount = ZEPHYRIN_WAVE_COUNT;
constexpr int replaceableStockCount = 33;
constexpr int fileNameLength = ZEPHYRIN_FILE_NAME_LENGTH;
using WaveMode = ::ZephyrinWaveMode;

struct VesselSoundRecord {
    OBJHANDLE vesselHandle; // null: free entry
    OptionRecord settings;
    char waveFileName[addonWaveCount][fileNameLength];
    int32_t waveType[addonWaveCount];
    int32_t wave3dMode[addonWaveCount];
    VECTOR3 wavePosition[addonWaveCount];
    VECTOR3 wavePositionRight[addonWaveCount];
    double waveMinDistance[addonWaveCount];
    double waveMaxDistance[addonWaveCount];
    int32_t waveConeSet[addonWaveCount];
    ConeParameters waveCone[addonWaveCount];
    char replacementFile[replaceableStockCount][fileNameLength];
    int32_t replaceAllGpws;
    StockPosition stockPosition[stockPositionCount];
};

extern VesselSoundRecord vesselTable[vesselRecordCount];

// Zeroes the record and gives it a copy of the saved options.
void startVesselRecord(int index);
void startAllVesselRecords();

} // namespace zephyrin
