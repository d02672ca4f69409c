#include "host/world.h"
#include "plugin/behaviour/sound_cones.h"
#include "plugin/behaviour/sound_positions.h"
#include "plugin/behaviour/vessel_setup.h"
#include "plugin/classconfig/class_configuration.h"

#include <gtest/gtest.h>

namespace {

using namespace zephyrin;

void expectAt(const VECTOR3& v, double x, double y, double z) {
    EXPECT_DOUBLE_EQ(v.x, x);
    EXPECT_DOUBLE_EQ(v.y, y);
    EXPECT_DOUBLE_EQ(v.z, z);
}

class ThrusterPositionTest : public testing::Test {
protected:
    ThrusterPositionTest() { vrhost::world().reset(); }

    vrhost::Vessel& vessel(double size) {
        vrhost::VesselSpec spec;
        spec.size = size;
        return vrhost::world().addVessel(spec);
    }

    VECTOR3 first{};
    VECTOR3 second{};
};

TEST_F(ThrusterPositionTest, ASmallVesselWithoutMainThrustersGetsTheDefaultPairOfSize5) {
    EXPECT_EQ(thrusterGroupPosition(vessel(2), THGROUP_MAIN, first, &second), 0);
    expectAt(first, -1.25, 0, -2.5);
    expectAt(second, 1.25, 0, -2.5);
}

TEST_F(ThrusterPositionTest, TwoMainThrustersPlaceThePairAtTheirMean) {
    vrhost::Vessel& ship = vessel(10);
    ship.addThruster({THGROUP_MAIN}, {0, 0, -10}, {0, 0, 1});
    ship.addThruster({THGROUP_MAIN}, {0, 0, -12}, {0, 0, 1});
    EXPECT_EQ(thrusterGroupPosition(ship, THGROUP_MAIN, first, &second), 1);
    expectAt(first, -2.5, 0, -11);
    expectAt(second, 2.5, 0, -11);
    thrusterGroupPosition(ship, THGROUP_MAIN, first, nullptr);
    expectAt(first, 0, 0, -11);
}

TEST_F(ThrusterPositionTest, LaterThrustersWeighMoreInTheRunningMidpoint) {
    vrhost::Vessel& ship = vessel(10);
    for (double z : {-10.0, -12.0, -14.0}) {
        ship.addThruster({THGROUP_RETRO}, {0, 1, z}, {0, 0, -1});
    }
    thrusterGroupPosition(ship, THGROUP_RETRO, first, nullptr);
    expectAt(first, 0, 1, -12.5);
}

TEST_F(ThrusterPositionTest, BankJetsOnTheWrongSideLeaveTheCentreLine) {
    vrhost::Vessel& ship = vessel(10);
    ship.addThruster({THGROUP_ATT_BANKLEFT}, {3, 0, 0}, {0, 1, 0});
    ship.addThruster({THGROUP_ATT_BANKLEFT}, {5, 0, 0}, {0, 1, 0});
    ship.addThruster({THGROUP_ATT_BANKRIGHT}, {-2, 1, 0}, {0, 1, 0});
    ship.addThruster({THGROUP_ATT_BANKRIGHT}, {4, 1, 0}, {0, 1, 0});
    EXPECT_EQ(thrusterGroupPosition(ship, THGROUP_ATT_BANKLEFT, first, &second), 1);
    expectAt(first, 0, 0, 0);
    expectAt(second, 0, 0, 0);
    thrusterGroupPosition(ship, THGROUP_ATT_BANKRIGHT, first, nullptr);
    expectAt(first, 4, 0, 0);
}

TEST_F(ThrusterPositionTest, HoverPairsSpreadFrontAndRearAtTheThrustersHeight) {
    vrhost::Vessel& ship = vessel(15);
    ship.addThruster({THGROUP_HOVER}, {0, -2, 3}, {0, 1, 0});
    thrusterGroupPosition(ship, THGROUP_HOVER, first, &second);
    expectAt(first, 0, -2, 5);
    expectAt(second, 0, -2, -5);
    thrusterGroupPosition(ship, THGROUP_HOVER, first, nullptr);
    expectAt(first, 0, -2, 0);
}

TEST_F(ThrusterPositionTest, TheAuxEngineIsUserGroupZero) {
    vrhost::Vessel& ship = vessel(10);
    EXPECT_EQ(thrusterGroupPosition(ship, THGROUP_USER, first, nullptr), 0);
    expectAt(first, 0, 0, -5);
    ship.addUserThruster(0, {1, 2, -3}, {0, 0, 1});
    EXPECT_EQ(thrusterGroupPosition(ship, THGROUP_USER, first, &second), 1);
    expectAt(first, -2.5, 2, -3);
    expectAt(second, 2.5, 2, -3);
}

struct DefaultCase {
    int type;
    VECTOR3 mono;
};

class GroupDefaults : public ThrusterPositionTest,
                      public testing::WithParamInterface<DefaultCase> {};

TEST_P(GroupDefaults, AGroupWithoutThrustersSitsWhereItsTypeUsuallyIs) {
    const DefaultCase& c = GetParam();
    thrusterGroupPosition(vessel(12), c.type, first, nullptr);
    expectAt(first, c.mono.x, c.mono.y, c.mono.z);
}

INSTANTIATE_TEST_SUITE_P(Types, GroupDefaults,
                         testing::Values(DefaultCase{THGROUP_MAIN, {0, 0, -6}},
                                         DefaultCase{THGROUP_RETRO, {0, 0, 12}},
                                         DefaultCase{THGROUP_ATT_BACK, {0, 0, 6}},
                                         DefaultCase{THGROUP_ATT_FORWARD, {0, 0, -6}},
                                         DefaultCase{THGROUP_HOVER, {0, 0, 0}},
                                         DefaultCase{THGROUP_ATT_BANKLEFT, {-4, 0, 0}},
                                         DefaultCase{THGROUP_ATT_BANKRIGHT, {4, 0, 0}}));

TEST(ResolveSoundPositionTest, TheClassFileWinsOverTheAddonAndTheAddonOverTheComputation) {
    classConfiguration.classDebugDisplay = 0;
    StockPosition entry{};
    VECTOR3 first{1, 1, 1};
    VECTOR3 second{2, 2, 2};
    resolveSoundPosition("Main Thrust", entry, first, &second);
    expectAt(first, 1, 1, 1);

    entry.secondSet = 1;
    entry.secondLeft = {5, 0, 0};
    entry.secondRight = {6, 0, 0};
    resolveSoundPosition("Main Thrust", entry, first, &second);
    expectAt(first, 5, 0, 0);
    expectAt(second, 6, 0, 0);

    entry.configSet = 1;
    entry.configLeft = {-1, 0, -12};
    entry.configRight = {1, 0, -12};
    resolveSoundPosition("Main Thrust", entry, first, &second);
    expectAt(first, -1, 0, -12);
    expectAt(second, 1, 0, -12);
}

TEST(CockpitPositionTest, EveryVesselOfAClassHearsItsRadioAtTheSameSpotNearTheCockpit) {
    vrhost::world().reset();
    vrhost::VesselSpec spec;
    spec.className = "Tanker";
    spec.cameraOffset = {0.5, 1.5, 8};
    vrhost::Vessel& one = vrhost::world().addVessel(spec);
    spec.name = "Other";
    vrhost::Vessel& other = vrhost::world().addVessel(spec);
    seedFromClass(&one, radioSeedBase);
    VECTOR3 radio = radioPosition(&one);
    seedFromClass(&other, radioSeedBase);
    VECTOR3 again = radioPosition(&other);
    expectAt(again, radio.x, radio.y, radio.z);
    EXPECT_GE(radio.x, 0.5 - 1.0);
    EXPECT_LE(radio.x, 0.5 + 0.9);
    EXPECT_DOUBLE_EQ(radio.y, 1.2);
    EXPECT_DOUBLE_EQ(radio.z, 8.5);
    VECTOR3 ambience = ambiencePosition(&one);
    EXPECT_DOUBLE_EQ(std::abs(ambience.y - 1.5), 0.5);
    EXPECT_DOUBLE_EQ(std::abs(ambience.z - 8), 2);
    expectAt(radioPosition(nullptr), 0, 0, 0);
}

struct MachCase {
    double mach;
    double coneValue;
    int mainOutsideVolume;
    int otherOutsideVolume;
};

class MachCone : public testing::TestWithParam<MachCase> {};

TEST_P(MachCone, TheConesLoseTheirOutsideVolumeNearMach1) {
    const MachCase& c = GetParam();
    double value = machConeValueOf(c.mach);
    EXPECT_NEAR(value, c.coneValue, 1e-9);
    EXPECT_EQ(coneOutsideVolume(MainCone, value), c.mainOutsideVolume);
    EXPECT_EQ(coneOutsideVolume(HoverCone, value), c.otherOutsideVolume);
}

INSTANTIATE_TEST_SUITE_P(Speeds, MachCone,
                         testing::Values(MachCase{0.5, 0, 240, 230}, MachCase{0.96, 0, 240, 230},
                                         MachCase{1.0, 6.4, 234, 224},
                                         MachCase{1.0825, 60, 180, 170},
                                         MachCase{3.0, 60, 180, 170}));

struct JetCase {
    double size;
    bool cockpit;
    JetDistances expected;
};

class JetDistanceRule : public testing::TestWithParam<JetCase> {};

TEST_P(JetDistanceRule, JetsCarryFurtherOutsideAndOnLargerVessels) {
    const JetCase& c = GetParam();
    JetDistances d = jetDistances(c.size, c.cockpit);
    EXPECT_DOUBLE_EQ(d.attackMin, c.expected.attackMin);
    EXPECT_DOUBLE_EQ(d.attackMax, c.expected.attackMax);
    EXPECT_DOUBLE_EQ(d.sustainMin, c.expected.sustainMin);
    EXPECT_DOUBLE_EQ(d.sustainMax, c.expected.sustainMax);
}

INSTANTIATE_TEST_SUITE_P(Sizes, JetDistanceRule,
                         testing::Values(JetCase{5, true, {5.0 / 3, 1400, 1, 1400}},
                                         JetCase{5, false, {5, 5000, 2, 5000}},
                                         JetCase{100, true, {100.0 / 3, 10000, 20, 10000}},
                                         JetCase{100, false, {50, 20000, 100.0 / 3, 15000}},
                                         JetCase{3, false, {3, 4000, 2, 3000}}));

} // namespace
