// The sounds of contact: crash, touchdown, ground roll and wheel brakes, the landing clearance,
// docking and undocking.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

constexpr int dockingPortLimit = 9;

struct DockingPortTable {
    uint32_t docked[dockingPortLimit]; // the last status seen per port, 1 = docked
    int32_t count;
    int32_t cursor;
};

struct GroundLatches {
    int32_t groundSoundsActive;
    int32_t touchdownArmed;
    int32_t landingClearanceLatch; // 1: the clearance call is used up
    int32_t dockingRadioPending;
    DockingPortTable ports;
};

extern GroundLatches ground;

// Rebuilds the port table from the focus vessel.
void countDockingPorts();

// Frame steps, in the frame's order.
void updateGroundSounds(VESSEL& vessel);
void updateLandingClearance();
void updateDocking(VESSEL& vessel);

} // namespace zephyrin
