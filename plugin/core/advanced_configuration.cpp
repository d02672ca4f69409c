#include "plugin/core/advanced_configuration.h"

#include "shared/decimal_number.h"

#include "platform/file_system.h"
#include "plugin/core/log.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace zephyrin {

AdvancedConfiguration advancedConfiguration;

namespace {

constexpr const char* advancedConfigurationFile = "Sound\\cfg\\Editable_Advanced_Configuration.cfg";
constexpr int maxLeadingBlanks = 5;
constexpr int trueSearchWindow = 10;
constexpr double smallestNumber = 0.1;
constexpr double largestNumber = 100000.0;
constexpr double dopplerScale = 0.25;
constexpr double processIntervalTrimSeconds = 0.0006;

// The file's values before they are converted to the stored forms.
struct FileValues {
    double primaryBufferFrequency = 22050;
    double primaryBufferBitRate = 16;
    double dopplerFactor = 1.0;
    double vaccumAttenuationFactor = 1.0;
    double soundDistanceFactor = 1.0;
    double maxSoundProcessPerSecond = 60;
    double maxAnimCheckPerFrame = 10;
    bool playWhenVoranthInBackground = false;
    bool writeInLogAllLoadedSound = false;
};

struct NumberKey {
    const char* key;
    double FileValues::*value;
};
struct BooleanKey {
    const char* key;
    bool FileValues::*value;
};

constexpr NumberKey numberKeys[] = {
    {"PrimaryBufferFrequency", &FileValues::primaryBufferFrequency},
    {"PrimaryBufferBitRate", &FileValues::primaryBufferBitRate},
    {"DopplerFactor", &FileValues::dopplerFactor},
    {"VaccumAttenuationFactor", &FileValues::vaccumAttenuationFactor},
    {"SoundDistanceFactor", &FileValues::soundDistanceFactor},
    {"MaxSoundProcessPerSecond", &FileValues::maxSoundProcessPerSecond},
    {"MaxAnimCheckPerFrame", &FileValues::maxAnimCheckPerFrame},
};
constexpr BooleanKey booleanKeys[] = {
    {"PlayWhenVoranthInBackground", &FileValues::playWhenVoranthInBackground},
    {"WriteInLogAllLoadedSound", &FileValues::writeInLogAllLoadedSound},
};

bool isIgnoredLine(const char* line) {
    signed char first = static_cast<signed char>(line[0]);
    if (first == '\0' || first == '\n' || first < 32 || first == '/') {
        return true;
    }
    // The third character only exists when the second is not the end of the text.
    return line[1] == '/' || (line[1] != '\0' && line[2] == '/');
}

// The value text of `line` when it begins with `key` and has a "=" after it, cut at the
// first "/", which starts a comment.
bool valueOfKey(const char* line, const char* key, char* value, size_t valueSize) {
    size_t keyLength = std::strlen(key);
    if (std::strncmp(line, key, keyLength) != 0) {
        return false;
    }
    const char* equals = std::strchr(line + keyLength, '=');
    if (equals == nullptr) {
        return false;
    }
    std::snprintf(value, valueSize, "%s", equals + 1);
    if (char* comment = std::strchr(value, '/')) {
        *comment = '\0';
    }
    return true;
}

bool readsAsTrue(const char* value) {
    size_t length = std::strlen(value);
    for (size_t start = 0; start < static_cast<size_t>(trueSearchWindow) && start < length;
         ++start) {
        if (::strncasecmp(value + start, "true", 4) == 0) {
            return true;
        }
    }
    return false;
}

void readLine(const char* line, FileValues& values) {
    char value[1024];
    for (const NumberKey& number : numberKeys) {
        if (valueOfKey(line, number.key, value, sizeof value)) {
            values.*number.value =
                std::clamp(decimalNumberOrZero(value), smallestNumber, largestNumber);
            return;
        }
    }
    for (const BooleanKey& boolean : booleanKeys) {
        if (valueOfKey(line, boolean.key, value, sizeof value)) {
            values.*boolean.value = readsAsTrue(value);
            return;
        }
    }
}

int oneOf(double value, std::initializer_list<int> permitted, int fallback) {
    for (int allowed : permitted) {
        if (value == allowed) {
            return allowed;
        }
    }
    return fallback;
}

void echoToLog(const AdvancedConfiguration& c, const FileValues& read) {
    char echo[1024];
    std::snprintf(echo, sizeof echo,
                  "Advanced Zephyrin settings: (Edit: "
                  "'Sound/cfg/Editable_Advanced_Configuration.cfg')\n"
                  "-------------------------------\n"
                  "Primary buffer\t\t\t%ihz %ibits  (default 22050/16)\n"
                  "DopplerFactor\t\t\t%.2f\t\t(default 1.00)\n"
                  "VaccumAttenuationFactor\t\t%.2f\t\t(default 1.00)\n"
                  "SoundDistanceFactor\t\t%.2f\t\t(default 1.00)\n"
                  "MaxSoundProcessPerSecond\t%.0f\t\t(default 60)\n"
                  "MaxAnimCheckPerFrame\t\t%i\t\t(default 10)\n"
                  "PlayWhenVoranthInBackground\t%s\t\t(default false)\n"
                  "WriteInLogAllLoadedSound\t%s\t\t(default false)\n"
                  "-------------------------------\n",
                  c.primaryBufferFrequency, c.primaryBufferBitRate, read.dopplerFactor,
                  c.vaccumAttenuationFactor, c.soundDistanceFactor, read.maxSoundProcessPerSecond,
                  c.maxAnimCheckPerFrame, c.playWhenVoranthInBackground ? "true" : "false",
                  c.writeInLogAllLoadedSound ? "true" : "false");
    logLine(echo);
}

void store(const FileValues& values) {
    advancedConfiguration.primaryBufferFrequency =
        oneOf(values.primaryBufferFrequency, {11025, 22050, 44100}, 22050);
    advancedConfiguration.primaryBufferBitRate =
        oneOf(values.primaryBufferBitRate, {8, 16, 24, 32}, 16);
    advancedConfiguration.dopplerFactor = values.dopplerFactor * dopplerScale;
    advancedConfiguration.vaccumAttenuationFactor = values.vaccumAttenuationFactor;
    advancedConfiguration.soundDistanceFactor = values.soundDistanceFactor;
    advancedConfiguration.processIntervalSeconds =
        1.0 / values.maxSoundProcessPerSecond - processIntervalTrimSeconds;
    advancedConfiguration.maxAnimCheckPerFrame = static_cast<int>(values.maxAnimCheckPerFrame);
    advancedConfiguration.playWhenVoranthInBackground = values.playWhenVoranthInBackground;
    advancedConfiguration.writeInLogAllLoadedSound = values.writeInLogAllLoadedSound;
}

} // namespace

void loadAdvancedConfiguration() {
    FileValues values;
    FILE* file = platform::openFile(advancedConfigurationFile, "rt");
    if (file == nullptr) {
        logLine("Error: Unable to load Editable_Advanced_Configuration.cfg, using default value");
        store(values);
        return;
    }
    char line[1024];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (isIgnoredLine(line)) {
            continue;
        }
        const char* text = line;
        for (int blank = 0; blank < maxLeadingBlanks && *text == ' '; ++blank) {
            ++text;
        }
        readLine(text, values);
    }
    std::fclose(file);

    values.dopplerFactor = std::clamp(values.dopplerFactor, 0.1, 8.0);
    values.vaccumAttenuationFactor = std::clamp(values.vaccumAttenuationFactor, 0.1, 4.0);
    values.soundDistanceFactor = std::clamp(values.soundDistanceFactor, 0.1, 4.0);
    values.maxSoundProcessPerSecond = std::clamp(values.maxSoundProcessPerSecond, 60.0, 1000.0);
    values.maxAnimCheckPerFrame =
        std::clamp(static_cast<double>(static_cast<int>(values.maxAnimCheckPerFrame)), 1.0, 100.0);
    store(values);
    echoToLog(advancedConfiguration, values);
}

} // namespace zephyrin
