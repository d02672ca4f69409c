// Defining a vessel's waves: the record keeps them until the window closes; the vessel in focus
// also loads them at once.
#include "plugin/addon/addon_checks.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/audio/sound.h"
#include "plugin/audio/sound_device.h"
#include "plugin/core/log.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "sdk/ZephyrinAddon.h"

#include <cstdio>

namespace zephyrin {

namespace {

constexpr DWORD addonFlags2D = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY;
constexpr DWORD addonFlags3D = addonFlags2D | DSBCAPS_CTRL3D;

const VECTOR3 origin{0.0, 0.0, 0.0};

struct WaveDistances {
    double minDistance;
    double maxDistance;
};

// How far a 3D wave carries, by how far its view type lets it be heard.
WaveDistances distancesOfType(int type) {
    switch (type) {
    case VIEW_INSIDE_ONLY:
        return {5, 100};
    case VIEW_BOTH_NEAR:
    case VIEW_OUTSIDE_NEAR:
        return {10, 2000};
    case VIEW_BOTH_MID:
    case VIEW_OUTSIDE_MID:
        return {50, 8000};
    default:
        return {80, 18000};
    }
}

void recordWave(VesselSoundRecord& record, int index, const char* file, int type, int mode) {
    std::snprintf(record.waveFileName[index], sizeof record.waveFileName[index], "%s", file);
    record.waveType[index] = type;
    record.wave3dMode[index] = mode;
}

// The focus vessel's queue keeps the definition, so that a later focus-side reload sees it.
void rememberInQueue(int index, const char* file, int type) {
    AddonWaveQueue& queue = run.addonWaveQueue;
    std::snprintf(queue.fileName[index], sizeof queue.fileName[index], "%s", file);
    queue.waveType[index] = type;
}

bool createWaveSound(StockSoundSlot& slot, const char* file, DWORD flags) {
    resetSlot(slot);
    HRESULT result = createSound(plugin.device, &slot.sound, file, flags, GUID_NULL, 1);
    if (FAILED(result)) {
        logTextError(result, "Vessel sound FAILED TO LOAD WAV missing wav file ?->", file);
        slot.sound = nullptr;
        return false;
    }
    slot.baseFrequency = static_cast<float>(slot.sound->getFrequency());
    return true;
}

int loadFocusWave2D(int index, const char* file) {
    if (plugin.device == nullptr) {
        return 1;
    }
    return createWaveSound(vesselWaveSlots[index], file, addonFlags2D) ? 1 : 0;
}

D3DVECTOR toD3D(const VECTOR3& v) {
    return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

int loadFocusWave3D(int index, const char* file, const VesselSoundRecord& record, int stereo) {
    StockSoundSlot& slot = vesselWaveSlots[index];
    if (!createWaveSound(slot, file, addonFlags3D | (stereo == 1 ? soundSplitStereo : 0))) {
        return 0;
    }
    CSound& sound = *slot.sound;
    if (!sound.is3D()) {
        return 1;
    }
    slot.is3D = 1;
    slot.isStereoPair = sound.isStereoPair;
    slot.leftPosition = record.wavePosition[index];
    slot.rightPosition =
        sound.isStereoPair == 1 ? record.wavePositionRight[index] : record.wavePosition[index];
    slot.minDistance = record.waveMinDistance[index];
    slot.maxDistance = record.waveMaxDistance[index];
    sound.setMode(DS3DMODE_NORMAL);
    sound.setMinMaxDistance(slot.minDistance, slot.maxDistance);
    sound.setPosition(toD3D(slot.leftPosition), toD3D(slot.rightPosition));
    return 1;
}

bool acceptWave(int id, int wave, const char* file, const char* caller) {
    if (!isSoundId(id) || !isWaveNumber(wave)) {
        logText(caller, "refused: sound id or wave number out of range");
        return false;
    }
    return acceptFileName(file, caller);
}

} // namespace

} // namespace zephyrin

using namespace zephyrin;

int LoadVesselWaveZephx3(int id, int wave, const char* file, int type) {
    if (!acceptWave(id, wave, file, "LoadVesselWaveZephx3")) {
        return 0;
    }
    int index = wave - 1;
    recordWave(vesselTable[id], index, file, type, WAVE_2D);
    if (!isFocusRecord(id)) {
        return 1;
    }
    rememberInQueue(index, file, type);
    return loadFocusWave2D(index, file);
}

int LoadVesselWave3dZephx4(int id, int wave, const char* file, int type, const VECTOR3* position,
                           const VECTOR3* positionRight, int stereo) {
    if (!acceptWave(id, wave, file, "LoadVesselWave3dZephx4")) {
        return 0;
    }
    int index = wave - 1;
    VesselSoundRecord& record = vesselTable[id];
    const VECTOR3& left = position != nullptr ? *position : origin;
    recordWave(record, index, file, type, stereo == 1 ? WAVE_3D_STEREO : WAVE_3D_MONO);
    record.wavePosition[index] = left;
    record.wavePositionRight[index] = positionRight != nullptr ? *positionRight : left;
    WaveDistances distances = distancesOfType(type);
    record.waveMinDistance[index] = distances.minDistance;
    record.waveMaxDistance[index] = distances.maxDistance;
    if (!isFocusRecord(id)) {
        return 1;
    }
    rememberInQueue(index, file, type);
    if (plugin.device == nullptr) {
        return 1;
    }
    if (plugin.device->has3D != 1) {
        return LoadVesselWaveZephx3(id, wave, file, type);
    }
    return loadFocusWave3D(index, file, record, stereo);
}

int Set3dWaveParametersZephx4(int id, int wave, const VECTOR3* position,
                              const VECTOR3* positionRight, const float* minDistance,
                              const float* maxDistance, const ConeParameters* cone) {
    if (!isSoundId(id) || !isWaveNumber(wave) || vesselTable[id].vesselHandle == nullptr) {
        return 0;
    }
    int index = wave - 1;
    VesselSoundRecord& record = vesselTable[id];
    if (record.wave3dMode[index] == WAVE_2D || record.waveFileName[index][0] == '\0') {
        return 0;
    }
    if (position != nullptr) {
        record.wavePosition[index] = *position;
    }
    if (positionRight != nullptr) {
        record.wavePositionRight[index] = *positionRight;
    }
    if (minDistance != nullptr) {
        record.waveMinDistance[index] = *minDistance;
    }
    if (maxDistance != nullptr) {
        record.waveMaxDistance[index] = *maxDistance;
    }
    record.waveConeSet[index] = cone != nullptr ? 1 : 0;
    if (cone != nullptr) {
        record.waveCone[index] = *cone;
    }
    if (!isFocusRecord(id)) {
        return 1;
    }
    StockSoundSlot& slot = vesselWaveSlots[index];
    if (slot.sound == nullptr || slot.is3D != 1) {
        return 0;
    }
    if (position != nullptr || positionRight != nullptr) {
        setSlotPosition(slot, record.wavePosition[index], record.wavePositionRight[index]);
    }
    if (minDistance != nullptr || maxDistance != nullptr) {
        slot.minDistance = record.waveMinDistance[index];
        slot.maxDistance = record.waveMaxDistance[index];
        setSlotDistances(slot, slot.minDistance, slot.maxDistance);
    }
    if (cone != nullptr && record.settings.ALLOW3DPROJECTIONCONE == 1) {
        setSlotCone(slot, cone->insideAngle, cone->outsideAngle, coneOrientation(*cone),
                    cone->outsideVolume);
    }
    return 1;
}
