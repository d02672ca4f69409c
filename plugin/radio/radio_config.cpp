#include "plugin/radio/radio_config.h"

#include "platform/file_system.h"
#include "plugin/core/main_configuration.h"
#include "plugin/radio/radio_state.h"

#include <cstdio>
#include <cstring>

namespace zephyrin {

namespace {

constexpr const char* defaultComFrequency = "140.300";
constexpr const char* defaultMemFrequency = "296.800";
// A standby frequency that fails the check falls back to another channel than its default.
constexpr const char* repairedMemFrequency = "120.100";
constexpr size_t frequencyCharacters = 7;
constexpr int forcedEndIndex = 15;
constexpr int lowestVolumeAtc = 105;
constexpr int volumeAtcPerLevel = 30;
constexpr int radarOn = 2;

void buildText(FrequencyText& out, const char* format, const char* frequency) {
    int written = std::snprintf(out.text, sizeof out.text, format, frequency);
    out.length = written < 0 ? 0 : static_cast<int32_t>(std::strlen(out.text));
}

void writeFrequencies(FILE* file) {
    std::fwrite(radio.comFrequency, 1, sizeof radio.comFrequency, file);
    std::fwrite(radio.memFrequency, 1, sizeof radio.memFrequency, file);
}

void repairFrequency(char (&frequency)[frequencyLength], const char* fallback) {
    frequency[forcedEndIndex] = '\0';
    if (std::strlen(frequency) != frequencyCharacters) {
        std::snprintf(frequency, sizeof frequency, "%s", fallback);
    }
}

} // namespace

void buildComFrequencyText() {
    buildText(radio.comFrequencyText, "Com Frequency: %sMhz", radio.comFrequency);
}

void buildMemFrequencyText() {
    buildText(radio.memFrequencyText, "Mem Frequency: %sMhz  (SHF-F)", radio.memFrequency);
}

void LoadRadioConfig() {
    std::snprintf(radio.comFrequency, sizeof radio.comFrequency, "%s", defaultComFrequency);
    std::snprintf(radio.memFrequency, sizeof radio.memFrequency, "%s", defaultMemFrequency);
    radio.frequencyListShown = 0;
    radio.radioMuted = 0;

    if (FILE* file = platform::openFile(radioConfigFile, "rb")) {
        // A short file leaves the rest of the buffers as they were: the repair below catches it.
        if (std::fread(radio.comFrequency, 1, sizeof radio.comFrequency, file) ==
            sizeof radio.comFrequency) {
            (void)std::fread(radio.memFrequency, 1, sizeof radio.memFrequency, file);
        }
        std::fclose(file);
    } else if (FILE* created = platform::openFile(radioConfigFile, "wb")) {
        writeFrequencies(created);
        std::fclose(created);
    }
    repairFrequency(radio.comFrequency, defaultComFrequency);
    repairFrequency(radio.memFrequency, repairedMemFrequency);
    buildComFrequencyText();
    buildMemFrequencyText();

    radio.radioVolumeLevel = (liveOptions.VOLATC - lowestVolumeAtc) / volumeAtcPerLevel;
    if (radio.radioVolumeLevel < 1) {
        radio.radioVolumeLevel = 1;
        liveOptions.VOLATC = lowestVolumeAtc;
    }
    radio.radarState = radarOn;
}

void SaveRadioConfig() {
    if (FILE* file = platform::openFile(radioConfigFile, "wb")) {
        writeFrequencies(file);
        std::fclose(file);
    }
}

} // namespace zephyrin
