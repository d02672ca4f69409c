#include "plugin/behaviour/ground_sounds.h"
#include "plugin/behaviour/saturating_whole.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace zephyrin;

constexpr int32_t int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t int32Min = std::numeric_limits<int32_t>::min();

struct Ground {
    double airspeed;
    double verticalSpeed;
    int cameraInternal;
    int vacuum;
    int far;
    int medium;
    int close;
};

FrameState frameOf(const Ground& g) {
    FrameState f{};
    f.airspeed = g.airspeed;
    f.verticalSpeed = g.verticalSpeed;
    f.cameraInternal = g.cameraInternal;
    f.vacuumAttenuation = g.vacuum;
    f.farAttenuation = g.far;
    f.mediumAttenuation = g.medium;
    f.closeAttenuation = g.close;
    return f;
}

OptionRecord options(int landingVolume = 255) {
    OptionRecord o{};
    fillPluginDefaults(o);
    o.VOLLANDINGCRASH = landingVolume;
    return o;
}

struct RuleCase {
    const char* what;
    Ground ground;
    bool slotIs3D;
    int landingVolume;
    int volume;
    int frequency;
};

class TouchdownRule : public testing::TestWithParam<RuleCase> {};

TEST_P(TouchdownRule, VolumeAndPitchFollowTheSinkRate) {
    const RuleCase& c = GetParam();
    SoundRequest request = touchdownRequest(frameOf(c.ground), c.slotIs3D);
    EXPECT_EQ(request.volume, c.volume) << c.what;
    EXPECT_EQ(request.frequency, c.frequency) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TouchdownRule,
    testing::Values(
        RuleCase{"gentle, cockpit", {40, -2, 1, 0, 0, 0, 0}, true, 255, 212, 21050},
        RuleCase{"sink rate truncated", {40, -2.9, 1, 0, 0, 0, 0}, true, 255, 212, 21050},
        RuleCase{"firm, 2D slot outside", {40, -6, 0, 0, 0, 0, 30}, false, 255, 166, 23050},
        RuleCase{"3D slot ignores the distance", {40, -6, 0, 0, 0, 0, 30}, true, 255, 196, 23050},
        RuleCase{"absurd sink rate saturates",
                 {40, -1e300, 1, 0, 0, 0, 0},
                 true,
                 255,
                 int32Min,
                 int32Max}));

class WheelBrakeRule : public testing::TestWithParam<RuleCase> {};

TEST_P(WheelBrakeRule, SqueakRisesWithTheSpeed) {
    const RuleCase& c = GetParam();
    SoundRequest request = wheelBrakeRequest(frameOf(c.ground), c.slotIs3D);
    EXPECT_EQ(request.volume, c.volume) << c.what;
    EXPECT_EQ(request.frequency, c.frequency) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WheelBrakeRule,
    testing::Values(
        RuleCase{"40 m/s, cockpit", {40, 0, 1, 0, 0, 0, 0}, true, 255, 80, 20800},
        RuleCase{"outside, 2D, thin air", {40.9, 0, 0, 20, 0, 0, 10}, false, 255, 51, 20510},
        RuleCase{
            "absurd airspeed saturates", {1e300, 0, 1, 0, 0, 0, 0}, true, 255, int32Max, int32Max},
        RuleCase{"no airspeed at all", {NAN, 0, 1, 0, 0, 0, 0}, true, 255, 0, 20000}));

class GroundRollRule : public testing::TestWithParam<RuleCase> {};

TEST_P(GroundRollRule, RumbleGrowsWithTheSpeedUpToTheLandingVolume) {
    const RuleCase& c = GetParam();
    EXPECT_EQ(groundRollVolume(frameOf(c.ground), options(c.landingVolume), c.slotIs3D), c.volume)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroundRollRule,
    testing::Values(
        RuleCase{"40 m/s, cockpit", {40, 0, 1, 0, 0, 0, 0}, true, 255, 100, 0},
        RuleCase{"speed truncated first", {3.9, 0, 1, 0, 0, 0, 0}, true, 255, 7, 0},
        RuleCase{"fast: at most 255", {200, 0, 1, 0, 0, 0, 0}, true, 255, 255, 0},
        RuleCase{"capped by the landing volume", {200, 0, 1, 0, 0, 0, 0}, true, 120, 120, 0},
        RuleCase{"outside: 0.8 of it", {40, 0, 0, 0, 0, 0, 20}, false, 255, 64, 0},
        RuleCase{"absurd airspeed saturates", {1e300, 0, 1, 0, 0, 0, 0}, true, 255, 255, 0}));

TEST(CrashRule, LandingVolumeLessTheAirAndDistanceOutside) {
    FrameState outside = frameOf({30, -12, 0, 40, 25, 20, 0});
    SoundRequest request2D = crashRequest(outside, options(), false);
    EXPECT_EQ(request2D.volume, 255 - 40 - 25);
    EXPECT_EQ(request2D.frequency, 22050 - 40 * 20);
    EXPECT_EQ(crashRequest(outside, options(), true).volume, 255 - 40);
}

TEST(SaturatingWhole, TruncatesTowardZeroWithinTheRange) {
    EXPECT_EQ(truncateSaturated(-2.9), -2);
    EXPECT_EQ(truncateSaturated(2.9), 2);
    EXPECT_EQ(truncateSaturated(3e9), int32Max);
    EXPECT_EQ(truncateSaturated(-3e9), int32Min);
    EXPECT_EQ(truncateSaturated(INFINITY), int32Max);
    EXPECT_EQ(truncateSaturated(NAN), 0);
}

} // namespace
