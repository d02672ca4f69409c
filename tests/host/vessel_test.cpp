#include "host/vector_math.h"
#include "host/vessel.h"

#include <gtest/gtest.h>

namespace {

using namespace vrhost;

class VesselTest : public testing::Test {
protected:
    Planet earth{"Earth", earthRadiusM, earthMassKg};
    Vessel vessel{VesselSpec{.name = "DG", .className = "DeltaGlider", .cogElevation = 2.0}, earth};
};

TEST_F(VesselTest, StartsStandingOnTheGround) {
    EXPECT_DOUBLE_EQ(vessel.altitude(), 2.0);
    EXPECT_TRUE(vessel.GroundContact());
    EXPECT_EQ(vessel.status(), VESSEL_STATUS_LANDED);
    vessel.setAltitude(50.0);
    EXPECT_FALSE(vessel.GroundContact());
    EXPECT_EQ(vessel.status(), VESSEL_STATUS_FLYING);
    vessel.setGroundContact(true);
    vessel.setStatus(VESSEL_STATUS_CRASHED);
    EXPECT_TRUE(vessel.GroundContact());
    EXPECT_EQ(vessel.status(), VESSEL_STATUS_CRASHED);
}

TEST_F(VesselTest, ThrottleSplitsIntoMainAndRetro) {
    vessel.addThruster({THGROUP_MAIN}, {0, 0, -8}, {0, 0, 2});
    vessel.setThrottle(-0.4);
    VESSELSTATUS status;
    vessel.GetStatus(status);
    EXPECT_DOUBLE_EQ(status.eng_main, -0.4);
    EXPECT_DOUBLE_EQ(vessel.GetThrusterGroupLevel(THGROUP_RETRO), 0.4);
    EXPECT_DOUBLE_EQ(vessel.GetThrusterGroupLevel(THGROUP_MAIN), 0.0);
    vessel.setThrottle(3.0);
    EXPECT_DOUBLE_EQ(vessel.GetThrusterGroupLevel(THGROUP_MAIN), 1.0);
    THRUSTER_HANDLE main = vessel.GetGroupThruster(THGROUP_MAIN, 0);
    EXPECT_DOUBLE_EQ(vessel.GetThrusterLevel(main), 1.0);
    VECTOR3 direction;
    vessel.GetThrusterDir(main, direction);
    EXPECT_DOUBLE_EQ(direction.z, 1.0); // made a unit vector
}

TEST_F(VesselTest, AThrusterInSeveralGroupsRunsAtTheHighestLevel) {
    THRUSTER_HANDLE shared =
        vessel.addThruster({THGROUP_ATT_PITCHUP, THGROUP_ATT_UP}, {0, -1, 6}, {0, 1, 0});
    vessel.setGroupLevel(THGROUP_ATT_PITCHUP, 0.3);
    vessel.setGroupLevel(THGROUP_ATT_UP, 0.7);
    EXPECT_DOUBLE_EQ(vessel.GetThrusterLevel(shared), 0.7);
    EXPECT_EQ(vessel.GetGroupThrusterCount(THGROUP_ATT_PITCHUP), 1u);
    EXPECT_EQ(vessel.GetGroupThrusterCount(THGROUP_ATT_DOWN), 0u);
    EXPECT_EQ(vessel.GetGroupThruster(THGROUP_ATT_UP, 1), nullptr);
}

TEST_F(VesselTest, UserGroupsAreReachedByHandle) {
    vessel.addUserThruster(1, {2, 0, 0}, {0, 0, 1});
    ASSERT_EQ(vessel.GetUserThrusterGroupCount(), 2u);
    THGROUP_HANDLE first = vessel.GetUserThrusterGroupHandleByIndex(0);
    THGROUP_HANDLE second = vessel.GetUserThrusterGroupHandleByIndex(1);
    EXPECT_EQ(vessel.GetGroupThrusterCount(first), 0u);
    ASSERT_EQ(vessel.GetGroupThrusterCount(second), 1u);
    EXPECT_EQ(vessel.GetUserThrusterGroupHandleByIndex(2), nullptr);
    vessel.setUserGroupLevel(1, 0.6);
    THRUSTER_HANDLE thruster = vessel.GetGroupThruster(second, 0);
    EXPECT_DOUBLE_EQ(vessel.GetThrusterLevel(thruster), 0.6);
    VECTOR3 position;
    vessel.GetThrusterRef(thruster, position);
    EXPECT_DOUBLE_EQ(position.x, 2.0);
    int notAThruster = 0;
    EXPECT_DOUBLE_EQ(vessel.GetThrusterLevel(&notAThruster), 0.0);
}

TEST_F(VesselTest, AirDataFollowAltitudeAndSpeed) {
    vessel.setAltitude(0.0);
    vessel.setAirspeed(340.294);
    EXPECT_NEAR(vessel.GetMachNumber(), 1.0, 1e-3);
    EXPECT_NEAR(vessel.GetAtmPressure(), 101325.0, 0.1);
    EXPECT_NEAR(vessel.GetDynPressure(), 0.5 * 1.225 * 340.294 * 340.294, 50.0);
}

TEST_F(VesselTest, VerticalSpeedFollowsTheAltitudeUnlessSet) {
    vessel.setAltitude(100.0);
    vessel.advance(0.5);
    vessel.setAltitude(105.0);
    EXPECT_DOUBLE_EQ(vessel.verticalSpeed(), 10.0);
    EXPECT_DOUBLE_EQ(vessel.airspeed(), 10.0); // never below the climb rate
    vessel.setVerticalSpeed(-3.0);
    EXPECT_DOUBLE_EQ(vessel.verticalSpeed(), -3.0);
}

TEST_F(VesselTest, AirspeedVectorsInHorizonAndVesselFrames) {
    vessel.setAltitude(1000.0);
    vessel.setAirspeed(100.0);
    vessel.setVerticalSpeed(0.0);
    vessel.setAttitude({30.0, 0.0, 90.0}); // nose 30 degrees up, heading east
    VECTOR3 horizon;
    vessel.GetHorizonAirspeedVector(horizon);
    EXPECT_NEAR(horizon.x, 100.0, 1e-9); // east
    EXPECT_NEAR(horizon.z, 0.0, 1e-9);
    VECTOR3 ship;
    vessel.GetShipAirspeedVector(ship);
    EXPECT_NEAR(ship.z, 100.0 * std::cos(30.0 * radiansPerDegree), 1e-9);
    EXPECT_NEAR(ship.y, -100.0 * std::sin(30.0 * radiansPerDegree), 1e-9);
    EXPECT_NEAR(vessel.GetYaw(), 90.0 * radiansPerDegree, 1e-12);
}

TEST_F(VesselTest, GlobalToLocalUndoesTheVesselFrame) {
    vessel.setPosition({28.6, -80.6});
    vessel.setAttitude({10.0, -20.0, 135.0});
    VECTOR3 local{1.5, -2.0, 7.0};
    VECTOR3 global = vessel.globalPosition() + vessel.rotationMatrix() * local;
    VECTOR3 back;
    vessel.Global2Local(global, back);
    EXPECT_NEAR(back.x, local.x, 1e-6);
    EXPECT_NEAR(back.y, local.y, 1e-6);
    EXPECT_NEAR(back.z, local.z, 1e-6);
}

TEST_F(VesselTest, FlyingAlongTheHeadingMovesOverThePlanet) {
    vessel.setAltitude(0.0);
    vessel.setAirspeed(1000.0);
    vessel.setVerticalSpeed(0.0);
    vessel.setAttitude({0.0, 0.0, 0.0}); // north
    VECTOR3 before = vessel.globalPosition();
    vessel.advance(10.0);
    EXPECT_NEAR(length(vessel.globalPosition() - before), 10000.0, 1.0);
    EXPECT_GT(vessel.position().latitude, 0.0);
    EXPECT_DOUBLE_EQ(vessel.position().longitude, 0.0);
}

TEST_F(VesselTest, DockingPortsAndTheDockedStatus) {
    int port = vessel.addDockingPort({0, 1.5, 4}, {0, 1, 0}, {0, 0, 1});
    EXPECT_EQ(vessel.DockCount(), 1u);
    EXPECT_EQ(vessel.DockingStatus(0), 0u);
    vessel.setDockingStatus(port, true);
    EXPECT_EQ(vessel.DockingStatus(0), 1u);
    EXPECT_EQ(vessel.DockingStatus(5), 0u);
    EXPECT_EQ(vessel.status(), VESSEL_STATUS_DOCKED);
    VECTOR3 position, direction, rotation;
    vessel.GetDockParams(vessel.GetDockHandle(0), position, direction, rotation);
    EXPECT_DOUBLE_EQ(position.z, 4.0);
    EXPECT_DOUBLE_EQ(rotation.z, 1.0);
    EXPECT_EQ(vessel.GetDockHandle(1), nullptr);
}

TEST_F(VesselTest, NavmodesSwitchAndDeactivate) {
    vessel.setNavmode(NAVMODE_KILLROT, true);
    EXPECT_TRUE(vessel.GetNavmodeState(NAVMODE_KILLROT));
    EXPECT_TRUE(vessel.DeactivateNavmode(NAVMODE_KILLROT));
    EXPECT_FALSE(vessel.DeactivateNavmode(NAVMODE_KILLROT));
    EXPECT_FALSE(vessel.GetNavmodeState(0));
    EXPECT_FALSE(vessel.GetNavmodeState(8));
}

TEST_F(VesselTest, AnimationRecordsLinkTheirComponents) {
    int gear = vessel.addAnimation(1.0);
    AnimationComponentSpec strut{
        .type = MGROUP_TRANSFORM::TRANSLATE, .groups = {3, 4}, .shift = {0, 1, 0}};
    AnimationComponentSpec wheel{.type = MGROUP_TRANSFORM::ROTATE, .angleDeg = 90.0, .parent = 0};
    vessel.addAnimationComponent(gear, strut);
    vessel.addAnimationComponent(gear, wheel);
    vessel.setAnimationState(gear, 0.25);
    ANIMATION* animations = nullptr;
    ASSERT_EQ(vessel.GetAnimPtr(&animations), 1u);
    const ANIMATION& animation = animations[0];
    EXPECT_DOUBLE_EQ(animation.defstate, 1.0);
    EXPECT_DOUBLE_EQ(animation.state, 0.25);
    ASSERT_EQ(animation.ncomp, 2u);
    ANIMATIONCOMP* first = animation.comp[0];
    EXPECT_EQ(first->trans->type, MGROUP_TRANSFORM::TRANSLATE);
    ASSERT_EQ(first->trans->ngrp, 2u);
    EXPECT_EQ(first->trans->grp[1], 4u);
    ASSERT_EQ(first->nchildren, 1u);
    EXPECT_EQ(first->children[0], animation.comp[1]);
    EXPECT_EQ(animation.comp[1]->parent, first);
    EXPECT_NEAR(animation.comp[1]->trans->angle, 90.0 * radiansPerDegree, 1e-6);
}

TEST_F(VesselTest, WheelbrakesReportEachSideAndTheirMean) {
    vessel.setWheelbrakes(0.2, 0.8);
    EXPECT_DOUBLE_EQ(vessel.GetWheelbrakeLevel(1), 0.2);
    EXPECT_DOUBLE_EQ(vessel.GetWheelbrakeLevel(2), 0.8);
    EXPECT_DOUBLE_EQ(vessel.GetWheelbrakeLevel(0), 0.5);
}

} // namespace
