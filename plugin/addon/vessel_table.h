// The vessel table: one sound record per vessel that an add-on connected (ids 0..59), and
// record 60 for a focus vessel that no add-on connected.
#pragma once

#include "plugin/classconfig/stock_position.h"
#include "sdk/VoranthAPI.h"
#include "sdk/ZephyrinAddon.h"
#include "shared/option_record.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zephyrin {

// The cone's orientation as a vector of its own: the cone crosses the interface packed to 4
// bytes, so its doubles need not sit at an address a VECTOR3 may be read from.
inline VECTOR3 coneOrientation(const ConeParameters& cone) {
    VECTOR3 orientation;
    std::memcpy(&orientation,
                reinterpret_cast<const char*>(&cone) + offsetof(ConeParameters, orientation),
                sizeof orientation);
    return orientation;
}

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
