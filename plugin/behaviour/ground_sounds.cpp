#include "plugin/behaviour/ground_sounds.h"

#include "plugin/behaviour/saturating_whole.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <algorithm>

namespace zephyrin {

GroundLatches ground;

namespace {

// Below this height the ground block runs at all.
constexpr double groundSoundsCeilingM = 200;
// Sinking faster than this at contact is a crash, not a landing.
constexpr double crashSinkRate = -10;
constexpr double rollingHeightM = 1;
constexpr double rollingSpeed = 2;
constexpr double stoppedSpeed = 1;
// Climbing above this height arms the next touchdown and ends the rolling sounds.
constexpr double touchdownArmingHeightM = 20;
constexpr double wheelBrakeApplied = 0.2;
constexpr int crashFrequencyHz = 22050;
constexpr int crashHzPerMediumAttenuation = 40;
constexpr int brakeVolumePerSpeed = 2;
constexpr int brakeHzPerVolume = 10;
constexpr int brakeBaseHz = 20000;
constexpr int rollVolumePerFourSpeed = 10;
constexpr int rollVolumeMax = 255;
// Outside, the wheels are heard under the engines.
constexpr float rollExternalShare = 0.8f;
constexpr int touchdownVolumeBase = 220;
constexpr int touchdownVolumePerSinkRate = 4;
constexpr int touchdownBaseHz = 20050;
constexpr int touchdownHzPerSinkRate = 500;

constexpr int wheelRight = 2;
constexpr int wheelLeft = 1;

constexpr double clearanceArmingAltitudeM = 10000;
constexpr double clearanceCallAltitudeM = 3000;

int closeAttenuationUnless3D(const FrameState& f, bool slotIs3D) {
    return slotIs3D ? 0 : f.closeAttenuation;
}

bool brakesApplied(const VESSEL& vessel) {
    return vessel.GetWheelbrakeLevel(wheelRight) > wheelBrakeApplied ||
           vessel.GetWheelbrakeLevel(wheelLeft) > wheelBrakeApplied;
}

void rollOnTheGround(const VESSEL& vessel) {
    if (brakesApplied(vessel)) {
        StockSoundSlot& brake = stockSlot(WheelBrake);
        SoundRequest request = wheelBrakeRequest(frame, brake.is3D == 1);
        PlayWave(brake, 1, request.volume, request.frequency, referenceFrequency22050Hz,
                 unusedRightVolume);
        ground.groundSoundsActive = 1;
    } else if (ground.groundSoundsActive == 1) {
        SetWaveVolume(stockSlot(WheelBrake), 0);
    }
    if (frame.slowTick == 1) {
        StockSoundSlot& roll = stockSlot(GroundRoll);
        playWaveSimple(roll, 1, groundRollVolume(frame, liveOptions, roll.is3D == 1));
        ground.groundSoundsActive = 1;
    }
    if (ground.touchdownArmed == 1) {
        StockSoundSlot& touchdown = stockSlot(Touchdown);
        SoundRequest request = touchdownRequest(frame, touchdown.is3D == 1);
        PlayWave(touchdown, 0, request.volume, request.frequency, referenceFrequency22050Hz,
                 unusedRightVolume);
        ground.touchdownArmed = 0;
    }
}

} // namespace

SoundRequest crashRequest(const FrameState& f, const OptionRecord& o, bool slotIs3D) {
    int volume = o.VOLLANDINGCRASH - f.vacuumAttenuation - (slotIs3D ? 0 : f.farAttenuation);
    return {volume, crashFrequencyHz - crashHzPerMediumAttenuation * f.mediumAttenuation};
}

SoundRequest wheelBrakeRequest(const FrameState& f, bool slotIs3D) {
    int64_t volume = int64_t{truncateSaturated(brakeVolumePerSpeed * f.airspeed)} -
                     closeAttenuationUnless3D(f, slotIs3D) - f.vacuumAttenuation;
    return {saturate(volume), saturate(brakeHzPerVolume * volume + brakeBaseHz)};
}

int groundRollVolume(const FrameState& f, const OptionRecord& o, bool slotIs3D) {
    int64_t volume = std::min<int64_t>(
        rollVolumePerFourSpeed * int64_t{truncateSaturated(f.airspeed)} / 4, rollVolumeMax);
    volume -= closeAttenuationUnless3D(f, slotIs3D) + f.vacuumAttenuation;
    volume = std::min<int64_t>(volume, o.VOLLANDINGCRASH);
    if (f.cameraInternal == 0) {
        volume = static_cast<int64_t>(static_cast<float>(volume) * rollExternalShare);
    }
    return saturate(volume);
}

SoundRequest touchdownRequest(const FrameState& f, bool slotIs3D) {
    int64_t sinkRate = truncateSaturated(f.verticalSpeed);
    int64_t volume = touchdownVolumePerSinkRate * sinkRate + touchdownVolumeBase -
                     closeAttenuationUnless3D(f, slotIs3D);
    return {saturate(volume), saturate(touchdownBaseHz - touchdownHzPerSinkRate * sinkRate)};
}

void updateGroundSounds(VESSEL& vessel) {
    if (liveOptions.PLAYLANDINGANDGROUNDSOUND != 1 || frame.altitude >= groundSoundsCeilingM) {
        return;
    }
    bool contact = vessel.GroundContact();
    if (contact && frame.previousVerticalSpeed < crashSinkRate) {
        StockSoundSlot& crash = stockSlot(Crash);
        SoundRequest request = crashRequest(frame, liveOptions, crash.is3D == 1);
        PlayWave(crash, 0, request.volume, request.frequency, referenceFrequency22050Hz,
                 unusedRightVolume);
        // A wreck sliding on does not thump as if it had landed.
        ground.touchdownArmed = 0;
    } else if ((contact || frame.heightAboveGround < rollingHeightM) &&
               frame.airspeed > rollingSpeed) {
        rollOnTheGround(vessel);
    } else if (ground.groundSoundsActive == 1) {
        SetWaveVolume(stockSlot(GroundRoll), 0);
        SetWaveVolume(stockSlot(WheelBrake), 0);
    }

    if (frame.heightAboveGround > touchdownArmingHeightM) {
        ground.touchdownArmed = 1;
    }
    if (ground.groundSoundsActive == 1 &&
        (frame.heightAboveGround > touchdownArmingHeightM || frame.airspeed < stoppedSpeed)) {
        stopSlot(stockSlot(GroundRoll));
        stopSlot(stockSlot(WheelBrake));
        ground.groundSoundsActive = 0;
    }
}

void updateLandingClearance(VESSEL& vessel) {
    if (liveOptions.PLAYDOCKLANDCLEARANCE != 1) {
        return;
    }
    if (vessel.GroundContact()) {
        ground.landingClearanceLatch = 1;
    } else if (frame.altitude > clearanceArmingAltitudeM) {
        ground.landingClearanceLatch = 0;
    } else if (ground.landingClearanceLatch == 0 && frame.altitude < clearanceCallAltitudeM) {
        if (frame.cameraInternal == 1 || liveOptions.RADIOINEXTERNALVIEW == 1) {
            playWaveSimple(stockSlot(LandingClearance), 0, liveOptions.VOLLANDCLEARANCE);
        }
        ground.landingClearanceLatch = 1;
    }
}

} // namespace zephyrin
