#include "plugin/environment/base_sound_list.h"

#include "platform/file_system.h"
#include "platform/result_codes.h"
#include "plugin/core/log.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace zephyrin {

BaseSoundFile baseSoundFiles[baseSoundFileLimit];
int32_t baseSoundFileCount;

namespace {

constexpr int separatorCount = 4;
constexpr size_t shortestPlaceName = 2;
constexpr size_t longestPlaceName = baseSoundPlaceNameLength - 1;

struct NumberRange {
    long lowest;
    long highest;
};
constexpr NumberRange audibleRangeM{2100, 40000};
constexpr NumberRange fadeAltitudeM{256, 10000};
constexpr NumberRange windPercentRange{0, 100};

constexpr const char* wrongSeparatorCount =
    "Error with base's wave filename: There must be exactly 4 '_' separators. Read doc about "
    "filename formating.";
constexpr const char* badPlanetName = "Error with base's wave filename: planete name >50 or <2 "
                                      "char. Read doc about filename formating.";
constexpr const char* missingBaseSeparator =
    "Error with base's wave filename: missing '_' separator. Read doc about filename formating.";
constexpr const char* badBaseName = "Error with base's wave filename: base name >50 or <2 char. "
                                    "Read doc about filename formating.";
constexpr const char* missingAltitude =
    "Error with base's wave filename: altitude not found (missing '_' separator) Read doc about "
    "filename formating.";
constexpr const char* missingPercent =
    "Error with base's wave filename: percentage not found (missing '_' separator) Read doc "
    "about filename formating.";
constexpr const char* nameTooLong = "Error with base's wave filename: name too long, file "
                                    "skipped. Read doc about filename formating.";

bool reject(const char* message, const char* fileName) {
    logTextError(E_INVALIDARG, message, fileName);
    return false;
}

// A leading underscore separates nothing: it is not one of the four.
int countSeparators(const char* fileName) {
    int count = 0;
    for (const char* c = fileName + (fileName[0] == '_' ? 1 : 0); *c != '\0'; ++c) {
        count += *c == '_' ? 1 : 0;
    }
    return count;
}

// The decimal number at `text`, clamped; digits beyond any range still clamp to its top.
double clampedNumber(const char* text, NumberRange range) {
    long value = std::strtol(text, nullptr, 10);
    return static_cast<double>(std::clamp(value, range.lowest, range.highest));
}

bool placeNameFits(size_t length) {
    return length >= shortestPlaceName && length <= longestPlaceName;
}

void copyPart(char* out, const char* from, size_t length) {
    std::memcpy(out, from, length);
    out[length] = '\0';
}

} // namespace

bool parseBaseFileName(const char* fileName, BaseSoundFile& file) {
    if (std::strlen(fileName) + std::strlen(baseSoundPathFolder) >= baseSoundPathLength) {
        return reject(nameTooLong, fileName);
    }
    if (countSeparators(fileName) != separatorCount) {
        return reject(wrongSeparatorCount, fileName);
    }
    const char* planetEnd = std::strchr(fileName, '_');
    size_t planetLength = static_cast<size_t>(planetEnd - fileName);
    if (!placeNameFits(planetLength)) {
        return reject(badPlanetName, fileName);
    }
    const char* baseStart = planetEnd + 1;
    const char* baseEnd = std::strchr(baseStart, '_');
    if (baseEnd == nullptr) {
        return reject(missingBaseSeparator, fileName);
    }
    size_t baseLength = static_cast<size_t>(baseEnd - baseStart);
    if (!placeNameFits(baseLength)) {
        return reject(badBaseName, fileName);
    }
    const char* rangeStart = baseEnd + 1;
    const char* altitudeSeparator = std::strchr(rangeStart, '_');
    if (altitudeSeparator == nullptr) {
        return reject(missingAltitude, fileName);
    }
    const char* percentSeparator = std::strchr(altitudeSeparator + 1, '_');
    if (percentSeparator == nullptr) {
        return reject(missingPercent, fileName);
    }
    file = BaseSoundFile{};
    std::snprintf(file.fileName, sizeof file.fileName, "%s", fileName);
    copyPart(file.planet, fileName, planetLength);
    copyPart(file.base, baseStart, baseLength);
    file.audibleRange = clampedNumber(rangeStart, audibleRangeM);
    file.fadeAltitude = clampedNumber(altitudeSeparator + 1, fadeAltitudeM);
    file.windPercent = clampedNumber(percentSeparator + 1, windPercentRange);
    return true;
}

void listBaseSounds() {
    std::fill(std::begin(baseSoundFiles), std::end(baseSoundFiles), BaseSoundFile{});
    baseSoundFileCount = 0;
    std::vector<platform::FolderEntry> entries =
        platform::findFiles("sound\\_CustomBaseSounds\\*.wav");
    if (entries.empty()) {
        logLine("Error finding bases sound files: Invalid_Handle_value");
        return;
    }
    for (const platform::FolderEntry& entry : entries) {
        if (baseSoundFileCount >= baseSoundFileLimit) {
            break;
        }
        if (!entry.isFolder &&
            parseBaseFileName(entry.name.c_str(), baseSoundFiles[baseSoundFileCount])) {
            ++baseSoundFileCount;
        }
    }
    char line[64];
    std::snprintf(line, sizeof line, "  %i bases sound found", baseSoundFileCount);
    logLine(line);
}

} // namespace zephyrin
