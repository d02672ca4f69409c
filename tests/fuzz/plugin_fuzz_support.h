// What the fuzz targets of the plug-in's own files share: the plug-in started once in the
// scratch simulator folder with its default options and a sound device on the fake
// DirectSound, and nothing that grows over millions of inputs.
#pragma once

#include "fuzz_support.h"
#include "platform/audio/dsound_fake.h"
#include "plugin/audio/sound_device_lifecycle.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "wave_fixture.h"

#include <cstdio>
#include <string>
#include <vector>

namespace fuzzsupport {

inline void startPluginOnce() {
    static const bool started = [] {
        enterScratchSimulatorFolder();
        std::snprintf(zephyrin::plugin.simulatorDir, sizeof zephyrin::plugin.simulatorDir, "%s",
                      scratchSimulatorFolder().c_str());
        fillPluginDefaults(zephyrin::liveOptions);
        zephyrin::plugin.renderWindow = reinterpret_cast<HWND>(1);
        zephyrin::createSoundDevice(zephyrin::plugin.renderWindow, DSSCL_PRIORITY, 2, 22050, 16,
                                    true, zephyrin::plugin.device);
        return true;
    }();
    (void)started;
}

// A short mono wave at a relative path of the scratch folder, for the sounds a file names.
inline void writeScratchWave(const std::string& relativePath) {
    const std::vector<int16_t> samples(64, 1000);
    writeScratchFile(relativePath,
                     testsupport::waveFile(testsupport::WaveLayout{}, testsupport::pcm16(samples)));
}

// What one input leaves behind: the fake DirectSound's record of calls and buffers is
// forgotten (its objects keep working), and the log, some of whose writers have no line
// budget, is emptied now and then.
inline void forgetInput() {
    constexpr int inputsPerLog = 4096;
    static int inputs = 0;
    platform::audio::fake::reset();
    if (++inputs % inputsPerLog == 0) {
        zephyrin::logClose();
        std::remove("Zephyrin_Log.txt");
    }
}

} // namespace fuzzsupport
