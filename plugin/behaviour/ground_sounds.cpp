#include "plugin/behaviour/ground_sounds.h"

#include "plugin/core/plugin_state.h"

#include <algorithm>

namespace zephyrin {

GroundLatches ground;

void countDockingPorts() {
    ground.ports = DockingPortTable{};
    if (plugin.focusVessel == nullptr) {
        return;
    }
    const VESSEL& vessel = *plugin.focusVessel;
    ground.ports.count = static_cast<int32_t>(
        std::min<UINT>(vessel.DockCount(), static_cast<UINT>(dockingPortLimit)));
    for (int port = 0; port < ground.ports.count; ++port) {
        ground.ports.docked[port] = vessel.DockingStatus(static_cast<UINT>(port));
    }
}

// The contact and docking rules come with the ground sounds; until then these steps of the
// frame leave their slots silent.
void updateGroundSounds(VESSEL&) {}
void updateLandingClearance() {}
void updateDocking(VESSEL&) {}

} // namespace zephyrin
