// The radio's part of the add-on interface: vessel add-ons tune the com radio and keep their own
// radio voices off the chatter.
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/radio/frequency_folders.h"
#include "plugin/radio/radio_config.h"
#include "plugin/radio/radio_state.h"
#include "sdk/VoranthAPI.h"
#include "sdk/ZephyrinAddon.h"

#include <cstring>

using namespace zephyrin;

// Tunes the com radio to `frequency`, unchecked in form: a text no folder name contains leaves
// the radio silent. A null text or one that does not fit the frequency buffer is refused with 0.
VRPLUGIN_CALLBACK int SetFrequency(const char* frequency) {
    if (frequency == nullptr || strnlen(frequency, frequencyLength) >= frequencyLength) {
        return 0;
    }
    std::memset(radio.comFrequency, 0, sizeof radio.comFrequency);
    std::memcpy(radio.comFrequency, frequency, std::strlen(frequency));
    buildComFrequencyText();
    stopSlot(stockSlot(RadioChatter));
    SelectFrequencyFolder();
    return 1;
}

// 1 while a chatter is playing, so that an add-on does not talk over it.
VRPLUGIN_CALLBACK int IsPlayingRadioVesselWave() {
    return isSlotPlaying(stockSlot(RadioChatter)) != 0 ? 1 : 0;
}
