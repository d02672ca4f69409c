#include "plugin/behaviour/atmosphere_sounds.h"
#include "plugin/behaviour/sonic_boom.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace zephyrin;

OptionRecord defaults() {
    OptionRecord options{};
    fillPluginDefaults(options);
    return options;
}

TEST(HeatingValue, GrowsWithTheCubeOfSpeedAndMoreSlowlyInDenseAir) {
    EXPECT_NEAR(heatingValue(1, 7000), 87.2034, 1e-4);
    EXPECT_NEAR(heatingValue(10, 7000), 872.034, 1e-3);
    // Above 4000 Pa the air counts as 0.26 (single precision) of its pressure plus 3000 Pa.
    EXPECT_NEAR(heatingValue(5000, 300), 29.516947, 1e-6);
    EXPECT_DOUBLE_EQ(heatingValue(4000, 300), 0.75 * 4000 * 300.0 * 300 * 300 / 2950000128.0);
}

TEST(HeatingValue, TheThinnestAudibleAirIsTheSinglePrecisionOfTwoThousandths) {
    EXPECT_FALSE(airIsAudible(0.002));
    EXPECT_FALSE(airIsAudible(0.0020000000949949026)); // 0.002f itself
    EXPECT_TRUE(airIsAudible(0.0020001));
}

// What a frame would have computed for the wind and the re-entry.
struct AirFrame {
    double dynPressure;
    double atmPressure;
    double airspeed;
    int cameraInternal;
    int vacuum;
    int medium;
    int far;
    int machConeMute;
    double closingSpeed;
};

FrameState frameOf(const AirFrame& air) {
    FrameState f{};
    f.dynPressure = air.dynPressure;
    f.atmPressure = air.atmPressure;
    f.airspeed = air.airspeed;
    f.cameraInternal = air.cameraInternal;
    f.vacuumAttenuation = air.vacuum;
    f.mediumAttenuation = air.medium;
    f.farAttenuation = air.far;
    f.machConeMute = air.machConeMute;
    f.observerClosingSpeed = air.closingSpeed;
    return f;
}

struct WindCase {
    const char* name;
    AirFrame air;
    bool slotIs3D;
    int volume;
    int frequency;
};

class WindAirspeedRule : public testing::TestWithParam<WindCase> {};

TEST_P(WindAirspeedRule, VolumeAndPitchFollowTheDynamicPressure) {
    const WindCase& c = GetParam();
    AirRequest request = windAirspeedRequest(frameOf(c.air), defaults(), c.slotIs3D);
    EXPECT_EQ(request.volume, c.volume);
    EXPECT_EQ(request.frequency, c.frequency);
}

INSTANTIATE_TEST_SUITE_P(
    Views, WindAirspeedRule,
    testing::Values(
        // √72000 = 268 is capped at 255; the cockpit takes 40 off and 2000 Hz.
        WindCase{"Cockpit", {12000, 101325, 140, 1, 0, 0, 0, 0, 0}, true, 216, 15020},
        // A 3D pair leaves the distance to the 3D rolloff and ignores the mach cone.
        WindCase{"Outside3D", {12000, 101325, 140, 0, 0, 80, 0, 255, 0}, true, 255, 17020},
        // A 2D sound loses the medium attenuation and rises with the closing speed.
        WindCase{"Outside2D", {12000, 101325, 140, 0, 0, 80, 0, 0, 100}, false, 176, 18020},
        WindCase{
            "Outside2DInTheMachCone", {12000, 101325, 140, 0, 0, 80, 0, 255, 100}, false, 0, 18020},
        // Heating raises the pitch, up to 28000 Hz.
        WindCase{"HotAirflow", {60000, 20000, 900, 0, 0, 0, 0, 0, 0}, true, 255, 26519},
        WindCase{"HighestPitch", {120000, 20000, 900, 0, 0, 0, 0, 0, 0}, true, 255, 28000},
        WindCase{"ThinAir", {50, 5, 2000, 0, 200, 0, 0, 0, 0}, true, 0, 15018}),
    [](const testing::TestParamInfo<WindCase>& tested) { return tested.param.name; });

