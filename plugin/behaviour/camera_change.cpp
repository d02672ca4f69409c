#include "plugin/behaviour/camera_change.h"

#include "plugin/addon/addon_sounds.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/behaviour/sound_cones.h"
#include "plugin/behaviour/vessel_setup.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <algorithm>

namespace zephyrin {

namespace {

// Just past one slow tick, so that the slow work runs in this frame and again in the next.
constexpr double slowTickAfterCameraChange = 0.21;

constexpr StockSlot radioVoicesMutedOutside[] = {DockingRadio,     UndockingRadio, RadioChatter,
                                                 LandingClearance, RadarBip,       RadarClose};
constexpr StockSlot attitudeModeSlots[] = {AttModeOff, AttModeRot, AttModeTrans};

int radioVolume() {
    return std::clamp(liveOptions.VOLATC - frame.radioExternalReduction, 0, slotVolumeMax);
}

void goOutside() {
    run.cameraDistance = vrapiCameraTargetDist();
    run.previousCameraDistance = run.cameraDistance;
    frame.observerClosingSpeed = 0;
    SetWaveVolume(stockSlot(CabinAmbience), 0);
    stopSlot(stockSlot(Noise));
    if (liveOptions.RADIOINEXTERNALVIEW != 1) {
        for (StockSlot slot : radioVoicesMutedOutside) {
            SetWaveVolume(stockSlot(slot), 0);
        }
        for (StockSlot slot : attitudeModeSlots) {
            stopSlot(stockSlot(slot));
        }
    } else {
        SetWaveVolume(stockSlot(RadioChatter), radioVolume());
    }
    if (liveOptions.GPWSINEXTERNALVIEW != 1) {
        for (int slot = Gpws10; slot <= Gpws2500; ++slot) {
            stopSlot(stockSlots[slot]);
        }
    }
    // Docking is heard outside only as far as the air carries it.
    if (liveOptions.ALLOWSILENCEOFSPACE == 1) {
        int volume = static_cast<int>(std::min(frame.atmPressure, 255.0));
        SetWaveVolume(stockSlot(Docking), volume);
        SetWaveVolume(stockSlot(Undocking), volume);
    }
}

void goInside() {
    SetWaveVolume(stockSlot(CabinAmbience), liveOptions.VOLCABINAMBIENCE);
    for (StockSlot slot : {DockingRadio, UndockingRadio, Docking, Undocking}) {
        SetWaveVolume(stockSlot(slot), liveOptions.VOLDOCKING);
    }
    SetWaveVolume(stockSlot(RadioChatter), radioVolume());
    SetWaveVolume(stockSlot(LandingClearance), liveOptions.VOLLANDCLEARANCE);
    SetWaveVolume(stockSlot(RadarBip), liveOptions.VOLRADAR);
    SetWaveVolume(stockSlot(RadarClose), liveOptions.VOLRADAR);
}

} // namespace

void changeCamera(VESSEL& vessel) {
    switchAddonSoundsView(frame.cameraInternal);
    setUp3dModes();
    resetPlacement();
    updateEngineCones(vessel);
    SetAnimationView(frame.cameraInternal);
    frame.slowAccumulator = slowTickAfterCameraChange;
    frame.slowTick = 1;
    if (frame.cameraInternal == 0) {
        goOutside();
    } else {
        goInside();
    }
}

} // namespace zephyrin
