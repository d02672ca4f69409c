// The nine cabin ambiences of the focus vessel. They share one slot, so each is only registered
// when the stock sounds load, and read from disk when it is played.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

constexpr int cabinAmbienceCount = 9;
constexpr int cabinAmbienceFileLength = 260;

struct CabinAmbienceEntry {
    int32_t registered;
    char fileName[cabinAmbienceFileLength];
    VECTOR3 position;
    double minDistance;
    double maxDistance;
};

extern CabinAmbienceEntry cabinAmbiences[cabinAmbienceCount];

void clearCabinAmbiences();
void registerCabinAmbience(int index, const char* fileName, const VECTOR3& position,
                           double minDistance, double maxDistance);
// Loads ambience `index` (0..8) into the CabinAmbience slot and plays it once.
void playCabinAmbience(int index, int volume);

} // namespace zephyrin
