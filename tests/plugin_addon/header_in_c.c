/* An add-on written in C: the public header and its run-time binding compile as C. */
#define ZEPHYRIN_ADDON_BINDING
#include "ZephyrinAddon.h"

int connectInC(OBJHANDLE vessel) {
    ZephyrinBinding zephyrin = zephyrinBind();
    VECTOR3 nozzle = {0.0, 0.0, -7.6};
    ConeParameters backwards = {120, 260, {0.0, 0.0, -1.0}, 90.0};
    int id;
    if (!zephyrin.present) {
        return ZEPHYRIN_NO_SOUND_ID;
    }
    id = zephyrin.GetVesselSoundID3(vessel);
    zephyrin.LoadVesselWave3dZephx4(id, 1, "Sound\\Vessel\\mainext.wav", VIEW_BOTH_FAR, &nozzle,
                                    NULL, 0);
    zephyrin.Set3dWaveParametersZephx4(id, 1, NULL, NULL, NULL, NULL, &backwards);
    return id;
}
