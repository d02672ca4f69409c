#include "host/atmosphere.h"

#include <gtest/gtest.h>

namespace {

struct AirAt {
    double altitudeM;
    double pressurePa;
    double temperatureK;
    double speedOfSound;
    double tolerance; // relative, on the pressure
};

class StandardAtmosphere : public testing::TestWithParam<AirAt> {};

TEST_P(StandardAtmosphere, MatchesTheStandardTables) {
    const AirAt& expected = GetParam();
    vrhost::AtmosphereSample air = vrhost::standardAtmosphere(expected.altitudeM);
    EXPECT_NEAR(air.pressurePa, expected.pressurePa, expected.pressurePa * expected.tolerance);
    EXPECT_NEAR(air.temperatureK, expected.temperatureK, 0.5);
    EXPECT_NEAR(air.speedOfSoundMPerS, expected.speedOfSound, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Altitudes, StandardAtmosphere,
                         testing::Values(AirAt{0.0, 101325.0, 288.15, 340.3, 1e-6},
                                         AirAt{1000.0, 89876.0, 281.65, 336.4, 1e-3},
                                         AirAt{11000.0, 22700.0, 216.8, 295.1, 5e-3},
                                         AirAt{20000.0, 5529.0, 216.65, 295.1, 5e-3},
                                         AirAt{50000.0, 79.78, 270.65, 329.8, 2e-2}));

TEST(StandardAtmosphere, SeaLevelDensity) {
    EXPECT_NEAR(vrhost::standardAtmosphere(0.0).densityKgPerM3, 1.225, 1e-3);
}

TEST(StandardAtmosphere, PressureFallsWithHeightToVacuum) {
    double previous = vrhost::standardAtmosphere(-500.0).pressurePa;
    for (double altitude = 0.0; altitude < 130000.0; altitude += 2500.0) {
        double pressure = vrhost::standardAtmosphere(altitude).pressurePa;
        EXPECT_LE(pressure, previous) << "at " << altitude << " m";
        previous = pressure;
    }
    EXPECT_GT(vrhost::standardAtmosphere(100000.0).pressurePa, 0.0);
    EXPECT_LT(vrhost::standardAtmosphere(100000.0).pressurePa, 1.0);
    EXPECT_EQ(vrhost::standardAtmosphere(vrhost::atmosphereTopM).pressurePa, 0.0);
    EXPECT_EQ(vrhost::standardAtmosphere(400000.0).densityKgPerM3, 0.0);
}

} // namespace
