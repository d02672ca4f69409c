#include "plugin/behaviour/listener.h"

#include "plugin/audio/sound_device.h"
#include "plugin/behaviour/atmosphere_sounds.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/advanced_configuration.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/core/transpose_rotate.h"

namespace zephyrin {

VECTOR3 cameraPositionInVessel;

namespace {

constexpr double fullTurnRadians = 6.283185307;

struct AmbiencePair {
    StockSlot slot;
    double halfWidthM; // the first channel to the left of the listener, negative: to the right
};

// The wind wide around the listener, the base ambience nearer and the other way round.
constexpr AmbiencePair ambiencePairs[] = {{PlanetWind, 21}, {BaseAmbient, -13}};

void placeAmbience(const VESSEL& vessel, const VECTOR3& front) {
    VECTOR3 p = front;
    if (frame.cameraInternal == 1 && liveOptions.PLAYWINDCOCKPITOPEN == 1) {
        double turn = vessel.GetYaw() / fullTurnRadians;
        p = {turn, 0, turn};
    }
    for (const AmbiencePair& pair : ambiencePairs) {
        StockSoundSlot& slot = stockSlot(pair.slot);
        if (slot.isStereoPair == 1) {
            setSlotPosition(slot, {3 * p.x - pair.halfWidthM, 3 * p.y, 3 * p.z + 1},
                            {3 * p.x + pair.halfWidthM, 3 * p.y, 3 * p.z + 1});
        }
    }
}

D3DVALUE toD3DValue(double value) {
    return static_cast<D3DVALUE>(value);
}

} // namespace

void updateListener(VESSEL& vessel) {
    IDirectSound3DListener8* listener =
        plugin.device != nullptr ? plugin.device->getListener() : nullptr;
    if (listener == nullptr) {
        return;
    }
    VECTOR3 cameraGlobal;
    vrapiCameraGlobalPos(&cameraGlobal);
    vessel.Global2Local(cameraGlobal, cameraPositionInVessel);

    VECTOR3 direction;
    vrapiCameraGlobalDir(&direction);
    MATRIX3 camera;
    vrapiCameraRotationMatrix(&camera);
    VECTOR3 up{camera.m12, camera.m22, camera.m32};
    MATRIX3 vesselRotation;
    vessel.GetRotationMatrix(vesselRotation);
    VECTOR3 front = TransposeRotate(vesselRotation, direction);
    VECTOR3 top = TransposeRotate(vesselRotation, up);

    // Only the ground observer stands still while the vessel passes: the pitch shifts.
    VECTOR3 velocity{0, 0, 0};
    if (frame.cameraInternal == 0 && frame.cameraMode == CAMERA_MODE_GROUND_OBSERVER) {
        VECTOR3 airspeed{0, 0, 0};
        vessel.GetShipAirspeedVector(airspeed);
        double doppler = advancedConfiguration.dopplerFactor;
        velocity = {-airspeed.x * doppler, -airspeed.y * doppler, -airspeed.z * doppler};
    }
    listener->SetVelocity(toD3DValue(velocity.x), toD3DValue(velocity.y), toD3DValue(velocity.z),
                          DS3D_DEFERRED);

    if (atmosphere.windAmbiencePlaying == 1) {
        placeAmbience(vessel, front);
    }
    listener->SetOrientation(toD3DValue(front.x), toD3DValue(front.y), toD3DValue(front.z),
                             toD3DValue(top.x), toD3DValue(top.y), toD3DValue(top.z),
                             DS3D_DEFERRED);
    listener->SetPosition(toD3DValue(cameraPositionInVessel.x),
                          toD3DValue(cameraPositionInVessel.y),
                          toD3DValue(cameraPositionInVessel.z), DS3D_DEFERRED);
    plugin.device->commitListener();
}

} // namespace zephyrin
