#include "plugin/radio/radio.h"

#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/radio/chatter.h"
#include "plugin/radio/chatter_delay.h"
#include "plugin/radio/frequency_folders.h"
#include "plugin/radio/radio_config.h"
#include "plugin/radio/radio_state.h"

#include <cstring>

namespace zephyrin {

void resetRadioTables() {
    std::memset(radio.chatterWaves, 0, sizeof radio.chatterWaves);
    radio.chatterWaveCount = 0;
    radio.lastChatterIndex = 0;
    radio.nextSequenceIndex = 0;
    radio.nextChatterTime = 0;
    radio.rescheduleAfterWarp = 0;
    std::memset(radio.playedFlags, 0, sizeof radio.playedFlags);
    std::memset(&radio.sequence, 0, sizeof radio.sequence);
    radio.sequenceStartTime = 0;
    radio.sequentialMode = 0;
    exclusiveWaveIndex = noExclusiveWave;
}

void setUpRadio() {
    LoadRadioConfig();
    ScanFrequencyFolders();
    SelectFrequencyFolder();
}

void tearDownRadio() {
    SaveRadioConfig();
}

void scheduleNextChatter() {
    radio.nextChatterTime = frame.simTime + ChatterDelay();
}

void scheduleFirstChatter(double simTime) {
    radio.nextChatterTime = simTime + ChatterDelay();
}

void restartRadioChatter() {
    radio.sequenceStartTime = frame.simTime;
    radio.nextSequenceIndex = 0;
    scheduleNextChatter();
}

bool sequentialProgramSuppressesCountdown() {
    return radio.sequentialMode == 1 && radio.sequence.noCountdown != 0;
}

void updateRadioChatter() {
    UpdateRadio();
}

void updateRadioBlackout() {
    updateBlackoutNoise();
}

} // namespace zephyrin
