// The sonic boom of a vessel passing mach 1, and the silence ahead of a supersonic vessel that
// comes at a ground observer.
#pragma once

#include "plugin/behaviour/atmosphere_sounds.h"

#include <cstdint>

namespace zephyrin {

// 255 where the 3D rolloff handles the distance, else lowered by 1 for each 100 m.
int boomVolumeAt(double cameraDistance, bool hasListener);

struct ObserverRuleResult {
    int32_t machConeMute;
    bool boom; // the cone has just passed the observer
};

// The ground observer's rule for one frame, given the mute of the frame before.
ObserverRuleResult supersonicObserverRule(double observerClosingSpeed, double machNumber,
                                          int32_t machConeMute, int32_t startupFrames);

// Arms the boom below mach 0.99 and fires it on the first frame above mach 1; true when it
// fires.
bool advanceBoomLatch(AtmosphereLatches& latches, double machNumber);

// Closer than this, the sharp boom leads and a rolling echo follows, quieter; farther, the
// rolling boom leads, louder.
constexpr double nearBoomDistanceM = 2000;

// Plays the boom at `volume` as heard from `cameraDistance`, with one of the two far variants
// drawn at random.
void playSonicBoom(int volume, double cameraDistance);

} // namespace zephyrin
