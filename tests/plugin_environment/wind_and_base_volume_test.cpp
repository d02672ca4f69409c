#include "plugin/environment/wind_and_base_volume.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace zephyrin;

TEST(WindVolumeFromAir, FullAtSeaLevelFadingWithThePressure) {
    struct Case {
        double pressure;
        double volume;
    };
    const Case cases[] = {
        {99.9, 0},                                        // below 100 Pa: no wind
        {100, 235 * 2.4 * 10 / 255 - 100900 * 0.0004},    // 22.12 - 40.36 < 0
        {1000, 235 * 2.4 * std::sqrt(1000.0) / 255 - 40}, // 69.94 - 40
        {50000, 235 - 51000 * 0.0004},                    // capped at W, then lowered
        {101000, 235},                                    // no sea-level correction
        {150000, 235},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pressure);
        EXPECT_NEAR(windVolumeFromAir(235, c.pressure), std::max(c.volume, 0.0), 1e-9);
    }
}

TEST(MovingVesselReduction, AFastVesselNearTheCameraDrownsTheWind) {
    EXPECT_DOUBLE_EQ(movingVesselReduction(25, 0), 0);
    EXPECT_DOUBLE_EQ(movingVesselReduction(25, 150), 0.5 * 245);
    EXPECT_DOUBLE_EQ(movingVesselReduction(25, 300), 245);
    EXPECT_DOUBLE_EQ(movingVesselReduction(25, 5000), 245); // speed taken at most 600
    EXPECT_DOUBLE_EQ(movingVesselReduction(20000, 300), 0); // √80000 > 255
}

TEST(BaseNearness, RisesOverTheLast1100MetresBeforeTheMargin) {
    EXPECT_DOUBLE_EQ(baseNearness(12000, 11000), 0);
    EXPECT_DOUBLE_EQ(baseNearness(12000, 10000), 250);
    EXPECT_DOUBLE_EQ(baseNearness(12000, 9900), 275);
    EXPECT_DOUBLE_EQ(baseNearness(12000, 20), 275);
    EXPECT_DOUBLE_EQ(baseNearness(2100, 500), 150);
}

TEST(FadedBaseVolume, FadesOverTheFadeAltitudeAbove50Metres) {
    EXPECT_DOUBLE_EQ(fadedBaseVolume(275, 10, 256, 235), 235); // capped at W
    EXPECT_DOUBLE_EQ(fadedBaseVolume(200, 50 + 128, 256, 235), 72.5);
    EXPECT_DOUBLE_EQ(fadedBaseVolume(200, 50 + 256, 256, 235), 0);
    EXPECT_DOUBLE_EQ(fadedBaseVolume(200, 5000, 10000, 235), 200 - 4950 * 255 / 10000.0);
}

TEST(WindReductionByBase, NothingUpTo160ThenMoreTheSmallerThePercent) {
    EXPECT_DOUBLE_EQ(windReductionByBase(160, 50), 0);
    EXPECT_DOUBLE_EQ(windReductionByBase(235, 40), 75 / 4.0);
    EXPECT_DOUBLE_EQ(windReductionByBase(235, 100), 7.5);
    EXPECT_DOUBLE_EQ(windReductionByBase(235, 1), 255);
    // A percent of 0 takes the whole wind once the base is louder than 160, and never divides.
    EXPECT_DOUBLE_EQ(windReductionByBase(161, 0), 255);
    EXPECT_DOUBLE_EQ(windReductionByBase(160, 0), 0);
    EXPECT_DOUBLE_EQ(windReductionByBase(0, 0), 0);
}

} // namespace
