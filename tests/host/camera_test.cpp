#include "host/camera.h"
#include "host/vector_math.h"

#include <gtest/gtest.h>

namespace {

using namespace vrhost;

void expectNear(const VECTOR3& actual, const VECTOR3& expected, double tolerance = 1e-6) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

void expectRotation(const MATRIX3& m) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(length(column(m, i)), 1.0, 1e-9);
        for (int j = i + 1; j < 3; ++j) {
            EXPECT_NEAR(dot(column(m, i), column(m, j)), 0.0, 1e-9);
        }
    }
    // The axes keep the simulator's order: right x up = forward.
    expectNear(cross(column(m, 0), column(m, 1)), column(m, 2), 1e-9);
}

class CameraGeometry : public testing::Test {
protected:
    Planet earth{"Earth", earthRadiusM, earthMassKg};
    // On the equator at longitude 0, nose north: vessel x = east = global z, y = up = global x,
    // z = north = global y.
    Vessel vessel{VesselSpec{.name = "V",
                             .cameraOffset = {0.5, 1.0, 4.0},
                             .altitude = 1000.0,
                             .attitude = {0.0, 0.0, 0.0}},
                  earth};
    VECTOR3 vesselPosition{earthRadiusM + 1000.0, 0.0, 0.0};
};

TEST_F(CameraGeometry, CockpitSitsAtTheCameraOffsetLookingAlongTheNose) {
    CameraView view = computeCameraView(CameraSettings{}, vessel);
    expectNear(view.position, vesselPosition + VECTOR3{1.0, 4.0, 0.5});
    expectNear(view.direction, {0.0, 1.0, 0.0});
    expectNear(column(view.rotation, 1), {1.0, 0.0, 0.0});
    expectRotation(view.rotation);
}

TEST_F(CameraGeometry, TrackCameraLooksAtTheVesselFromBehindAtItsDistance) {
    CameraSettings settings{.internal = false, .targetDistanceM = 80.0};
    CameraView view = computeCameraView(settings, vessel);
    EXPECT_NEAR(view.targetDistanceM, 80.0, 1e-6);
    EXPECT_NEAR(length(view.position - vesselPosition), 80.0, 1e-6);
    expectNear(view.direction, unit(vesselPosition - view.position));
    EXPECT_LT(view.position.y, 0.0);              // behind: south of a vessel heading north
    EXPECT_GT(view.position.x, vesselPosition.x); // and above it
    expectRotation(view.rotation);
}

TEST_F(CameraGeometry, GroundObserverWatchesFromItsPlaceWithTheVerticalUp) {
    VECTOR3 observer = groundPointNear(vessel, 600.0, 0.0, 0.0);
    EXPECT_NEAR(length(observer), earthRadiusM, 1e-3);
    EXPECT_NEAR(observer.y, 600.0, 0.01); // 600 m north along the ground
    CameraSettings settings{
        .internal = false, .externalMode = CAMERA_MODE_GROUND_OBSERVER, .observer = observer};
    CameraView view = computeCameraView(settings, vessel);
    expectNear(view.position, observer);
    EXPECT_NEAR(view.targetDistanceM, length(vesselPosition - observer), 1e-6);
    expectNear(view.direction, unit(vesselPosition - observer));
    EXPECT_GT(dot(column(view.rotation, 1), unit(observer)), 0.5);
    expectRotation(view.rotation);
}

TEST_F(CameraGeometry, GroundObserverStandsBesideTheVesselWhenNonePlaced) {
    CameraSettings settings{.internal = false, .externalMode = CAMERA_MODE_GROUND_OBSERVER};
    CameraView view = computeCameraView(settings, vessel);
    // 50 m right (east) of the ground point, 2 m up: the vessel is 998 m above it.
    EXPECT_NEAR(view.targetDistanceM, std::sqrt(50.0 * 50.0 + 998.0 * 998.0), 0.01);
    expectRotation(view.rotation);
}

TEST_F(CameraGeometry, ObserverOffsetsFollowTheHeading) {
    vessel.setAttitude({0.0, 0.0, 90.0}); // heading east
    VECTOR3 ahead = groundPointNear(vessel, 1000.0, 0.0, 0.0);
    VECTOR3 right = groundPointNear(vessel, 0.0, 1000.0, 0.0);
    EXPECT_NEAR(ahead.z, 1000.0, 0.1);  // east
    EXPECT_NEAR(right.y, -1000.0, 0.1); // south
}

} // namespace
