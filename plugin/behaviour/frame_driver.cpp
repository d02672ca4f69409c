#include "plugin/behaviour/frame_driver.h"

#include "plugin/core/log.h"
#include "plugin/core/plugin_state.h"

namespace zephyrin {

// The frame's behaviours are not part of this build yet: a focus vessel is only checked for.
void GetStartValue() {
    logLine("Attempting GetStartValue initialisation...");
    if (plugin.focusObject == nullptr || plugin.focusVessel == nullptr) {
        logLine("ERROR GetStartValue Handle NULL");
        return;
    }
    logLine("Passed GetStartValue - Ok");
}

void resetFrameState() {}

void forceBaseAmbienceQuery() {}

} // namespace zephyrin

VRPLUGIN_CALLBACK void vrpcPreStep(double, double, double) {}
