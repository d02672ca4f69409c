// The sounds of contact: crash, touchdown, ground roll and wheel brakes, the landing clearance,
// docking and undocking.
#pragma once

#include "plugin/behaviour/engine_sounds.h"
#include "plugin/behaviour/frame_state.h"
#include "sdk/VoranthAPI.h"
#include "shared/option_record.h"

#include <cstdint>

namespace zephyrin {

constexpr int dockingPortLimit = 9;

struct DockingPortTable {
    uint32_t docked[dockingPortLimit]; // the last status seen per port, 1 = docked
    int32_t count;
    int32_t cursor;
};

enum DockingRadioCall : int32_t {
    noDockingRadioCall = 0,
    dockingRadioAfterDocking = 1,
    undockingRadioAfterUndocking = 2,
};

struct GroundLatches {
    int32_t groundSoundsActive;    // the roll or brake loop has been started
    int32_t touchdownArmed;        // armed above 20 m; the next contact thumps
    int32_t landingClearanceLatch; // 1: the clearance call is used up
    int32_t dockingRadioPending;   // a DockingRadioCall
    DockingPortTable ports;
};

extern GroundLatches ground;

// The ground rules by themselves; `slotIs3D` leaves the distance to the 3D rolloff.
SoundRequest crashRequest(const FrameState& f, const OptionRecord& o, bool slotIs3D);
// Wheel brakes while rolling, against 22050 Hz.
SoundRequest wheelBrakeRequest(const FrameState& f, bool slotIs3D);
// Ground roll volume; the roll keeps the file's own pitch.
int groundRollVolume(const FrameState& f, const OptionRecord& o, bool slotIs3D);
// The thump of the gear, louder and lower the harder the touchdown; against 22050 Hz.
SoundRequest touchdownRequest(const FrameState& f, bool slotIs3D);

// Rebuilds the port table from the focus vessel; a pending radio call is dropped.
void countDockingPorts();

// Frame steps, in the frame's order.
void updateGroundSounds(VESSEL& vessel);
void updateLandingClearance(VESSEL& vessel);
void updateDocking(VESSEL& vessel);

} // namespace zephyrin
