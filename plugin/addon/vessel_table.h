// The vessel table: one sound record per vessel that an add-on connected (ids 0..59), and
// record 60 for a focus vessel that no add-on connected.
#pragma once

#include "plugin/classconfig/stock_position.h"
#include "sdk/VoranthAPI.h"
#include "shared/option_record.h"

#include <cstdint>

namespace zephyrin {

constexpr int vesselRecordCount = 61;
constexpr int LEGACY_SOUND_ID = 60;
constexpr int addonWaveCount = 60;
constexpr int replaceableStockCount = 33;
constexpr int fileNameLength = 260;

// A projection cone as an add-on passes it (40 bytes).
#pragma pack(push, 4)
struct ConeParameters {
    uint32_t insideAngle;  // degrees
    uint32_t outsideAngle; // degrees
    VECTOR3 orientation;
    double outsideVolume;
};
#pragma pack(pop)
static_assert(sizeof(ConeParameters) == 40, "an add-on hands the cone over as 40 bytes");

enum WaveMode : int32_t { WAVE_2D = 0, WAVE_3D_MONO = 1, WAVE_3D_STEREO = 2 };

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
