// The cabin: the air conditioning, whose pitch follows the engines' work, and the random
// creaks and breaths of the cabin ambience.
#include "plugin/behaviour/callouts.h"

#include "plugin/behaviour/saturating_whole.h"
#include "plugin/core/cabin_ambience.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/random.h"
#include "plugin/core/slot_operations.h"

namespace zephyrin {

namespace {

// Switched off by an add-on, the air conditioning winds down toward this pitch.
constexpr float airCondOffHz = 6000.0f;
// Below this pitch the fans are no longer heard.
constexpr float airCondAudibleHz = 8100.0f;
constexpr float airCondKeep = 0.97f;
constexpr float airCondFollow = 0.03f;

// Half of the draws, once per cycle of the ambience counter, give a cabin sound.
constexpr int ambienceDrawMoment = 1;
constexpr uint32_t ambienceChanceRange = 100;
constexpr uint32_t ambienceChanceBelow = 50;
// The draw 0..9 gives 9 once in 32768 draws, which names no ambience: nothing is heard.
constexpr uint32_t ambienceEntries = cabinAmbienceCount;

} // namespace

float smoothedAirCondFrequency(float current, float target) {
    return airCondKeep * current + airCondFollow * target;
}

void updateAirConditioning() {
    if (liveOptions.PLAYCABINAIRCONDITIONING != 1) {
        return;
    }
    if (run.airCondEnabled == 0) {
        run.airCondTargetFrequency = airCondOffHz;
    }
    run.airCondFrequency =
        smoothedAirCondFrequency(run.airCondFrequency, run.airCondTargetFrequency);
    if (run.airCondFrequency > airCondAudibleHz && frame.cameraInternal == 1) {
        if (frame.slowTick == 1) {
            PlayWave(stockSlot(AirCond), 1, liveOptions.VOLAIRCOND,
                     truncateSaturated(run.airCondFrequency), referenceFrequency22050Hz,
                     unusedRightVolume);
        }
        callouts.airCondPlaying = 1;
    } else if (callouts.airCondPlaying == 1) {
        stopSlot(stockSlot(AirCond));
        callouts.airCondPlaying = 0;
    }
}

void updateCabinAmbience() {
    if (liveOptions.PLAYCABINRANDOMAMBIANCE != 1 || frame.ambienceCounter != ambienceDrawMoment) {
        return;
    }
    // Under time acceleration the cabin's small sounds would come in a rush.
    if (RandomInRange(0, ambienceChanceRange) < ambienceChanceBelow &&
        frame.timeAcceleration == 1.0) {
        int index = static_cast<int>(RandomInRange(0, ambienceEntries));
        bool silenced = frame.cameraInternal == 0 && liveOptions.ALLOWSILENCEOFSPACE == 1;
        playCabinAmbience(index, silenced ? 0 : liveOptions.VOLCABINAMBIENCE);
    }
    ++frame.ambienceCounter;
}

} // namespace zephyrin
