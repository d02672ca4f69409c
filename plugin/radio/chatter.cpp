#include "plugin/radio/chatter.h"

#include "platform/audio/dsound.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/random.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/core/stock_sounds.h"
#include "plugin/radio/chatter_delay.h"
#include "plugin/radio/radio_state.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace zephyrin {

namespace {

constexpr double chatterMinDistance = 5.0;
constexpr double chatterMaxDistance = 100.0;
constexpr int redrawsBeforeLowestUnplayed = 3;
constexpr double blackoutDynPressure = 5000.0;
constexpr int blackoutNoiseThreshold = 60;
constexpr int blackoutLowestChatterVolume = 100;

bool inCockpit() {
    return frame.cameraInternal == 1;
}

int randomWaveIndex() {
    return static_cast<int>(RandomInRange(0, static_cast<uint32_t>(radio.chatterWaveCount - 1)));
}

bool unplayed(int index) {
    return index >= 0 && index < chatterWaveMax && radio.playedFlags[index] == 0;
}

// The no-repeat rule: three more draws, then the lowest wave not yet heard; a cycle that heard
// every wave starts again.
int notYetPlayed(int index) {
    if (unplayed(index)) {
        return index;
    }
    for (int draw = 0; draw < redrawsBeforeLowestUnplayed; ++draw) {
        index = randomWaveIndex();
        if (unplayed(index)) {
            return index;
        }
    }
    for (int candidate = 0; candidate < radio.chatterWaveCount; ++candidate) {
        if (unplayed(candidate)) {
            return candidate;
        }
    }
    std::memset(radio.playedFlags, 0, sizeof radio.playedFlags);
    return randomWaveIndex();
}

bool addonTalking() {
    return exclusiveWaveIndex >= 0 && exclusiveWaveIndex < addonWaveCount &&
           isSlotPlaying(vesselWaveSlots[exclusiveWaveIndex]) != 0;
}

bool grounded() {
    return plugin.focusVessel != nullptr &&
           (plugin.focusVessel->GroundContact() || frame.status.status == VESSEL_STATUS_DOCKED);
}

bool sequenceFinished() {
    return radio.nextSequenceIndex > radio.chatterWaveCount - 1 && radio.sequence.loop == 0;
}

// The steps the random chatter and the delayed sequence share: true when a chatter is due now
// and may be heard; the schedule then already points at the next one.
bool chatterDue(bool drawsIndex) {
    double now = frame.simTime;
    if (frame.timeAcceleration != 1.0) {
        radio.rescheduleAfterWarp = 1;
        return false;
    }
    if (radio.rescheduleAfterWarp != 0) {
        radio.nextChatterTime = now + ChatterDelay();
        radio.rescheduleAfterWarp = 0;
        return false;
    }
    if (std::trunc(radio.nextChatterTime) >= std::trunc(now)) {
        return false;
    }
    if (isSlotPlaying(stockSlot(RadioChatter)) != 0) {
        return false;
    }
    radio.nextChatterTime = now + ChatterDelay();
    if (drawsIndex) {
        radio.lastChatterIndex = randomWaveIndex();
    }
    if (liveOptions.NOATCWHENGROUNDED != 0 && grounded()) {
        return false;
    }
    if (radio.radioMuted != 0) {
        return false;
    }
    if (addonTalking()) {
        radio.nextChatterTime = now + ChatterDelay();
        return false;
    }
    return true;
}

void updateRandomChatter() {
    if (chatterDue(true)) {
        PlayChatter(std::clamp(radio.lastChatterIndex, 0, chatterWaveMax - 1), chatterVolume());
    }
}

void updateDelayedSequence() {
    if (sequenceFinished() || !chatterDue(false)) {
        return;
    }
    PlayChatter(radio.nextSequenceIndex, chatterVolume());
    radio.lastChatterIndex = radio.nextSequenceIndex;
    if (radio.nextSequenceIndex >= radio.chatterWaveCount - 1 && radio.sequence.loop == 1) {
        radio.nextSequenceIndex = 0;
    } else {
        ++radio.nextSequenceIndex;
    }
}

void updateTimedSequence() {
    double now = frame.simTime;
    double elapsed = std::trunc(now - radio.sequenceStartTime);
    // A loop waits its pause before the start; earlier than that the simulation time went back.
    double pause = radio.sequence.loop == 1 ? std::max(radio.sequence.loopPause, 0) : 0;
    if (elapsed < -pause) {
        radio.sequenceStartTime = now;
        radio.nextSequenceIndex = 0;
        elapsed = 0;
    }
    if (sequenceFinished()) {
        return;
    }
    if (radio.nextSequenceIndex < radio.chatterWaveCount &&
        radio.sequence.times[radio.nextSequenceIndex] <= elapsed) {
        stopSlot(stockSlot(RadioChatter));
        PlayChatter(radio.nextSequenceIndex, chatterVolume());
        radio.lastChatterIndex = radio.nextSequenceIndex;
        ++radio.nextSequenceIndex;
    }
    if (radio.nextSequenceIndex > radio.chatterWaveCount - 1 && radio.sequence.loop == 1) {
        radio.sequenceStartTime = now + radio.sequence.loopPause;
        radio.lastChatterIndex = radio.nextSequenceIndex - 1;
        radio.nextSequenceIndex = 0;
    }
}

} // namespace

