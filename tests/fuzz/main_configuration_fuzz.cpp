// Any bytes as the main configuration file, read and repaired as at module start.
#include "fuzz_support.h"
#include "plugin/core/main_configuration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzsupport::enterScratchSimulatorFolder();
    fuzzsupport::writeScratchFile("Sound/Cfg/Zephyrin3.cfg", data, size);
    zephyrin::loadMainConfiguration();
    return 0;
}
