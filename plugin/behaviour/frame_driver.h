// The per-frame work: reads the focus vessel, camera and clock and runs every sound behaviour.
#pragma once

#include "sdk/VoranthAPI.h"

namespace zephyrin {

// Resets the frame state and silences the stock sounds for a new focus vessel.
void GetStartValue();

// The window open starts the frame's values and every behaviour's latches from nothing.
void resetFrameState();

// The next frame queries the wind and base ambience afresh.
void forceBaseAmbienceQuery();

// One frame at simulation time `simTime`; the body of vrpcPreStep.
void runFrame(double simTime);

// The frame's reading of the host, in the host's call order.
void captureFrame(VESSEL& vessel);

} // namespace zephyrin
