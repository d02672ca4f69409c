// ReplaceStockZephx3: an add-on gives its vessel its own file for a stock sound.
#include "plugin/addon/addon_checks.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/stock_sounds.h"
#include "sdk/ZephyrinAddon.h"

#include <cstdio>

using namespace zephyrin;

int ReplaceStockZephx3(int id, const char* file, int stockId) {
    if (!isSoundId(id) || vesselTable[id].vesselHandle == nullptr) {
        return 0;
    }
    VesselSoundRecord& record = vesselTable[id];
    bool focus = id == run.currentVesselIndex;
    int index = replacementIndexOf(stockId);
    if (index >= 0) {
        if (!acceptFileName(file, "ReplaceStockZephx3")) {
            return 0;
        }
        // The vessel class file's own replacement stays.
        if (!(focus && classFileReplacesStockSound(stockId))) {
            std::snprintf(record.replacementFile[index], sizeof record.replacementFile[index], "%s",
                          file);
        }
    } else if (stockId == gpwsStockId) {
        record.replaceAllGpws = 1;
    }
    if (focus && plugin.device != nullptr) {
        loadStockSounds(stockId);
    }
    return 1;
}
