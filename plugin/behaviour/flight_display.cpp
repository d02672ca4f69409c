#include "plugin/behaviour/flight_display.h"

#include "plugin/audio/sound_device.h"
#include "plugin/behaviour/debug_line.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/behaviour/listener.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"

namespace zephyrin {

LiftOffTimer liftOffTimer;

namespace {

constexpr double startMessageSeconds = 12.0;
// The warning counts down ten units per second and blinks once per second.
constexpr float warningUnitsPerSecond = 10.0f;
constexpr float warningBlinkPeriod = 10.0f;
constexpr float warningBlinkGap = 9.0f;
constexpr float warningEnd = 50.0f;
constexpr float warningOver = 1.0f;

} // namespace

void updateLiftOffTimer(const VESSEL& vessel) {
    if (liveOptions.DISPLAYTIMER != 1) {
        return;
    }
    if (liftOffTimer.state == 0) {
        if (vessel.GroundContact()) {
            liftOffTimer.state = 1;
        }
        return;
    }
    if (vessel.GroundContact()) {
        liftOffTimer.liftOffTime = frame.simTime;
        clearDebugLine();
        return;
    }
    int seconds = static_cast<int>(frame.simTime) - static_cast<int>(liftOffTimer.liftOffTime);
    if (seconds < liftOffCounterSeconds) {
        writeDebugLine(" T+%is ", seconds);
    }
    // A bounce back onto the ground ends the count as well.
    if (seconds >= liftOffCounterSeconds || vessel.GroundContact()) {
        liftOffTimer.state = 0;
        clearDebugLine();
    }
}

void updateLegacyWarning() {
    if (run.legacyWarningTimer <= warningOver) {
        return;
    }
    float step = warningUnitsPerSecond * static_cast<float>(frame.frameStep);
    frame.legacyWarningBlink += step;
    if (frame.legacyWarningBlink > warningBlinkPeriod) {
        frame.legacyWarningBlink = 0;
    }
    if (frame.legacyWarningBlink < warningBlinkGap) {
        writeDebugLine("%s", plugin.legacyWarningText);
    } else {
        clearDebugLine();
    }
    run.legacyWarningTimer -= step;
    if (run.legacyWarningTimer < warningEnd) {
        clearDebugLine();
        run.legacyWarningTimer = warningOver;
    }
}

void showClassDebugDisplay() {
    if (classConfiguration.classDebugDisplay != 1) {
        return;
    }
    const char* className = classConfiguration.configClassName;
    if (plugin.device != nullptr && plugin.device->getListener() != nullptr) {
        const VECTOR3& camera = cameraPositionInVessel;
        writeDebugLine("SOUND DEBUG DISPLAY SET IN : '%s.cfg' Cam Pos: %.2f,%.2f,%.2f ", className,
                       camera.x, camera.y, camera.z);
    } else {
        writeDebugLine("SOUND DEBUG DISPLAY SET IN : '%s.cfg'", className);
    }
}

void showStartMessage() {
    if (run.startMessage[0] == '\0') {
        return;
    }
    writeDebugLine("%s", run.startMessage);
    if (frame.simTime > startMessageSeconds) {
        run.startMessage[0] = '\0';
        clearDebugLine();
    }
}

} // namespace zephyrin
