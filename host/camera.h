// The simulator's camera: what the user chose (cockpit or outside, the outside mode, the
// distance) and where that puts it, computed from the focus vessel.
#pragma once

#include "host/vessel.h"
#include "sdk/VoranthAPI.h"

#include <optional>

namespace vrhost {

struct CameraSettings {
    bool internal = true;                 // cockpit view
    int externalMode = CAMERA_MODE_TRACK; // the mode outside: track, or 6 = ground observer
    int cockpitMode = COCKPIT_GENERIC;
    double targetDistanceM = 50.0;   // track camera's distance from the vessel
    std::optional<VECTOR3> observer; // ground observer's global position
};

struct CameraView {
    VECTOR3 position{0.0, 0.0, 0.0};             // global, m
    VECTOR3 direction{0.0, 0.0, 1.0};            // global unit view direction
    MATRIX3 rotation{1, 0, 0, 0, 1, 0, 0, 0, 1}; // camera to global: columns right, up, forward
    double targetDistanceM = 0.0;                // from the focus vessel
};

// The track camera looks at the vessel from behind and a little above it.
constexpr VECTOR3 trackCameraDirection{0.0, 0.25, -1.0};

// Where the camera is. Cockpit: at the vessel's camera offset looking along its nose; track: at
// the target distance behind the vessel looking at it; ground observer: at the observer's place
// looking at the vessel (without a placed observer it stands 50 m right of the vessel's ground
// point). The camera's up axis leans to the vessel's up in track view and to the local vertical
// at the observer.
CameraView computeCameraView(const CameraSettings& settings, const Vessel& focus);

// The global position `alongM` ahead and `sideM` right of the vessel's ground point, along its
// heading, `heightM` above the ground.
VECTOR3 groundPointNear(const Vessel& vessel, double alongM, double sideM, double heightM);

} // namespace vrhost
