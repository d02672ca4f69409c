// The standard atmosphere of the stand-in planet (the 1976 standard up to 86 km, then a
// pressure that dies away to nothing at 120 km).
#pragma once

namespace vrhost {

struct AtmosphereSample {
    double temperatureK = 0.0;
    double pressurePa = 0.0;
    double densityKgPerM3 = 0.0;
    double speedOfSoundMPerS = 0.0;
};

// The air at `altitudeM` above the mean radius; below sea level the lowest layer goes on.
AtmosphereSample standardAtmosphere(double altitudeM);

// Above this altitude the air is vacuum.
constexpr double atmosphereTopM = 120000.0;

} // namespace vrhost
