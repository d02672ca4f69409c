// The "Radio/mp3 Panel" display mode of the simulator's MFDs.
#pragma once

#include "sdk/VoranthAPI.h"

namespace zephyrin {

constexpr const char* radioDisplayModeName = "Radio/mp3 Panel";

// The mode's message procedure: creates the display object when an MFD opens the mode.
LRESULT radioDisplayMessageProc(UINT message, UINT mfdId, WPARAM wparam, LPARAM lparam);

// What the radar line of the display shows: 2 when the radar beeps are on, else 0.
void setRadarDisplayMode(int mode);

} // namespace zephyrin
