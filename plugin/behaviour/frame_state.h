// The values of one frame that every sound behaviour shares: what the frame read from the host,
// its processing ticks and the attenuations derived from the air and the camera.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

struct FrameState {
    double simTime;   // s, stored each frame after the ground sounds
    double frameStep; // s of system time
    double altitude;  // m
    double cogElevation;
    double heightAboveGround;
    double atmPressure; // Pa
    double dynPressure; // Pa
    int32_t massKg;
    double airspeed;      // m/s
    double verticalSpeed; // m/s
    double previousVerticalSpeed;
    double machNumber;
    int32_t cameraInternal;
    int32_t lastCameraInternal; // at the last camera change; -1 asks for one
    int32_t cameraMode;
    double timeAcceleration;
    VESSELSTATUS status;
    int32_t mainLevel; // percent
    int32_t retroLevel;
    int32_t hoverLevel;
    int32_t attitudeMode; // 0 off, 1 rotation, 2 translation

    double processAccumulator;
    int32_t processTick; // this frame runs the rate-limited work
    int32_t lateTick;    // the frame after a processing tick runs the rest of it
    double slowAccumulator;
    int32_t slowTick; // 5 Hz

    double observerClosingSpeed; // m/s toward the ground observer
    int32_t vacuumAttenuation;   // 0..256, outside only
    int32_t internalVacuumAttenuation;
    int32_t farAttenuation;
    int32_t mediumAttenuation;
    int32_t closeAttenuation;
    int32_t machConeMute; // 0 or 255

    int32_t ambienceCounter; // slow ticks, 0..150
    int32_t hasAuxThrusters;
    int32_t radioExternalReduction;
    float legacyWarningBlink;
};

extern FrameState frame;

// Frames run since the plug-in was loaded, up to 30; never reset, so the startup phase happens
// once per process.
extern int32_t startupFrameCount;

constexpr int32_t cameraChangeRequested = -1;

} // namespace zephyrin
