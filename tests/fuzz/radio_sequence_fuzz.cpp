// Any bytes as the "Sequential.cfg" of the tuned radio folder: the folder is tuned and its
// program flown for two minutes of simulation time, with a time warp and a jump back in time,
// so that the waves, times, loop and pause the file gives all reach the chatter schedule.
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/radio/chatter.h"
#include "plugin/radio/frequency_folders.h"
#include "plugin/radio/radio_state.h"
#include "plugin_fuzz_support.h"

#include <cstdio>

namespace {

using namespace zephyrin;

constexpr const char* tunedFolder = "sound/radio/140.300/";
constexpr int frames = 12;
constexpr double frameSeconds = 10;
constexpr int warpFrame = 3;
constexpr int timeJumpFrame = 8;
constexpr double timeJumpSeconds = -50;

void startOnce() {
    static const bool started = [] {
        fuzzsupport::startPluginOnce();
        for (const char* name : {"tower.wav", "ground.wav"}) {
            fuzzsupport::writeScratchWave(std::string(tunedFolder) + name);
        }
        return true;
    }();
    (void)started;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    startOnce();
    fuzzsupport::writeScratchFile(std::string(tunedFolder) + "Sequential.cfg", data, size);
    radio = RadioState{};
    std::snprintf(radio.comFrequency, sizeof radio.comFrequency, "140.300");
    frame.simTime = 0;
    frame.timeAcceleration = 1;
    frame.cameraInternal = 1;
    ScanFrequencyFolders();
    SelectFrequencyFolder();
    for (int step = 0; step < frames; ++step) {
        frame.simTime += step == timeJumpFrame ? timeJumpSeconds : frameSeconds;
        frame.timeAcceleration = step == warpFrame ? 10 : 1;
        // Every chatter is over by the next frame, so that the schedule moves on.
        stopSlot(stockSlot(RadioChatter));
        UpdateRadio();
    }
    resetSlot(stockSlot(RadioChatter));
    fuzzsupport::forgetInput();
    return 0;
}
