// Docking and undocking: one port of the focus vessel is looked at per frame; a change of its
// status clangs at the port, and the radio call follows once the clang has finished.
#include "plugin/behaviour/ground_sounds.h"

#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <algorithm>

namespace zephyrin {

namespace {

constexpr uint32_t portDocked = 1;
// The two channels of a stereo clang sit either side of the port.
constexpr double clangChannelOffsetM = 2;

int32_t cappedPortCount(const VESSEL& vessel) {
    return static_cast<int32_t>(
        std::min<UINT>(vessel.DockCount(), static_cast<UINT>(dockingPortLimit)));
}

void placeAtPort(StockSoundSlot& slot, const VECTOR3& port) {
    if (slot.isStereoPair == 1) {
        setSlotPosition(slot, {port.x + clangChannelOffsetM, port.y, port.z},
                        {port.x - clangChannelOffsetM, port.y, port.z});
    } else {
        setSlotPosition(slot, port, port);
    }
}

void placeClangsAtPort(const VESSEL& vessel, int port) {
    DOCKHANDLE handle = vessel.GetDockHandle(static_cast<UINT>(port));
    if (handle == nullptr) {
        return;
    }
    VECTOR3 position{0, 0, 0};
    VECTOR3 direction{0, 0, 0};
    VECTOR3 rotation{0, 0, 0};
    vessel.GetDockParams(handle, position, direction, rotation);
    placeAtPort(stockSlot(Docking), position);
    placeAtPort(stockSlot(Undocking), position);
}

void callRadioAfter(StockSlot clang, StockSlot radio) {
    if (isSlotPlaying(stockSlot(clang)) == 1) {
        return;
    }
    bool heard = frame.cameraInternal == 1 || liveOptions.RADIOINEXTERNALVIEW == 1;
    playWaveSimple(stockSlot(radio), 0, heard ? liveOptions.VOLDOCKING : 0);
    ground.dockingRadioPending = noDockingRadioCall;
}

void callPendingRadio() {
    if (ground.dockingRadioPending == dockingRadioAfterDocking) {
        callRadioAfter(Docking, DockingRadio);
    } else if (ground.dockingRadioPending == undockingRadioAfterUndocking) {
        callRadioAfter(Undocking, UndockingRadio);
    }
}

} // namespace

void countDockingPorts() {
    ground.ports = DockingPortTable{};
    ground.dockingRadioPending = noDockingRadioCall;
    if (plugin.focusVessel == nullptr) {
        return;
    }
    const VESSEL& vessel = *plugin.focusVessel;
    ground.ports.count = cappedPortCount(vessel);
    for (int port = 0; port < ground.ports.count; ++port) {
        ground.ports.docked[port] = vessel.DockingStatus(static_cast<UINT>(port));
    }
}

void updateDocking(VESSEL& vessel) {
    DockingPortTable& ports = ground.ports;
    if (ports.count < 1) {
        return;
    }
    ++ports.cursor;
    if (ports.cursor >= ports.count) {
        ports.cursor = 0;
        if (cappedPortCount(vessel) != ports.count) {
            countDockingPorts();
            return;
        }
    }
    callPendingRadio();

    int port = ports.cursor;
    uint32_t status = vessel.DockingStatus(static_cast<UINT>(port));
    if (status == ports.docked[port]) {
        return;
    }
    ports.docked[port] = status;
    placeClangsAtPort(vessel, port);
    bool heard = frame.cameraInternal == 1 || liveOptions.ALLOWSILENCEOFSPACE != 1;
    int volume = heard ? liveOptions.VOLDOCKING : 0;
    if (status == portDocked) {
        ground.dockingRadioPending = dockingRadioAfterDocking;
        playWaveSimple(stockSlot(Docking), 0, volume);
    } else {
        ground.dockingRadioPending = undockingRadioAfterUndocking;
        playWaveSimple(stockSlot(Undocking), 0, volume);
    }
}

} // namespace zephyrin
