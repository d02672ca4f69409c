// Any text as the file names of the wind and base sound folders, one name a line: each filed
// in the planet wind list and read as a base sound name, then every planet looked up by each
// name, as the planet change does.
#include "plugin/environment/base_sound_list.h"
#include "plugin/environment/wind_sound_list.h"
#include "plugin_fuzz_support.h"

#include <string>
#include <vector>

namespace {

using namespace zephyrin;

// Longer than any name the lists take, so that the length checks are reached too.
constexpr size_t longestName = 300;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzsupport::startPluginOnce();
    const std::vector<std::string> names = fuzzsupport::linesOf(data, size, longestName);
    windPlanetCount = 0;
    baseSoundFileCount = 0;
    for (const std::string& name : names) {
        addWindFile(name.c_str());
        if (baseSoundFileCount < baseSoundFileLimit &&
            parseBaseFileName(name.c_str(), baseSoundFiles[baseSoundFileCount])) {
            ++baseSoundFileCount;
        }
    }
    for (const std::string& name : names) {
        findWindPlanet(name.c_str());
    }
    fuzzsupport::forgetInput();
    return 0;
}
