#include "plugin/environment/wind_and_base_volume.h"

#include <algorithm>
#include <cmath>

namespace zephyrin {

namespace {

constexpr double seaLevelPa = 101000;
constexpr double loweringPerPa = 0.0004;
constexpr double highestVesselSpeed = 600;
constexpr double fullDrowningSpeed = 300;
constexpr double highestVolume = 255;
constexpr double baseMarginM = 1000;
constexpr double baseRiseM = 1100;
constexpr double nearnessPerMetre = 0.25;
constexpr double fadeStartM = 50;
constexpr double windUntouchedBelow = 160;

} // namespace

double windVolumeFromAir(double W, double p) {
    if (p < leastWindPressurePa) {
        return 0;
    }
    double v = std::min(W * 2.4 * std::sqrt(p) / 255, W);
    v -= (seaLevelPa - std::min(p, seaLevelPa)) * loweringPerPa;
    return std::max(v, 0.0);
}

double movingVesselReduction(double vesselDistanceM, double airspeed) {
    double nearness = std::max(highestVolume - std::sqrt(4 * vesselDistanceM), 0.0);
    double speed = std::min(airspeed, highestVesselSpeed);
    return std::min(speed / fullDrowningSpeed, 1.0) * nearness;
}

double baseNearness(double audibleRange, double distanceM) {
    return std::clamp(audibleRange - (distanceM + baseMarginM), 0.0, baseRiseM) * nearnessPerMetre;
}

double fadedBaseVolume(double nearness, double heightM, double fadeAltitude, double W) {
    double fade =
        std::clamp((heightM - fadeStartM) * highestVolume / fadeAltitude, 0.0, highestVolume);
    return std::clamp(nearness - fade, 0.0, W);
}

double windReductionByBase(double baseVolume, double windPercent) {
    if (windPercent <= 0) {
        return baseVolume > windUntouchedBelow ? highestVolume : 0;
    }
    return std::clamp((baseVolume - windUntouchedBelow) / (windPercent / 10), 0.0, highestVolume);
}

} // namespace zephyrin
