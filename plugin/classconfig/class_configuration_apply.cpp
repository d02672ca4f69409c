#include "plugin/addon/vessel_table.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/stock_sounds.h"

#include <cstdio>

namespace zephyrin {

namespace {

int32_t& optionSwitch(OptionRecord& options, int optionIndex) {
    return reinterpret_cast<int32_t*>(&options)[optionIndex];
}

} // namespace

void ApplyClassConfiguration() {
    for (int key = 0; key < classOptionKeyCount; ++key) {
        int32_t value = classConfiguration.classOptionValue[key];
        if (value == classFalse || value == classTrue) {
            optionSwitch(liveOptions, classOptionKeys[key].optionIndex) = value - 1;
        }
    }
    int index = run.currentVesselIndex;
    if (index < 0 || index >= vesselRecordCount) {
        return;
    }
    // The class file names its sounds by key; the record keeps them by stock id.
    VesselSoundRecord& record = vesselTable[index];
    for (int key = 0; key < classReplacementKeyCount; ++key) {
        const char* file = classConfiguration.classReplacement[key];
        int slot = replacementIndexOf(classReplacementKeys[key].stockId);
        if (file[0] != '\0' && slot >= 0) {
            std::snprintf(record.replacementFile[slot], sizeof record.replacementFile[slot], "%s",
                          file);
        }
    }
    if (classConfiguration.classReplaceAllGpws == classTrue) {
        record.replaceAllGpws = 1;
    }
    for (int entry = 0; entry < stockPositionCount; ++entry) {
        record.stockPosition[entry] = classConfiguration.classStockPosition[entry];
    }
}

} // namespace zephyrin
