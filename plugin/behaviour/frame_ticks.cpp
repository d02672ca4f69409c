#include "plugin/behaviour/frame_ticks.h"

#include <algorithm>
#include <cmath>

namespace zephyrin {

namespace {

constexpr double slowTickSeconds = 0.2;
constexpr int32_t heavyVesselKg = 40000;
constexpr int largestAttenuation = 255;

// The attenuation of the air's thinness alone: 0 from a few kilopascals up, 255 in vacuum.
int thinAir(double atmPressure) {
    return static_cast<int>(std::sqrt(300 * std::sqrt(atmPressure)));
}

int atMost255(double value) {
    return std::min(static_cast<int>(value), largestAttenuation);
}

} // namespace

void advanceProcessTick(FrameState& f, double intervalSeconds) {
    if (f.frameStep > intervalSeconds) {
        f.processTick = 1;
        f.lateTick = 1;
        f.processAccumulator = 0;
        return;
    }
    f.lateTick = f.processTick == 1 ? 1 : 0;
    f.processAccumulator += f.frameStep;
    if (f.processAccumulator > intervalSeconds) {
        f.processTick = 1;
        f.processAccumulator -= intervalSeconds;
    } else {
        f.processTick = 0;
    }
}

void advanceSlowTick(FrameState& f) {
    f.slowAccumulator += f.frameStep;
    if (f.slowAccumulator > slowTickSeconds) {
        f.slowAccumulator -= slowTickSeconds;
        f.slowTick = 1;
    } else {
        f.slowTick = 0;
    }
}

int32_t vacuumAttenuationOf(double atmPressure, double dynPressure, bool silenceOfSpaceWanted) {
    if (!silenceOfSpaceWanted) {
        return 0;
    }
    if (atmPressure <= 0) {
        return silenceOfSpace;
    }
    int airflow = static_cast<int>(std::min(dynPressure / 10000, 30.0));
    return std::clamp(largestAttenuation - (thinAir(atmPressure) + airflow), 0, largestAttenuation);
}

int32_t internalVacuumAttenuationOf(double atmPressure, bool vacuumReducesEngines,
                                    double attenuationFactor) {
    if (!vacuumReducesEngines) {
        return 0;
    }
    int x =
        std::clamp(largestAttenuation - thinAir(std::max(atmPressure, 0.0)), 0, largestAttenuation);
    return static_cast<int32_t>(static_cast<float>(x) * static_cast<float>(attenuationFactor));
}

DistanceAttenuations distanceAttenuationsOf(double cameraDistance, int32_t massKg) {
    DistanceAttenuations a{};
    if (massKg > heavyVesselKg) {
        a.far = std::max(atMost255(std::sqrt(cameraDistance / 3)) - 10, 0);
    } else {
        a.far = atMost255(std::sqrt(cameraDistance / 1.5));
    }
    a.medium = atMost255(std::sqrt(10 * cameraDistance));
    a.close = atMost255(std::sqrt(80 * cameraDistance) - 40);
    return a;
}

} // namespace zephyrin
