#include "plugin/addon/vessel_table.h"

#include "plugin/core/main_configuration.h"

#include <cstring>

namespace zephyrin {

VesselSoundRecord vesselTable[vesselRecordCount];

void startVesselRecord(int index) {
    if (index < 0 || index >= vesselRecordCount) {
        return;
    }
    std::memset(&vesselTable[index], 0, sizeof vesselTable[index]);
    vesselTable[index].settings = savedOptions;
}

void startAllVesselRecords() {
    for (int index = 0; index < vesselRecordCount; ++index) {
        startVesselRecord(index);
    }
}

} // namespace zephyrin
