// The per-frame work: reads the focus vessel, camera and clock and runs every sound behaviour.
#pragma once

namespace zephyrin {

// Resets the frame state and silences the stock sounds for a new focus vessel.
void GetStartValue();

// Two per-frame flags the window open clears.
void resetFrameState();

// The next frame queries the wind and base ambience afresh.
void forceBaseAmbienceQuery();

} // namespace zephyrin
