#include "plugin/core/slot_operations.h"

#include "plugin/audio/sound.h"
#include "plugin/audio/sound_device.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zephyrin {

namespace {

constexpr DWORD flags2D = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY;
constexpr DWORD flags3D = flags2D | DSBCAPS_CTRL3D;

constexpr int lowestFrequencyHz = 4000;
constexpr int highestFrequencyHz = 44100;
// A file whose rate reads lower than this has no usable rate to scale against.
constexpr float lowestScalableBaseFrequencyHz = 1000.0f;

// A looping request within these steps of the last one is not re-issued.
constexpr int volumeTolerance = 3;
constexpr int frequencyToleranceHz = 100;

constexpr double fullConeDegrees = 360.0;
constexpr D3DVECTOR fullConeOrientation{0.0f, 0.0f, 1.0f};

const VECTOR3 origin{0.0, 0.0, 0.0};

D3DVECTOR toD3D(const VECTOR3& v) {
    return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

VECTOR3 midpoint(const VECTOR3& a, const VECTOR3& b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
}

bool deviceHas3D() {
    return plugin.device != nullptr && plugin.device->has3D == 1;
}

void forgetPlayValues(StockSoundSlot& slot) {
    slot.lastVolume = stoppedVolume;
    slot.lastFrequency = stoppedFrequency;
    slot.lastRightVolume = unusedRightVolume;
}

// Same file again: nothing is read from disk, the sound starts over from silence.
bool reuseSlot(StockSoundSlot& slot, const char* file) {
    if (slot.sound == nullptr || std::strcmp(slot.fileName, file) != 0) {
        return false;
    }
    ++waveStatistics.reused;
    forgetPlayValues(slot);
    slot.sound->stop();
    slot.sound->rewind();
    return true;
}

HRESULT createSlotSound(StockSoundSlot& slot, const char* file, DWORD flags) {
    return createSound(plugin.device, &slot.sound, file, flags, GUID_NULL, 1);
}

void keepFile(StockSoundSlot& slot, const char* file) {
    std::snprintf(slot.fileName, sizeof slot.fileName, "%s", file);
    slot.baseFrequency = static_cast<float>(slot.sound->getFrequency());
}

// Places a loaded 3D sound: a stereo pair channel by channel, anything else at the midpoint.
void place3D(StockSoundSlot& slot, const VECTOR3& left, const VECTOR3& right, double minDistance,
             double maxDistance) {
    if (!slot.sound->is3D()) {
        return;
    }
    slot.is3D = 1;
    slot.isStereoPair = slot.sound->isStereoPair;
    if (slot.isStereoPair == 1) {
        slot.leftPosition = left;
        slot.rightPosition = right;
    } else {
        slot.leftPosition = slot.rightPosition = midpoint(left, right);
    }
    slot.sound->setMode(DS3DMODE_NORMAL);
    slot.sound->setMinMaxDistance(minDistance, maxDistance);
    slot.minDistance = minDistance;
    slot.maxDistance = maxDistance;
    slot.sound->setPosition(toD3D(slot.leftPosition), toD3D(slot.rightPosition));
}

void load3D(StockSoundSlot& slot, const char* file, int staticRequest, const VECTOR3& left,
            const VECTOR3& right, double minDistance, double maxDistance, DWORD splitRequest) {
    if (plugin.device == nullptr || file == nullptr) {
        return;
    }
    if (!deviceHas3D()) {
        LoadWave(slot, file, staticRequest);
        return;
    }
    if (reuseSlot(slot, file)) {
        place3D(slot, left, right, minDistance, maxDistance);
        if (slot.is3D == 1) {
            slot.sound->setCone(fullConeDegrees, fullConeDegrees, fullConeOrientation,
                                slotVolumeMax);
        }
        return;
    }
    resetSlot(slot);
    DWORD flags = flags3D | splitRequest;
    if (staticRequest == 1 && plugin.device->caps.dwFreeHw3DStaticBuffers != 0) {
        flags |= DSBCAPS_STATIC;
    }
    HRESULT result = createSlotSound(slot, file, flags);
    if (FAILED(result)) {
        logTextError(result, "LoadWave3D->unable to load 3D wave:", file);
        return;
    }
    keepFile(slot, file);
    place3D(slot, left, right, minDistance, maxDistance);
}

int clampVolume(int volume) {
    return std::clamp(volume, 0, slotVolumeMax);
}

bool changedTooLittle(const StockSoundSlot& slot, int volume, int frequency, int rightVolume) {
    return (rightVolume == unusedRightVolume ||
            std::abs(rightVolume - slot.lastRightVolume) <= volumeTolerance) &&
           std::abs(volume - slot.lastVolume) <= volumeTolerance &&
           std::abs(frequency - slot.lastFrequency) <= frequencyToleranceHz;
}

} // namespace

void LoadWave(StockSoundSlot& slot, const char* file, int staticRequest) {
    if (plugin.device == nullptr || file == nullptr || reuseSlot(slot, file)) {
        return;
    }
    resetSlot(slot);
    bool askStatic = staticRequest == 1 && plugin.device->caps.dwFreeHwMixingStaticBuffers != 0;
    HRESULT result = createSlotSound(slot, file, askStatic ? flags2D | DSBCAPS_STATIC : flags2D);
    if (SUCCEEDED(result)) {
        keepFile(slot, file);
        return;
    }
    // One more try in software: the hardware may have run out of static buffers since it
    // reported them free. The name is not kept, so that the next load of the file tries the
    // hardware again. A load that asked for no static buffer would only fail again.
    if (askStatic) {
        result = createSlotSound(slot, file, flags2D);
        if (SUCCEEDED(result)) {
            slot.baseFrequency = static_cast<float>(slot.sound->getFrequency());
            return;
        }
    }
    logTextError(result, "LoadWave->unable to find wave:", file);
}

void LoadWave3D(StockSoundSlot& slot, const char* file, int staticRequest, const VECTOR3* position,
                double minDistance, double maxDistance) {
    const VECTOR3& at = position != nullptr ? *position : origin;
    load3D(slot, file, staticRequest, at, at, minDistance, maxDistance, 0);
}

void LoadWave3DStereo(StockSoundSlot& slot, const char* file, int staticRequest,
                      const VECTOR3* leftPosition, const VECTOR3* rightPosition, double minDistance,
                      double maxDistance) {
    load3D(slot, file, staticRequest, leftPosition != nullptr ? *leftPosition : origin,
           rightPosition != nullptr ? *rightPosition : origin, minDistance, maxDistance,
           soundSplitStereo);
}

void PlayWave(StockSoundSlot& slot, int looping, int volume, int frequency, int referenceFrequency,
              int rightVolume) {
    if (slot.sound == nullptr || plugin.device == nullptr) {
        return;
    }
    volume = clampVolume(volume);
    if (rightVolume != unusedRightVolume) {
        rightVolume = clampVolume(rightVolume);
    }
    if (frequency != 0) {
        frequency = std::clamp(frequency, lowestFrequencyHz, highestFrequencyHz);
        if (slot.baseFrequency > lowestScalableBaseFrequencyHz && referenceFrequency > 0) {
            // Multiplied first in integers: a file at the reference rate plays the very
            // frequency asked for, which a division first would round down by 1 Hz.
            frequency =
                static_cast<int>(static_cast<int64_t>(frequency) *
                                 static_cast<int64_t>(slot.baseFrequency) / referenceFrequency);
        }
    }
    // Compared after the scaling, in the unit the last play was stored in.
    if (looping != 0 && changedTooLittle(slot, volume, frequency, rightVolume)) {
        return;
    }
    HRESULT result =
        slot.sound->play(0, looping != 0, volume, static_cast<DWORD>(frequency), rightVolume);
    if (FAILED(result)) {
        logPlayError(result, "PlayWave->");
        return;
    }
    slot.lastRightVolume = rightVolume;
    slot.lastVolume = volume;
    slot.lastFrequency = frequency;
}

void playWaveSimple(StockSoundSlot& slot, int looping, int volume) {
    PlayWave(slot, looping, volume, 0, 0, unusedRightVolume);
}

int SetWaveVolume(StockSoundSlot& slot, int volume) {
    if (slot.sound == nullptr || plugin.device == nullptr) {
        return 0;
    }
    volume = clampVolume(volume);
    if (slot.lastVolume >= 0) {
        slot.lastVolume = volume;
    }
    HRESULT result = slot.sound->setVolume(volume);
    if (FAILED(result)) {
        logError(result, "SetWaveVolume->");
    }
    return 1;
}

void muteSlot(StockSoundSlot& slot) {
    if (slot.sound != nullptr && plugin.device != nullptr) {
        slot.sound->setVolume(0);
    }
}

void restoreSlotVolume(StockSoundSlot& slot) {
    if (slot.sound != nullptr && plugin.device != nullptr) {
        slot.sound->setVolume(clampVolume(slot.lastVolume));
    }
}

void stopSlot(StockSoundSlot& slot) {
    if (slot.sound == nullptr) {
        return;
    }
    slot.lastVolume = stoppedVolume;
    slot.lastFrequency = stoppedFrequency;
    slot.sound->stop();
    slot.sound->rewind();
}

void resetSlot(StockSoundSlot& slot) {
    CSound* sound = slot.sound;
    std::memset(&slot, 0, sizeof slot);
    forgetPlayValues(slot);
    if (sound != nullptr) {
        sound->stop();
        sound->rewind();
        delete sound;
    }
}

int isSlotPlaying(const StockSoundSlot& slot) {
    return slot.sound != nullptr && slot.sound->isPlaying() ? 1 : 0;
}

bool slotTakes3D(const StockSoundSlot& slot) {
    return slot.sound != nullptr && slot.is3D == 1 && deviceHas3D();
}

void setSlotPosition(StockSoundSlot& slot, const VECTOR3& left, const VECTOR3& right) {
    if (!slotTakes3D(slot)) {
        return;
    }
    slot.sound->setPosition(toD3D(left), toD3D(right));
    slot.leftPosition = left;
    slot.rightPosition = right;
}

void setSlotCone(StockSoundSlot& slot, double insideAngle, double outsideAngle,
                 const VECTOR3& orientation, double outsideVolume) {
    if (slotTakes3D(slot) && liveOptions.ALLOW3DPROJECTIONCONE == 1) {
        slot.sound->setCone(insideAngle, outsideAngle, toD3D(orientation), outsideVolume);
    }
}

void setSlotMode(StockSoundSlot& slot, uint32_t mode) {
    if (slotTakes3D(slot)) {
        slot.sound->setMode(mode);
    }
}

void setSlotDistances(StockSoundSlot& slot, double minDistance, double maxDistance) {
    if (slotTakes3D(slot)) {
        slot.sound->setMinMaxDistance(minDistance, maxDistance);
    }
}

} // namespace zephyrin
