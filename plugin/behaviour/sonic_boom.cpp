#include "plugin/behaviour/sonic_boom.h"

#include "plugin/audio/sound_device.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/random.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <algorithm>

namespace zephyrin {

namespace {

// The observer hears nothing of a vessel coming at it faster than sound carries its noise; the
// boom comes once it is past.
constexpr double approachingClosingSpeed = 345;
constexpr double passedClosingSpeed = 50;
constexpr int32_t machConeSilence = 255;
// The closing speed is not measured reliably before the camera settles.
constexpr int32_t settledStartupFrames = 28;
constexpr double subsonicMach = 0.99;
constexpr double supersonicMach = 1;
constexpr double metresPerVolumeStep = 100;
constexpr int farEchoReduction = 50;
constexpr int farBoomBoost = 100;
constexpr uint32_t variantDrawRange = 100;
constexpr uint32_t lastFarBoomDraw = 49;

bool hasListener() {
    return plugin.device != nullptr && plugin.device->getListener() != nullptr;
}

StockSlot farVariant() {
    return RandomInRange(0, variantDrawRange) > lastFarBoomDraw ? SonicBoomFar : SonicBoomFar1;
}

} // namespace

int boomVolumeAt(double cameraDistance, bool listener) {
    return listener ? slotVolumeMax
                    : static_cast<int>(slotVolumeMax - cameraDistance / metresPerVolumeStep);
}

ObserverRuleResult supersonicObserverRule(double closingSpeed, double machNumber,
                                          int32_t machConeMute, int32_t startupFrames) {
    if (closingSpeed > approachingClosingSpeed && machNumber > supersonicMach) {
        return {startupFrames > settledStartupFrames ? machConeSilence : machConeMute, false};
    }
    if (closingSpeed < passedClosingSpeed && machNumber > supersonicMach) {
        return {0, machConeMute != 0};
    }
    if (machNumber < supersonicMach) {
        return {0, false};
    }
    return {machConeMute, false};
}

bool advanceBoomLatch(AtmosphereLatches& latches, double machNumber) {
    if (latches.supersonicLatch == 1) {
        if (machNumber < subsonicMach) {
            latches.supersonicLatch = 0;
            latches.sonicBoomVolume = slotVolumeMax;
        }
        return false;
    }
    if (machNumber > supersonicMach) {
        latches.supersonicLatch = 1;
        return true;
    }
    return false;
}

void playSonicBoom(int volume, double cameraDistance) {
    if (cameraDistance < nearBoomDistanceM) {
        playWaveSimple(stockSlot(SonicBoom), 0, volume);
        playWaveSimple(stockSlot(farVariant()), 0, volume - farEchoReduction);
        return;
    }
    playWaveSimple(stockSlot(farVariant()), 0, volume + farBoomBoost);
    playWaveSimple(stockSlot(SonicBoom), 0, volume);
}

void applySupersonicObserverRule() {
    if (frame.cameraMode != CAMERA_MODE_GROUND_OBSERVER || frame.atmPressure <= 0) {
        return;
    }
    ObserverRuleResult result = supersonicObserverRule(frame.observerClosingSpeed, frame.machNumber,
                                                       frame.machConeMute, startupFrameCount);
    if (result.boom) {
        atmosphere.sonicBoomVolume = boomVolumeAt(run.cameraDistance, hasListener());
        if (liveOptions.PLAYSONICBANG == 1) {
            playWaveSimple(stockSlot(SonicBoom), 0,
                           std::min(atmosphere.sonicBoomVolume - frame.vacuumAttenuation,
                                    liveOptions.VOLSONICBANG));
        }
    }
    frame.machConeMute = result.machConeMute;
}

void updateSonicBoom() {
    if (frame.machConeMute != 0 || liveOptions.PLAYSONICBANG != 1) {
        return;
    }
    if (!advanceBoomLatch(atmosphere, frame.machNumber)) {
        return;
    }
    atmosphere.sonicBoomVolume =
        std::min(boomVolumeAt(run.cameraDistance, hasListener()) - frame.vacuumAttenuation,
                 liveOptions.VOLSONICBANG);
    if (frame.observerClosingSpeed < approachingClosingSpeed) {
        playSonicBoom(atmosphere.sonicBoomVolume, run.cameraDistance);
    }
}

} // namespace zephyrin
