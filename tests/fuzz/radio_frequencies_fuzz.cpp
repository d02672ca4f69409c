// Any bytes as "Radio.cfg": read and repaired, the frequencies swapped so that the chatter
// tunes to them, the standby one set from the file's own text, then saved and read back.
#include "plugin/radio/frequency_folders.h"
#include "plugin/radio/radio_config.h"
#include "plugin/radio/radio_controls.h"
#include "plugin/radio/radio_state.h"
#include "plugin_fuzz_support.h"

#include <cstdio>
#include <string>

namespace {

using namespace zephyrin;

void startOnce() {
    static const bool started = [] {
        fuzzsupport::startPluginOnce();
        fuzzsupport::writeScratchWave("sound/radio/120.100/tower.wav");
        return true;
    }();
    (void)started;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    startOnce();
    fuzzsupport::writeScratchFile("Sound/Cfg/Radio.cfg", data, size);
    radio = RadioState{};
    LoadRadioConfig();
    ScanFrequencyFolders();
    SwapFrequencies();
    SetStandbyFrequency(std::string(reinterpret_cast<const char*>(data), size).c_str());
    SaveRadioConfig();
    LoadRadioConfig();
    fuzzsupport::forgetInput();
    return 0;
}
