#include "config_program/model/radio_test.h"

#include "platform/file_system.h"

namespace tunedesk {

std::vector<std::string> findRadioTestWaves() {
    const std::string pattern = radioTestPattern;
    const std::string folder = pattern.substr(0, pattern.rfind('\\') + 1);
    std::vector<std::string> waves;
    for (const platform::FolderEntry& entry : platform::findFiles(radioTestPattern)) {
        if (entry.isFolder)
            continue;
        if (static_cast<int>(waves.size()) == radioTestWaveLimit)
            break;
        waves.push_back(folder + entry.name);
    }
    return waves;
}

std::string radioFoundMessage(int count) {
    if (count <= 0)
        return {};
    return "Found " + std::to_string(count) + "/60 waves in folder 'radio\\140.300' sts-134";
}

std::string radioPlayingMessage(int index) {
    return "Playing Number " + std::to_string(index + 1) + " press test again for next one";
}

} // namespace tunedesk
