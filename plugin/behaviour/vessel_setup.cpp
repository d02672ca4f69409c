#include "plugin/behaviour/vessel_setup.h"

#include "plugin/audio/sound_device.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/behaviour/sound_positions.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <algorithm>

namespace zephyrin {

namespace {

// Radio voices outside are heard at the listener, a little quieter.
constexpr int32_t radioOutsideReduction = 20;

constexpr StockSlot radioVoiceSlots[] = {DockingRadio, UndockingRadio, LandingClearance,
                                         RadarBip,     RadarClose,     AttModeOff,
                                         AttModeRot,   AttModeTrans,   RadioChatter};

DWORD modeFor(bool cockpit) {
    return cockpit ? DS3DMODE_NORMAL : DS3DMODE_DISABLE;
}

} // namespace

JetDistances jetDistances(double size, bool cockpit) {
    if (cockpit) {
        double max = std::clamp(280 * size, 1000.0, 10000.0);
        return {std::clamp(size / 3, 1.0, 50.0), max, std::clamp(size / 5, 1.0, 50.0), max};
    }
    return {std::clamp(size, 2.0, 50.0), std::clamp(1000 * size, 4000.0, 20000.0),
            std::clamp(size / 3, 2.0, 50.0), std::clamp(1000 * size, 3000.0, 15000.0)};
}

void setUp3dModes() {
    frame.radioExternalReduction = 0;
    if (plugin.device == nullptr || plugin.device->getListener() == nullptr) {
        return;
    }
    bool cockpit = frame.cameraInternal == 1;
    if (plugin.focusVessel != nullptr) {
        JetDistances jets = jetDistances(placementSize(*plugin.focusVessel), cockpit);
        for (StockSlot attack : {RcsAttackFrontRear, RcsAttackLeftRight}) {
            setSlotDistances(stockSlot(attack), jets.attackMin, jets.attackMax);
        }
        for (StockSlot sustain : {RcsSustainFrontRear, RcsSustainLeftRight}) {
            setSlotDistances(stockSlot(sustain), jets.sustainMin, jets.sustainMax);
        }
    }
    if (liveOptions.GPWSINEXTERNALVIEW == 1) {
        for (int slot = Gpws10; slot <= Gpws2500; ++slot) {
            setSlotMode(stockSlots[slot], modeFor(cockpit));
        }
    }
    setSlotMode(stockSlot(Countdown), modeFor(cockpit));
    if (liveOptions.RADIOINEXTERNALVIEW == 1) {
        if (!cockpit) {
            frame.radioExternalReduction = radioOutsideReduction;
        }
        for (StockSlot slot : radioVoiceSlots) {
            setSlotMode(stockSlot(slot), modeFor(cockpit));
        }
    }
}

void detectAuxThrusters() {
    frame.hasAuxThrusters = 0;
    const VESSEL* vessel = plugin.focusVessel;
    if (vessel == nullptr || vessel->GetUserThrusterGroupCount() < 1) {
        return;
    }
    THGROUP_HANDLE group = vessel->GetUserThrusterGroupHandleByIndex(0);
    if (group != nullptr && vessel->GetGroupThruster(group, 0) != nullptr) {
        frame.hasAuxThrusters = 1;
    }
}

} // namespace zephyrin
