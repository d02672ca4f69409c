#include "plugin/core/main_configuration.h"

#include "platform/file_system.h"
#include "plugin/core/log.h"

#include <cstdio>
#include <cstring>

namespace zephyrin {

OptionRecord liveOptions;
OptionRecord savedOptions;

namespace {
constexpr const char* mainConfigurationFile = "Sound\\Cfg\\Zephyrin3.cfg";

bool writeOptionRecord(const OptionRecord& options) {
    FILE* file = platform::openFile(mainConfigurationFile, "wb");
    if (file == nullptr) {
        return false;
    }
    std::fwrite(&options, sizeof options, 1, file);
    std::fclose(file);
    return true;
}
} // namespace

void apply3dInvariants(OptionRecord& options) {
    if (options.ALLOW3DAUDIO == 0) {
        options.ALLOW3DPROJECTIONCONE = 0;
        options.ALLOW3DMACHCONESILENCE = 0;
        options.ALLOW3DRCSPOSITIONING = 0;
    } else if (options.ALLOW3DPROJECTIONCONE == 0) {
        options.ALLOW3DMACHCONESILENCE = 0;
    }
}

void loadMainConfiguration() {
    // Only a complete read of a valid file may make the record valid.
    fillPluginDefaults(liveOptions);
    liveOptions.VERSIONCONTROL = 0.0;

    bool wholeRecordRead = false;
    if (FILE* file = platform::openFile(mainConfigurationFile, "rb")) {
        wholeRecordRead = std::fread(&liveOptions, sizeof liveOptions, 1, file) == 1;
        std::fclose(file);
    } else if (writeOptionRecord(liveOptions)) {
        logLine("Error, config file not found new one written OK");
    } else {
        logLine("Error, config file not found and unable to write it");
    }

    if (liveOptions.VERSIONCONTROL != optionRecordVersion || !wholeRecordRead) {
        logLine("Error, config file's version control is wrong... attempt to write a correct one");
        fillPluginDefaults(liveOptions);
        if (writeOptionRecord(liveOptions)) {
            logLine("New config file written ok !");
        } else {
            logLine("Error, unable to write config file");
        }
    }

    apply3dInvariants(liveOptions);
}

} // namespace zephyrin
