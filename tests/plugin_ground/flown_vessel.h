// A glider flown through the plug-in's frame, frame by frame, against the scriptable
// DirectSound: the tests of the ground, docking, callout and cabin sounds set the vessel and
// the camera, fly a few frames and read back what was played.
#pragma once

#include "plugin/behaviour/frame_driver.h"
#include "plugin/core/plugin_state.h"
#include "plugin_sound_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

VRPLUGIN_CALLBACK void vrpcPreStep(double simTime, double simStep, double mjd);

namespace testsupport {

class FlownVessel : public PluginSoundTest {
protected:
    static constexpr double frameSeconds = 1.0 / 40;

    FlownVessel() : glider(focusOn(vrhost::VesselSpec{})) {
        writeStockWaves();
        vrhost::world().setSystemStep(frameSeconds);
        vrhost::world().camera().internal = true;
        zephyrin::run.stockSoundsPending = 1;
        zephyrin::GetStartValue();
    }

    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            simTime += frameSeconds;
            vrpcPreStep(simTime, frameSeconds, 0);
        }
    }

    // Every file started by a Play call, in order; the two channels of a pair count once.
    static std::vector<std::string> playedFiles() {
        std::vector<std::string> files;
        int lastBuffer = 0;
        for (const platform::audio::fake::Call& call : platform::audio::fake::calls()) {
            if (call.method != "Play" || call.object.rfind("buffer", 0) != 0) {
                continue;
            }
            int id = std::stoi(call.object.substr(6));
            const std::string& name = platform::audio::fake::buffer(id).name;
            bool secondOfPair = id == lastBuffer + 1 && !files.empty() && files.back() == name;
            if (!secondOfPair) {
                files.push_back(name);
            }
            lastBuffer = id;
        }
        return files;
    }

    static int timesPlayed(const std::string& file) {
        int count = 0;
        for (const std::string& played : playedFiles()) {
            count += played == file ? 1 : 0;
        }
        return count;
    }

    vrhost::Vessel& glider;
    double simTime = 0;
};

} // namespace testsupport
