// What the focus vessel's set-up learns of the vessel for the placement and docking rules.
#pragma once

#include "plugin/behaviour/ground_sounds.h"

namespace zephyrin {

struct JetDistances {
    double attackMin;
    double attackMax;
    double sustainMin;
    double sustainMax;
};

// The attitude jets' 3D distances for a vessel of placement size `size`: in the cockpit the
// jets are close at hand; outside they carry further on a large vessel.
JetDistances jetDistances(double size, bool cockpit);

// At every camera change and focus change: the distances of the jets and which voices are
// heard in 3D or as if at the listener.
void setUp3dModes();

// Whether the focus vessel has a thruster in user group 0, the aux engine.
void detectAuxThrusters();

} // namespace zephyrin
