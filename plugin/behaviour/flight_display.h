// What the frame writes on the host's debug line: the T+ counter after lift-off, the warning
// about outdated add-ons, the class file's debug display and the greeting.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

struct LiftOffTimer {
    int32_t state;      // 0 waiting for ground contact, 1 counting from the last contact
    double liftOffTime; // simulation time of the last frame in contact, s
};

extern LiftOffTimer liftOffTimer;

// The counter runs this long after lift-off, in seconds.
constexpr int liftOffCounterSeconds = 300;

void updateLiftOffTimer(const VESSEL& vessel);
void updateLegacyWarning();
void showClassDebugDisplay();
// The greeting stays for the first seconds of the run.
void showStartMessage();

} // namespace zephyrin
