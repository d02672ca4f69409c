#include "host/atmosphere.h"

#include <algorithm>
#include <cmath>

namespace vrhost {

namespace {
constexpr double gasConstantJPerKgK = 287.053;
constexpr double heatCapacityRatio = 1.4;
constexpr double gravityMPerS2 = 9.80665;
constexpr double earthRadiusForGeopotentialM = 6356766.0;

// One layer of the 1976 standard atmosphere: from a geopotential base altitude, with its base
// temperature and pressure and its temperature lapse rate.
struct Layer {
    double baseM;
    double baseTemperatureK;
    double basePressurePa;
    double lapseKPerM;
};
constexpr Layer layers[] = {
    {0.0, 288.15, 101325.0, -0.0065},    {11000.0, 216.65, 22632.06, 0.0},
    {20000.0, 216.65, 5474.889, 0.001},  {32000.0, 228.65, 868.0187, 0.0028},
    {47000.0, 270.65, 110.9063, 0.0},    {51000.0, 270.65, 66.93887, -0.0028},
    {71000.0, 214.65, 3.956420, -0.002},
};
// The standard ends here (84.852 km geometric); above, the pressure falls with this scale
// height and is cut to nothing at the top of the atmosphere.
constexpr double standardTopGeopotentialM = 84852.0;
constexpr double thermosphereScaleHeightM = 5800.0;

double pressureInLayer(const Layer& layer, double geopotentialM, double temperatureK) {
    double height = geopotentialM - layer.baseM;
    if (layer.lapseKPerM == 0.0) {
        return layer.basePressurePa *
               std::exp(-gravityMPerS2 * height / (gasConstantJPerKgK * layer.baseTemperatureK));
    }
    return layer.basePressurePa * std::pow(layer.baseTemperatureK / temperatureK,
                                           gravityMPerS2 / (gasConstantJPerKgK * layer.lapseKPerM));
}
} // namespace

AtmosphereSample standardAtmosphere(double altitudeM) {
    double geopotentialM =
        earthRadiusForGeopotentialM * altitudeM / (earthRadiusForGeopotentialM + altitudeM);
    double clampedM = std::min(geopotentialM, standardTopGeopotentialM);
    const Layer* layer = &layers[0];
    for (const Layer& candidate : layers) {
        if (clampedM >= candidate.baseM) {
            layer = &candidate;
        }
    }
    AtmosphereSample sample;
    sample.temperatureK = layer->baseTemperatureK + layer->lapseKPerM * (clampedM - layer->baseM);
    sample.pressurePa = pressureInLayer(*layer, clampedM, sample.temperatureK);
    if (geopotentialM > standardTopGeopotentialM) {
        sample.pressurePa *=
            std::exp(-(geopotentialM - standardTopGeopotentialM) / thermosphereScaleHeightM);
    }
    if (altitudeM >= atmosphereTopM) {
        sample.pressurePa = 0.0;
    }
    sample.densityKgPerM3 = sample.pressurePa / (gasConstantJPerKgK * sample.temperatureK);
    sample.speedOfSoundMPerS =
        std::sqrt(heatCapacityRatio * gasConstantJPerKgK * sample.temperatureK);
    return sample;
}

} // namespace vrhost
