#include "plugin/addon/mfd_sounds.h"

#include "plugin/addon/addon_checks.h"
#include "plugin/addon/addon_sounds.h"
#include "plugin/audio/sound.h"
#include "plugin/core/log.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "sdk/ZephyrinAddon.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace zephyrin {

MfdSoundEntry mfdTable[mfdEntryCount];
int32_t mfdCount = 0;

namespace {

constexpr DWORD mfdFlags = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY;
constexpr int lowestMfdFrequencyHz = 4000;
constexpr int highestMfdFrequencyHz = 44100;
constexpr int volumeTolerance = 3;
constexpr int frequencyToleranceHz = 100;

// The slot of an issued, active id on a running device; null otherwise.
StockSoundSlot* mfdSlot(int mfdId, int wave) {
    if (mfdId < 0 || mfdId >= mfdCount || wave < 0 || wave >= mfdWaveCount ||
        mfdTable[mfdId].active != 1 || plugin.device == nullptr) {
        return nullptr;
    }
    return &mfdTable[mfdId].slots[wave];
}

} // namespace

// The ids are handed out again from 0 in the next window.
void releaseMfdSounds() {
    for (MfdSoundEntry& entry : mfdTable) {
        if (entry.active != 1) {
            continue;
        }
        for (StockSoundSlot& slot : entry.slots) {
            stopSlot(slot);
            resetSlot(slot);
        }
        entry.active = 0;
        std::memset(entry.name, 0, sizeof entry.name);
    }
    mfdCount = 0;
}

} // namespace zephyrin

using namespace zephyrin;

int GetMFDId(const char* name) {
    if (name == nullptr) {
        logLine("ERROR MFD NULL NAME");
        return ZEPHYRIN_NO_SOUND_ID;
    }
    if (mfdCount >= mfdIdCount) {
        logLine("ERROR MFD Max ID reached");
        return ZEPHYRIN_NO_SOUND_ID;
    }
    for (int id = 0; id < mfdCount; ++id) {
        if (std::strncmp(mfdTable[id].name, name, mfdNameLength) == 0) {
            return id;
        }
    }
    MfdSoundEntry& entry = mfdTable[mfdCount];
    std::memset(entry.name, 0, sizeof entry.name);
    std::memcpy(entry.name, name, strnlen(name, mfdNameLength));
    entry.active = 1;
    logFormat("MFD Requested an ID: %.20s Assigned ID=%i OK", entry.name, mfdCount);
    return mfdCount++;
}

int LoadMFDWaveZephx3(int mfdId, int wave, const char* file) {
    StockSoundSlot* slot = mfdSlot(mfdId, wave);
    if (slot == nullptr) {
        logLine("MFD Loading wav failed, not initialised");
        return 0;
    }
    if (!acceptFileName(file, "LoadMFDWaveZephx3")) {
        return 0;
    }
    resetSlot(*slot);
    HRESULT result = createSound(plugin.device, &slot->sound, file, mfdFlags, GUID_NULL, 1);
    if (FAILED(result)) {
        logTextError(result, "MFD LoadWave->unable to find wave:", file);
        slot->sound = nullptr;
        return 0;
    }
    slot->baseFrequency = static_cast<float>(slot->sound->getFrequency());
    return 1;
}

int PlayMFDWaveZephx3(int mfdId, int wave, int loop, int volume, int frequency) {
    StockSoundSlot* slot = mfdSlot(mfdId, wave);
    if (slot == nullptr) {
        logLine("MFD play wav failed, not initialised");
        return 0;
    }
    if (slot->sound == nullptr) {
        return 0;
    }
    volume = std::clamp(volume, 0, slotVolumeMax);
    if (frequency != 0) {
        frequency = std::clamp(frequency, lowestMfdFrequencyHz, highestMfdFrequencyHz);
    }
    if (loop == 1 && std::abs(volume - slot->lastVolume) <= volumeTolerance &&
        std::abs(frequency - slot->lastFrequency) <= frequencyToleranceHz) {
        return 1;
    }
    slot->lastVolume = volume;
    slot->lastFrequency = frequency;
    HRESULT result = slot->sound->play(0, loop == 1, volume, static_cast<DWORD>(frequency));
    if (FAILED(result)) {
        logPlayError(result, "MFD ERROR PlayWave->");
        return 0;
    }
    return 1;
}

int StopMFDWave3(int mfdId, int wave) {
    StockSoundSlot* slot = mfdSlot(mfdId, wave);
    if (slot == nullptr || slot->sound == nullptr) {
        return 0;
    }
    stopSlot(*slot);
    slot->is3D = 0;
    slot->isStereoPair = 0;
    return 1;
}