int heardChatterVolume() {
    return std::clamp(liveOptions.VOLATC - frame.radioExternalReduction, 0, slotVolumeMax);
}

int chatterVolume() {
    if (liveOptions.RADIOINEXTERNALVIEW == 1 || inCockpit()) {
        return heardChatterVolume();
    }
    return 0;
}

void PlayChatter(int index, int volume) {
    if (radio.sequentialMode == 0) {
        radio.lastChatterIndex = index;
        index = notYetPlayed(index);
        radio.playedFlags[index] = 1;
        radio.lastChatterIndex = index;
    }
    if (index < 0 || index >= radio.chatterWaveCount) {
        return;
    }
    StockSoundSlot& slot = stockSlot(RadioChatter);
    LoadWave3D(slot, radio.chatterWaves[index], 0, &radioSoundPosition, chatterMinDistance,
               chatterMaxDistance);
    if (liveOptions.RADIOINEXTERNALVIEW == 1 && slot.sound != nullptr) {
        setSlotMode(slot, inCockpit() ? DS3DMODE_NORMAL : DS3DMODE_DISABLE);
    }
    playWaveSimple(slot, 0, volume);
}

void UpdateRadio() {
    if (radio.chatterWaveCount == 0) {
        return;
    }
    if (radio.sequentialMode == 1) {
        if (radio.sequence.timed != 0) {
            updateTimedSequence();
        } else {
            updateDelayedSequence();
        }
        return;
    }
    updateRandomChatter();
}

void updateBlackoutNoise() {
    if (liveOptions.RADIOBLACKOUTINREENTRY != 1 || !inCockpit() ||
        frame.dynPressure <= blackoutDynPressure || isSlotPlaying(stockSlot(RadioChatter)) == 0) {
        return;
    }
    double heating = 0.5 * frame.atmPressure * std::pow(frame.airspeed, 3) / 1e9 / 41;
    int noise = static_cast<int32_t>(RandomInRange(static_cast<uint32_t>(-20), 20)) +
                static_cast<int>(std::clamp(std::trunc(heating), -1e9, 1e9));
    if (noise <= blackoutNoiseThreshold) {
        return;
    }
    int volume = std::max(heardChatterVolume() - noise / 4, blackoutLowestChatterVolume);
    SetWaveVolume(stockSlot(RadioChatter), volume);
    playWaveSimple(stockSlot(Noise), 0, std::min(noise, liveOptions.VOLATC));
}

} // namespace zephyrin
