// Any bytes as the hand-edited advanced configuration file.
#include "fuzz_support.h"
#include "plugin/core/advanced_configuration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzsupport::enterScratchSimulatorFolder();
    fuzzsupport::writeScratchFile("Sound/Cfg/Editable_Advanced_Configuration.cfg", data, size);
    zephyrin::loadAdvancedConfiguration();
    return 0;
}
