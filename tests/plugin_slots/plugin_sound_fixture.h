// A simulation run of the plug-in for one test: a scratch simulator folder made current, the
// scriptable DirectSound behind the plug-in's sound device, the plug-in defaults as live and
// saved options, and the stand-in world for the focus vessel. Everything is emptied again after
// the test.
#pragma once

#include "host/world.h"
#include "platform/audio/dsound_fake.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

class PluginSoundTest : public testing::Test {
protected:
    explicit PluginSoundTest(bool allow3D = true);
    ~PluginSoundTest() override;

    // Adds a vessel to the world, makes it the focus and gives it record 60 of the vessel table.
    vrhost::Vessel& focusOn(const vrhost::VesselSpec& spec);

    // A short 16-bit wave of `channels` channels at `rate` Hz below the scratch folder.
    void writeWave(const std::string& relativePath, int channels = 1, int rate = 22050) const;
    // Every stock file of the vessel sounds, stereo where the slot takes a pair.
    void writeStockWaves() const;

    // The log so far (the log file is closed to read it).
    std::string log() const;

    // The buffer the fake created last for `fileName`; null when none.
    const platform::audio::fake::BufferState* bufferOf(const std::string& fileName) const;
    int buffersNamed(const std::string& fileName) const;

    ScratchFolder folder;
};

} // namespace testsupport
