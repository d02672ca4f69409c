// A plug-in run whose simulator folder is the test's scratch folder, with helpers that lay out
// radio folders and "Sequential.cfg" programs in it.
#pragma once

#include "plugin/core/plugin_state.h"
#include "plugin/radio/radio_state.h"
#include "plugin_sound_fixture.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace testsupport {

struct SequenceWave {
    std::string name;
    int32_t seconds;
};

class RadioTest : public PluginSoundTest {
protected:
    RadioTest() {
        std::snprintf(zephyrin::plugin.simulatorDir, sizeof zephyrin::plugin.simulatorDir, "%s/",
                      folder.path().string().c_str());
        zephyrin::radio = zephyrin::RadioState{};
    }

    // The 510 bytes of title and description, then the record, as the sound pack writes it.
    static std::string sequenceFile(bool timed, bool loop, int32_t loopPause, int32_t count,
                                    const std::vector<SequenceWave>& waves,
                                    bool noCountdown = false) {
        std::string bytes(510 + 4112, '\0');
        auto put = [&bytes](size_t at, int32_t value) {
            for (int i = 0; i < 4; ++i) {
                bytes[at + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
            }
        };
        put(510, timed ? 1 : 0);
        put(514, noCountdown ? 1 : 0);
        put(518, loop ? 1 : 0);
        put(522, loopPause);
        put(526, count);
        for (size_t i = 0; i < waves.size(); ++i) {
            bytes.replace(510 + 20 + 60 * i, waves[i].name.size(), waves[i].name);
            put(510 + 3620 + 4 * i, waves[i].seconds);
        }
        return bytes;
    }
};

} // namespace testsupport
