// What an add-on may ask of the plug-in as a whole: its version, its 3D sound and the air
// conditioning of a vessel without id.
#include "plugin/audio/sound_device.h"
#include "plugin/core/plugin_state.h"
#include "sdk/ZephyrinAddon.h"

using namespace zephyrin;

float GetVersionZephx3() {
    return 4.0f;
}

int IsZephyrin3dZephx4() {
    return plugin.device != nullptr && plugin.device->has3D == 1 &&
                   plugin.device->getListener() != nullptr
               ? 1
               : 0;
}

int ControlAircond(int value) {
    if (run.currentVesselIndex != LEGACY_SOUND_ID) {
        return 0;
    }
    run.airCondEnabled = value;
    return 1;
}
