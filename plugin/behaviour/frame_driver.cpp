#include "plugin/behaviour/frame_driver.h"

#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/audio/sound_device.h"
#include "plugin/audio/sound_device_lifecycle.h"
#include "plugin/behaviour/atmosphere_sounds.h"
#include "plugin/behaviour/callouts.h"
#include "plugin/behaviour/camera_change.h"
#include "plugin/behaviour/debug_line.h"
#include "plugin/behaviour/engine_sounds.h"
#include "plugin/behaviour/flight_display.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/behaviour/frame_ticks.h"
#include "plugin/behaviour/ground_sounds.h"
#include "plugin/behaviour/listener.h"
#include "plugin/behaviour/sound_cones.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/advanced_configuration.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/perf_timer.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/random.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/core/stock_sounds.h"
#include "plugin/core/welcome_dismissal.h"
#include "plugin/environment/planet_and_base_sounds.h"
#include "plugin/radio/mp3_player.h"
#include "plugin/radio/radio.h"

#include <algorithm>
#include <cstring>

namespace zephyrin {

namespace {

constexpr int startupFrames = 30;
// In the first frames the camera and the supersonic rule settle.
constexpr int settlingFrames = 9;
constexpr int ambienceCounterWrap = 150;
constexpr double highestClosingSpeed = 350.0;
constexpr double fastTimeAcceleration = 10.0;
constexpr float airCondIdleHz = 22050.0f;
constexpr float airCondLowestStartHz = 20050.0f;
constexpr uint32_t airCondStartSpreadHz = 4000;
constexpr double millisecondsPerSecond = 1000.0;

// Times the ground observer's measurements of the closing speed.
CPerfTimer& observerTimer() {
    static CPerfTimer timer(true);
    return timer;
}

void measureClosingSpeed() {
    if (frame.processTick == 1) {
        double elapsedSeconds = observerTimer().ElapsedMs() / millisecondsPerSecond;
        // Two ticks within one counter tick have no speed to tell.
        if (elapsedSeconds > 0) {
            frame.observerClosingSpeed =
                (run.previousCameraDistance - run.cameraDistance) / elapsedSeconds;
        }
        observerTimer().StartTimer(true);
    }
    frame.observerClosingSpeed =
        std::clamp(frame.observerClosingSpeed, -highestClosingSpeed, highestClosingSpeed);
}

void computeOutsideValues() {
    frame.vacuumAttenuation = vacuumAttenuationOf(frame.atmPressure, frame.dynPressure,
                                                  liveOptions.ALLOWSILENCEOFSPACE == 1);
    run.cameraDistance = vrapiCameraTargetDist();
    if (frame.cameraMode == CAMERA_MODE_GROUND_OBSERVER) {
        measureClosingSpeed();
    }
    DistanceAttenuations distance = distanceAttenuationsOf(run.cameraDistance, frame.massKg);
    frame.farAttenuation = distance.far;
    frame.mediumAttenuation = distance.medium;
    frame.closeAttenuation = distance.close;
    applySupersonicObserverRule();
    frame.internalVacuumAttenuation = 0;
}

void computeCockpitValues() {
    run.cameraDistance = 0;
    run.previousCameraDistance = 0;
    frame.observerClosingSpeed = 0;
    frame.machConeMute = 0;
    frame.vacuumAttenuation = 0;
    frame.farAttenuation = 0;
    frame.mediumAttenuation = 0;
    frame.closeAttenuation = 0;
    atmosphere.supersonicLatch = 1;
    frame.internalVacuumAttenuation =
        internalVacuumAttenuationOf(frame.atmPressure, liveOptions.VACUUMREDUCESENGINESOUND == 1,
                                    advancedConfiguration.vaccumAttenuationFactor);
}

void countAmbienceTicks() {
    if (frame.ambienceCounter < ambienceCounterWrap) {
        frame.ambienceCounter += frame.slowTick;
    } else {
        frame.ambienceCounter = 0;
    }
}

void runStartupFrames() {
    if (startupFrameCount >= startupFrames) {
        return;
    }
    ++startupFrameCount;
    if (startupFrameCount < settlingFrames) {
        frame.machConeMute = 0;
        run.cameraDistance = vrapiCameraTargetDist();
        run.previousCameraDistance = run.cameraDistance;
        frame.observerClosingSpeed = 0;
    }
    if (startupFrameCount == 1 && run.startMessage[0] != '\0') {
        playWaveSimple(stockSlot(SpecialDate), 0, slotVolumeMax);
    }
}

bool hasListener() {
    return plugin.device != nullptr && plugin.device->getListener() != nullptr;
}

void releaseAutopilotInTimeWarp(VESSEL& vessel) {
    if (liveOptions.AUTODISABLEAUTOPILOT != 1 || frame.timeAcceleration <= fastTimeAcceleration) {
        return;
    }
    for (int mode = NAVMODE_KILLROT; mode <= NAVMODE_HOLDALT; ++mode) {
        vessel.DeactivateNavmode(mode);
    }
}

} // namespace

void captureFrame(VESSEL& vessel) {
    ENGINESTATUS engines{};
    vrapiGetEngineStatus(&engines);
    frame.attitudeMode = vrapiGetAttitudeMode();
    vessel.GetStatus(frame.status);
    frame.frameStep = vrapiGetSysStep();
    vrapiGetAltitude(&frame.altitude);
    frame.atmPressure = vessel.GetAtmPressure();
    frame.dynPressure = vessel.GetDynPressure();
    frame.massKg = static_cast<int32_t>(vessel.GetMass());
    vrapiGetAirspeed(&frame.airspeed);
    VECTOR3 horizonAirspeed{0, 0, 0};
    vessel.GetHorizonAirspeedVector(horizonAirspeed);
    frame.verticalSpeed = horizonAirspeed.y;
    frame.cameraInternal = vrapiCameraInternal() ? 1 : 0;
    frame.cameraMode = vrapiCameraMode();
    frame.timeAcceleration = vrapiGetTimeAcceleration();
    frame.cogElevation = vessel.GetCOG_elev();
    frame.heightAboveGround = frame.altitude - frame.cogElevation;
    frame.machNumber = vessel.GetMachNumber();

    int mainSetting = static_cast<int>(frame.status.eng_main * 100);
    frame.mainLevel = std::max(mainSetting, 0);
    frame.retroLevel = std::max(-mainSetting, 0);
    frame.hoverLevel = static_cast<int>(engines.hover * 100);
}

void runFrame(double simTime) {
    if (plugin.device == nullptr || plugin.renderWindow == nullptr) {
        return;
    }
    if (plugin.focusObject == nullptr || plugin.focusVessel == nullptr) {
        logLine("ERROR vrpcPreStep Handle NULL");
        return;
    }
    if (!vrapiIsVessel(plugin.focusObject)) {
        return;
    }
    VESSEL& vessel = *plugin.focusVessel;
    dismissWelcomeOnSpace();
    captureFrame(vessel);
    advanceProcessTick(frame, advancedConfiguration.processIntervalSeconds);
    advanceSlowTick(frame);
    if (frame.cameraInternal == 0) {
        computeOutsideValues();
    } else {
        computeCockpitValues();
    }
    if (plugin.mp3Player != nullptr && frame.lateTick == 1 && run.startMessage[0] == '\0') {
        updateMp3Player(plugin.mp3Player, frame.cameraInternal, static_cast<int>(frame.atmPressure),
                        frame.frameStep);
    }
    countAmbienceTicks();
    run.airCondTargetFrequency = airCondIdleHz;
    if (run.stockSoundsPending == 1) {
        loadStockSounds(allStockSounds);
        run.stockSoundsPending = 0;
    }
    loadQueuedAddonWaves();
    if (frame.cameraInternal != frame.lastCameraInternal) {
        changeCamera(vessel);
        frame.lastCameraInternal = frame.cameraInternal;
        commitListener(plugin.device);
    }
    updateCountdownLatch(vessel);
    runStartupFrames();
    updateEngineSounds(vessel);
    updateGroundSounds(vessel);
    frame.simTime = simTime;
    updateSonicBoom();
    updateLiftOffTimer(vessel);
    updateLegacyWarning();
    releaseAutopilotInTimeWarp(vessel);
    updateAttitudeModeSounds();
    updateWindAndBaseAmbience();
    updateWindAirspeed();
    updateReentry();
    if (liveOptions.PLAYRADIOATC == 1 && frame.lateTick == 1) {
        updateRadioChatter();
        updateRadioBlackout();
    }
    updateLandingClearance(vessel);
    updateRadar(vessel);
    if (liveOptions.PLAYDOCKINGSOUND == 1) {
        updateDocking(vessel);
    }
    updateAirConditioning();
    updateCabinAmbience();
    updateGpwsCallouts();
    frame.previousVerticalSpeed = frame.verticalSpeed;
    if (frame.processTick == 1) {
        run.previousCameraDistance = run.cameraDistance;
        UpdateAnimationSounds(&vessel, frame.cameraInternal);
    }
    updateEngineCones(vessel);
    if (hasListener() && frame.processTick == 1) {
        updateListener(vessel);
    }
    showClassDebugDisplay();
    showStartMessage();
}

void GetStartValue() {
    logLine("Attempting GetStartValue initialisation...");
    if (plugin.focusObject == nullptr || plugin.focusVessel == nullptr) {
        logLine("ERROR GetStartValue Handle NULL");
        return;
    }
    VESSEL& vessel = *plugin.focusVessel;
    ENGINESTATUS engines{};
    vrapiGetEngineStatus(&engines);
    vessel.GetStatus(frame.status);
    frame.attitudeMode = vrapiGetAttitudeMode();
    callouts.lastAttitudeMode = frame.attitudeMode;
    callouts.radarCloseDone =
        vessel.GroundContact() || frame.status.status == VESSEL_STATUS_DOCKED ? 1 : 0;
    run.airCondEnabled = 1;
    liftOffTimer.state = 0;
    scheduleFirstChatter(frame.simTime);
    vrapiGetAltitude(&frame.altitude);
    frame.cogElevation = vessel.GetCOG_elev();
    frame.heightAboveGround = frame.altitude - frame.cogElevation;
    callouts.lastCalloutHeight = frame.heightAboveGround;
    ground.touchdownArmed = 0;
    ground.landingClearanceLatch = 1;
    atmosphere.supersonicLatch = 1;
    cones.machConeKey = machConeKeyUnset;
    frame.previousVerticalSpeed = 0;
    engineLatches.mainPlaying = 0;
    engineLatches.hoverPlaying = 0;
    engineLatches.retroPlaying = 0;
    callouts.airCondPlaying = 0;
    callouts.countdownState = 0;
    run.airCondFrequency =
        airCondLowestStartHz + static_cast<float>(RandomInRange(0, airCondStartSpreadHz));
    run.airCondTargetFrequency = airCondIdleHz;
    clearDebugLine();
    callouts.radarTargetKind = radarTargetKindFor(liveOptions);
    for (int slot = MainThrust; slot <= Reentry; ++slot) {
        stopSlot(stockSlots[slot]);
    }
    StopBaseSound();
    logLine("Passed GetStartValue - Ok");
}

void resetFrameState() {
    std::memset(&frame, 0, sizeof frame);
    engineLatches = EngineLatches{};
    atmosphere = AtmosphereLatches{};
    ground = GroundLatches{};
    callouts = CalloutLatches{};
    liftOffTimer = LiftOffTimer{};
    cones = ConeState{};
    resetPlacement();
}

void forceBaseAmbienceQuery() {
    atmosphere.baseAmbienceForced = 1;
}

} // namespace zephyrin

VRPLUGIN_CALLBACK void vrpcPreStep(double simTime, double, double) {
    zephyrin::runFrame(simTime);
}
