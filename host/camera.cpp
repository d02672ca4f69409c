#include "host/camera.h"

#include "host/vector_math.h"

#include <cmath>

namespace vrhost {

namespace {
// Where an observer stands when the ground camera is chosen before one was placed.
constexpr double defaultObserverSideM = 50.0;
constexpr double observerEyeHeightM = 2.0;

// A camera looking along `direction` whose up axis leans toward `upHint`.
MATRIX3 lookRotation(const VECTOR3& direction, const VECTOR3& upHint, const VECTOR3& fallbackUp) {
    VECTOR3 right = cross(upHint, direction);
    if (length(right) < 1e-9) {
        right = cross(fallbackUp, direction);
    }
    right = unit(right);
    return matrixFromColumns(right, cross(direction, right), direction);
}
} // namespace

VECTOR3 groundPointNear(const Vessel& vessel, double alongM, double sideM, double heightM) {
    const Planet& planet = vessel.planet();
    double heading = vessel.attitude().heading * radiansPerDegree;
    VECTOR3 ahead{std::sin(heading), 0.0, std::cos(heading)};
    VECTOR3 right{std::cos(heading), 0.0, -std::sin(heading)};
    VECTOR3 surface = planet.positionOver(vessel.position(), 0.0);
    VECTOR3 offset = planet.horizonAt(vessel.position()) * (ahead * alongM + right * sideM);
    return planet.positionOver(planet.pointBelow(surface + offset), heightM);
}

CameraView computeCameraView(const CameraSettings& settings, const Vessel& focus) {
    CameraView view;
    VECTOR3 vesselPosition = focus.globalPosition();
    MATRIX3 vesselRotation = focus.rotationMatrix();
    VECTOR3 vesselUp = column(vesselRotation, 1);
    VECTOR3 vesselForward = column(vesselRotation, 2);
    if (settings.internal) {
        VECTOR3 offset;
        focus.GetCameraOffset(offset);
        view.position = vesselPosition + vesselRotation * offset;
        view.direction = vesselForward;
        view.rotation = vesselRotation;
        view.targetDistanceM = length(offset);
        return view;
    }
    VECTOR3 upHint = vesselUp;
    if (settings.externalMode == CAMERA_MODE_GROUND_OBSERVER) {
        view.position = settings.observer.value_or(
            groundPointNear(focus, 0.0, defaultObserverSideM, observerEyeHeightM));
        upHint = unit(view.position);
    } else {
        view.position = vesselPosition +
                        vesselRotation * (unit(trackCameraDirection) * settings.targetDistanceM);
    }
    VECTOR3 towardVessel = vesselPosition - view.position;
    view.targetDistanceM = length(towardVessel);
    view.direction = view.targetDistanceM > 0.0 ? unit(towardVessel) : vesselForward;
    view.rotation = lookRotation(view.direction, upHint, vesselForward);
    return view;
}

} // namespace vrhost