TEST(WindAirspeedRule, TheVolumeIsCappedByTheUsersWindVolume) {
    OptionRecord options = defaults();
    options.VOLWINDAIRSPEED = 100;
    AirFrame air{12000, 101325, 140, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(windAirspeedRequest(frameOf(air), options, true).volume, 100);
}

struct ReentryCase {
    const char* name;
    AirFrame air;
    bool slotIs3D;
    int volumeCap;
    ReentryAction action;
    int volume;
    int frequency;
};

class ReentryRule : public testing::TestWithParam<ReentryCase> {};

TEST_P(ReentryRule, TheRoarFollowsTheHeating) {
    const ReentryCase& c = GetParam();
    OptionRecord options = defaults();
    options.VOLREENTRY = c.volumeCap;
    ReentryRequest request = reentryRequest(frameOf(c.air), options, c.slotIs3D);
    EXPECT_EQ(request.action, c.action);
    if (c.action == ReentryAction::Play) {
        EXPECT_EQ(request.sound.volume, c.volume);
        EXPECT_EQ(request.sound.frequency, c.frequency);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Heating, ReentryRule,
    testing::Values(
        // h ≈ 87 at 7000 m/s in 1 Pa: too cold, the roar stops.
        ReentryCase{
            "ColdAirflow", {0, 1, 7000, 0, 0, 0, 0, 0, 0}, true, 255, ReentryAction::Stop, 0, 0},
        // h ≈ 872 in 10 Pa: V = 87, 19036 Hz.
        ReentryCase{"TenPascals",
                    {0, 10, 7000, 0, 0, 0, 0, 0, 0},
                    true,
                    255,
                    ReentryAction::Play,
                    87,
                    19036},
        // The cockpit: 30 quieter, 1500 Hz lower, clamped to 18000 Hz.
        ReentryCase{
            "Cockpit", {0, 10, 7000, 1, 0, 0, 0, 0, 0}, true, 255, ReentryAction::Play, 57, 18000},
        // At V 30 or below nothing changes: no request, no stop.
        ReentryCase{"FaintInThinAir",
                    {0, 10, 7000, 0, 100, 0, 0, 0, 0},
                    true,
                    255,
                    ReentryAction::Hold,
                    0,
                    0},
        ReentryCase{"JustAudible",
                    {0, 4, 7000, 0, 0, 0, 0, 0, 0},
                    true,
                    255,
                    ReentryAction::Play,
                    34,
                    19014},
        ReentryCase{"ThinAirOutside",
                    {0, 30, 7000, 0, 120, 0, 0, 0, 0},
                    true,
                    255,
                    ReentryAction::Play,
                    189,
                    18389},
        // A 2D roar loses the far attenuation.
        ReentryCase{"Outside2D",
                    {0, 10, 7000, 0, 0, 0, 100, 0, 0},
                    false,
                    255,
                    ReentryAction::Play,
                    0,
                    19036},
        ReentryCase{"Outside2DThicker",
                    {0, 30, 7000, 0, 0, 0, 100, 0, 0},
                    false,
                    255,
                    ReentryAction::Play,
                    161,
                    19109},
        // V is capped at 300, then at the user's volume.
        ReentryCase{"FullHeat",
                    {0, 200, 7000, 0, 0, 0, 0, 0, 0},
                    true,
                    255,
                    ReentryAction::Play,
                    255,
                    19726},
        ReentryCase{"UsersCap",
                    {0, 200, 7000, 0, 0, 0, 0, 0, 0},
                    true,
                    200,
                    ReentryAction::Play,
                    200,
                    19726}),
    [](const testing::TestParamInfo<ReentryCase>& tested) { return tested.param.name; });

struct ObserverCase {
    const char* name;
    double closingSpeed;
    double mach;
    int32_t muteBefore;
    int32_t startupFrames;
    int32_t muteAfter;
    bool boom;
};

class SupersonicObserver : public testing::TestWithParam<ObserverCase> {};

TEST_P(SupersonicObserver, SilentAheadOfTheConeAndBoomsAsItPasses) {
    const ObserverCase& c = GetParam();
    ObserverRuleResult result =
        supersonicObserverRule(c.closingSpeed, c.mach, c.muteBefore, c.startupFrames);
    EXPECT_EQ(result.machConeMute, c.muteAfter);
    EXPECT_EQ(result.boom, c.boom);
}

INSTANTIATE_TEST_SUITE_P(
    Branches, SupersonicObserver,
    testing::Values(ObserverCase{"ApproachingSupersonic", 350, 1.2, 0, 30, 255, false},
                    ObserverCase{"ApproachingBeforeTheCameraSettled", 350, 1.2, 0, 28, 0, false},
                    ObserverCase{"ApproachingSubsonic", 350, 0.9, 255, 30, 0, false},
                    ObserverCase{"PassedAfterTheSilence", 49, 1.2, 255, 30, 0, true},
                    ObserverCase{"PassedWithoutSilence", 49, 1.2, 0, 30, 0, false},
                    ObserverCase{"Receding", -300, 1.2, 255, 30, 0, true},
                    ObserverCase{"BetweenTheTwoSpeeds", 200, 1.2, 255, 30, 255, false},
                    ObserverCase{"SlowingBelowMachOne", 200, 0.99, 255, 30, 0, false}),
    [](const testing::TestParamInfo<ObserverCase>& tested) { return tested.param.name; });

TEST(SonicBoomLatch, FiresOnceAboveMachOneAndReArmsOnlyBelowMach099) {
    struct Step {
        double mach;
        bool fires;
        int32_t latchAfter;
    };
    const std::vector<Step> flight = {
        {0.95, false, 0},  {1.01, true, 1},   {1.50, false, 1}, {0.995, false, 1}, {1.01, false, 1},
        {0.989, false, 0}, {0.995, false, 0}, {1.0, false, 0},  {1.001, true, 1},
    };
    AtmosphereLatches latches{};
    latches.supersonicLatch = 1;
    for (size_t i = 0; i < flight.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i << " at mach " << flight[i].mach);
        EXPECT_EQ(advanceBoomLatch(latches, flight[i].mach), flight[i].fires);
        EXPECT_EQ(latches.supersonicLatch, flight[i].latchAfter);
    }
}

TEST(SonicBoomVolume, LowersWithDistanceOnlyWithoutA3DListener) {
    EXPECT_EQ(boomVolumeAt(5000, true), 255);
    EXPECT_EQ(boomVolumeAt(5000, false), 205);
    EXPECT_EQ(boomVolumeAt(150, false), 253);
}

} // namespace
