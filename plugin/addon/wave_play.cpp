// Playing, stopping and silencing the focus vessel's add-on waves under their view rules.
#include "plugin/addon/wave_play.h"

#include "plugin/addon/addon_checks.h"
#include "plugin/addon/addon_sounds.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/audio/sound.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "sdk/ZephyrinAddon.h"

#include <algorithm>

namespace zephyrin {

namespace {

constexpr int lowestAddonFrequencyHz = 5000;
constexpr int highestAddonFrequencyHz = 44100;

int clampFrequency(int frequency) {
    return frequency == 0 ? 0
                          : std::clamp(frequency, lowestAddonFrequencyHz, highestAddonFrequencyHz);
}

// The attenuation of an outside view by how far the wave's type carries.
int distanceAttenuationOf(int type) {
    switch (type) {
    case VIEW_BOTH_NEAR:
    case VIEW_OUTSIDE_NEAR:
        return frame.closeAttenuation;
    case VIEW_BOTH_MID:
    case VIEW_OUTSIDE_MID:
        return frame.mediumAttenuation;
    case VIEW_BOTH_FAR:
    case VIEW_OUTSIDE_FAR:
        return frame.farAttenuation;
    default:
        return 0;
    }
}

int volumeInView(int type, int volume, const StockSoundSlot& slot) {
    bool outside = frame.cameraInternal == 0;
    if (type == VIEW_INSIDE_ONLY) {
        return outside ? 0 : volume;
    }
    if (type < VIEW_BOTH_NEAR || type > VIEW_OUTSIDE_FAR) {
        return volume;
    }
    if (!outside) {
        return type >= VIEW_OUTSIDE_NEAR ? 0 : volume;
    }
    // A 3D wave already fades with its distance from the listener.
    int distance = slot.is3D == 1 ? 0 : distanceAttenuationOf(type);
    return std::clamp(volume - distance - frame.vacuumAttenuation, 0, slotVolumeMax);
}

} // namespace

int playExclusiveWave(int id, int wave, bool looping, int volume, int frequency, bool markAsRadio,
                      const char* failureText) {
    if (!focusWaveLoaded(id, wave)) {
        return 0;
    }
    StockSoundSlot& slot = vesselWaveSlots[wave - 1];
    volume = std::clamp(volume, 0, slotVolumeMax);
    slot.lastVolume = volume;
    if (markAsRadio) {
        vesselTable[id].waveType[wave - 1] = VIEW_RADIO;
    }
    stopSlot(stockSlot(RadioChatter));
    HRESULT result =
        slot.sound->play(0, looping, volume, static_cast<DWORD>(clampFrequency(frequency)));
    if (FAILED(result)) {
        logError(result, failureText);
        return 0;
    }
    exclusiveWaveIndex = wave - 1;
    return 1;
}

int stopFocusWave(int id, int wave) {
    if (!isSoundId(id) || !isWaveNumber(wave) || id != run.currentVesselIndex ||
        vesselWaveSlots[wave - 1].sound == nullptr) {
        return 0;
    }
    stopSlot(vesselWaveSlots[wave - 1]);
    return 1;
}

int isFocusWavePlaying(int id, int wave) {
    if (!isSoundId(id) || !isWaveNumber(wave) || id != run.currentVesselIndex) {
        return 0;
    }
    return isSlotPlaying(vesselWaveSlots[wave - 1]);
}

void switchAddonSoundsView(int cameraInternal) {
    if (run.currentVesselIndex == LEGACY_SOUND_ID) {
        return;
    }
    const VesselSoundRecord& record = vesselTable[run.currentVesselIndex];
    bool outside = cameraInternal == 0;
    for (int index = 0; index < addonWaveCount; ++index) {
        StockSoundSlot& slot = vesselWaveSlots[index];
        bool silent;
        if (record.waveType[index] == VIEW_INSIDE_ONLY) {
            silent = outside;
        } else if (record.waveType[index] == VIEW_RADIO) {
            silent = outside && liveOptions.RADIOINEXTERNALVIEW != 1;
        } else {
            continue;
        }
        if (silent) {
            muteSlot(slot);
        } else {
            restoreSlotVolume(slot);
        }
    }
}

} // namespace zephyrin

using namespace zephyrin;

int PlayVesselWaveZephx3(int id, int wave, int loop, int volume, int frequency) {
    if (!focusWaveLoaded(id, wave)) {
        return 0;
    }
    int type = vesselTable[id].waveType[wave - 1];
    if (type == VIEW_RADIO) {
        PlayVesselExclusiveWaveZephx3(id, wave, 0, volume, 0);
        return 1;
    }
    StockSoundSlot& slot = vesselWaveSlots[wave - 1];
    volume = volumeInView(type, std::clamp(volume, 0, slotVolumeMax), slot);
    PlayWave(slot, loop == 1 ? 1 : 0, volume, clampFrequency(frequency), 0, unusedRightVolume);
    return 1;
}

int PlayVesselExclusiveWaveZephx3(int id, int wave, int, int volume, int frequency) {
    return playExclusiveWave(id, wave, false, volume, frequency, true,
                             "PlayVesselExclusive3 ERROR ->");
}

int StopVesselWave3(int id, int wave) {
    return stopFocusWave(id, wave);
}

int IsPlayingVesselWave3(int id, int wave) {
    return isFocusWavePlaying(id, wave);
}
