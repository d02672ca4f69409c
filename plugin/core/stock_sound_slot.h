// A sound slot: one loaded wave with the file it came from, its 3D placement and the values it
// was last played with. The 49 stock slots and the 60 add-on wave slots share this form.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

class CSound;

constexpr int slotFileNameLength = 256;

// The play values of a stopped or emptied slot: far enough from any real request that the next
// looping play is never filtered out as unchanged.
constexpr int32_t stoppedVolume = -4;
constexpr int32_t stoppedFrequency = -1;
constexpr int32_t unusedRightVolume = -999;

struct StockSoundSlot {
    char fileName[slotFileNameLength]; // empty when the slot is empty
    CSound* sound;                     // owned by the slot
    int32_t lastVolume;
    int32_t lastFrequency; // as handed to the sound object, after scaling to the file's rate
    float baseFrequency;   // the file's own sample rate, Hz
    int32_t is3D;
    int32_t isStereoPair;
    VECTOR3 leftPosition; // a mono sound has both positions equal
    VECTOR3 rightPosition;
    double minDistance; // metres, as given at load
    double maxDistance;
    int32_t lastRightVolume;
};

} // namespace zephyrin
