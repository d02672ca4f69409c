#include "plugin/addon/addon_checks.h"

#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/core/log.h"
#include "plugin/core/plugin_state.h"

#include <cstring>

namespace zephyrin {

bool isSoundId(int id) {
    return id >= 0 && id < vesselRecordCount;
}

bool isWaveNumber(int wave) {
    return wave >= 1 && wave <= addonWaveCount;
}

bool acceptFileName(const char* file, const char* caller) {
    if (file == nullptr) {
        logText(caller, "refused: no file name");
        return false;
    }
    if (std::memchr(file, '\0', fileNameLength) == nullptr) {
        logText(caller, "refused: file name of 260 characters or more");
        return false;
    }
    return true;
}

bool isFocusRecord(int id) {
    return isSoundId(id) && vesselTable[id].vesselHandle != nullptr &&
           vesselTable[id].vesselHandle == plugin.focusObject;
}

bool focusWaveLoaded(int id, int wave) {
    return isSoundId(id) && isWaveNumber(wave) && id == run.currentVesselIndex &&
           plugin.device != nullptr && vesselWaveSlots[wave - 1].sound != nullptr;
}

} // namespace zephyrin
