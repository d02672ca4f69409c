// The simulator's camera functions, answered from the stand-in world's camera.
#include "host/vector_math.h"
#include "host/world.h"
#include "sdk/VoranthAPI.h"

using vrhost::world;
using vrhost::operator-;

namespace {
// Beyond this many planet radii from its centre the camera is in deep space.
constexpr double proxyRangeInRadii = 10.0;
} // namespace

VRAPI bool vrapiCameraInternal() {
    return world().camera().internal;
}

VRAPI int vrapiCameraMode() {
    const vrhost::CameraSettings& camera = world().camera();
    return camera.internal ? CAMERA_MODE_COCKPIT : camera.externalMode;
}

VRAPI int vrapiCockpitMode() {
    return world().camera().cockpitMode;
}

VRAPI double vrapiCameraTargetDist() {
    return world().cameraView().targetDistanceM;
}

VRAPI void vrapiCameraGlobalPos(VECTOR3* position) {
    if (position != nullptr) {
        *position = world().cameraView().position;
    }
}

VRAPI void vrapiCameraGlobalDir(VECTOR3* direction) {
    if (direction != nullptr) {
        *direction = world().cameraView().direction;
    }
}

VRAPI void vrapiCameraRotationMatrix(MATRIX3* rotation) {
    if (rotation != nullptr) {
        *rotation = world().cameraView().rotation;
    }
}

VRAPI OBJHANDLE vrapiCameraProxyGbody() {
    vrhost::Planet& planet = world().planet();
    double distance = vrhost::length(world().cameraView().position - planet.globalPosition());
    return distance < proxyRangeInRadii * planet.radius() ? planet.handle() : nullptr;
}
