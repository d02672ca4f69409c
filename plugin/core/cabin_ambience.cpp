#include "plugin/core/cabin_ambience.h"

#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <cstdio>
#include <cstring>

namespace zephyrin {

CabinAmbienceEntry cabinAmbiences[cabinAmbienceCount];

void clearCabinAmbiences() {
    std::memset(cabinAmbiences, 0, sizeof cabinAmbiences);
}

void registerCabinAmbience(int index, const char* fileName, const VECTOR3& position,
                           double minDistance, double maxDistance) {
    if (index < 0 || index >= cabinAmbienceCount) {
        return;
    }
    CabinAmbienceEntry& entry = cabinAmbiences[index];
    entry.registered = 1;
    std::snprintf(entry.fileName, sizeof entry.fileName, "%s", fileName);
    entry.position = position;
    entry.minDistance = minDistance;
    entry.maxDistance = maxDistance;
}

void playCabinAmbience(int index, int volume) {
    if (index < 0 || index >= cabinAmbienceCount || cabinAmbiences[index].registered == 0) {
        return;
    }
    const CabinAmbienceEntry& entry = cabinAmbiences[index];
    StockSoundSlot& slot = stockSlot(CabinAmbience);
    LoadWave3D(slot, entry.fileName, 0, &entry.position, entry.minDistance, entry.maxDistance);
    playWaveSimple(slot, 0, volume);
}

} // namespace zephyrin
