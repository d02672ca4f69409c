#include "plugin/radio/radio_controls.h"

#include "plugin/addon/vessel_table.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/radio/chatter.h"
#include "plugin/radio/frequency_folders.h"
#include "plugin/radio/radio_config.h"
#include "plugin/radio/radio_state.h"

#include <algorithm>
#include <cstring>

namespace zephyrin {

namespace {

constexpr size_t frequencyCharacters = 7;
constexpr int pointIndex = 3;
constexpr int highestVolumeLevel = 5;
constexpr int lowestVolumeAtc = 105;
constexpr int volumeAtcPerLevel = 30;

} // namespace

void SwapFrequencies() {
    char held[frequencyLength];
    std::memcpy(held, radio.comFrequency, sizeof held);
    std::memcpy(radio.comFrequency, radio.memFrequency, sizeof radio.comFrequency);
    std::memcpy(radio.memFrequency, held, sizeof radio.memFrequency);
    buildComFrequencyText();
    buildMemFrequencyText();
    stopSlot(stockSlot(RadioChatter));
    SelectFrequencyFolder();
}

bool SetStandbyFrequency(const char* text) {
    if (text == nullptr || strnlen(text, frequencyCharacters + 1) != frequencyCharacters) {
        return false;
    }
    const char* point = std::strchr(text, '.');
    if (point == nullptr || point - text != pointIndex) {
        return false;
    }
    std::memset(radio.memFrequency, 0, sizeof radio.memFrequency);
    std::memcpy(radio.memFrequency, text, frequencyCharacters);
    radio.memFrequency[pointIndex] = '.';
    buildMemFrequencyText();
    return true;
}

void StepVolumeLevel() {
    radio.radioVolumeLevel =
        radio.radioVolumeLevel >= highestVolumeLevel ? 1 : radio.radioVolumeLevel + 1;
    liveOptions.VOLATC = lowestVolumeAtc + volumeAtcPerLevel * radio.radioVolumeLevel;
    if (radio.chatterWaveCount > 0) {
        PlayChatter(std::clamp(radio.lastChatterIndex, 0, chatterWaveMax - 1),
                    heardChatterVolume());
    }
}

void ToggleMute() {
    if (liveOptions.PLAYRADIOATC == 1) {
        radio.radioMuted = radio.radioMuted == 0 ? 1 : 0;
        if (radio.radioMuted == 1) {
            stopSlot(stockSlot(RadioChatter));
        }
        return;
    }
    radio.radioMuted = 0;
    liveOptions.PLAYRADIOATC = 1;
    if (run.currentVesselIndex >= 0 && run.currentVesselIndex <= LEGACY_SOUND_ID) {
        vesselTable[run.currentVesselIndex].settings.PLAYRADIOATC = 1;
    }
}

} // namespace zephyrin
