// Any text as a scenario of vrhost: it is flown or refused with a line of its own, never more.
#include "fuzz_support.h"
#include "host/scenario_parser.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        vrhost::parseScenario(std::string(reinterpret_cast<const char*>(data), size), "fuzz.vrs");
    } catch (const vrhost::ScenarioError&) {
    }
    return 0;
}
