#include "plugin/environment/wind_sound_list.h"

#include "platform/file_system.h"
#include "platform/result_codes.h"
#include "plugin/core/log.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

namespace zephyrin {

WindPlanet windPlanetTable[windPlanetLimit];
int32_t windPlanetCount;

namespace {

constexpr const char* missingSeparator =
    "Error with wind's wave filename: missing '_' separator. Read doc about filename formating.";
constexpr const char* missingPlanet = "Error with wind's wave filename: no planet name before the "
                                      "'_' separator. Read doc about filename formating.";
constexpr const char* nameTooLong =
    "Error with wind's wave filename: name too long, file skipped. Read doc about filename "
    "formating.";

int storedWindFiles() {
    int stored = 0;
    for (int i = 0; i < windPlanetCount; ++i) {
        stored += windPlanetTable[i].fileCount;
    }
    return stored;
}

WindPlanet* planetStartingWith(const char* planet, size_t length) {
    for (int i = 0; i < windPlanetCount; ++i) {
        if (::strncasecmp(windPlanetTable[i].planetName, planet, length) == 0) {
            return &windPlanetTable[i];
        }
    }
    return nullptr;
}

} // namespace

bool addWindFile(const char* fileName) {
    const char* separator = std::strchr(fileName, '_');
    if (separator == nullptr) {
        logTextError(E_INVALIDARG, missingSeparator, fileName);
        return false;
    }
    size_t planetLength = static_cast<size_t>(separator - fileName);
    if (planetLength == 0) {
        logTextError(E_INVALIDARG, missingPlanet, fileName);
        return false;
    }
    if (planetLength >= windPlanetNameLength || std::strlen(fileName) >= windFileNameLength) {
        logTextError(E_INVALIDARG, nameTooLong, fileName);
        return false;
    }
    std::string planet(fileName, planetLength);
    if (WindPlanet* entry = planetStartingWith(planet.c_str(), planetLength)) {
        if (entry->fileCount < windFilesPerPlanet) {
            std::snprintf(entry->windFileNames[entry->fileCount], windFileNameLength, "%s",
                          fileName);
            ++entry->fileCount;
        }
        return true;
    }
    if (windPlanetCount >= windPlanetLimit) {
        return false;
    }
    WindPlanet& created = windPlanetTable[windPlanetCount];
    created = WindPlanet{};
    std::snprintf(created.planetName, windPlanetNameLength, "%s", planet.c_str());
    std::snprintf(created.windFileNames[0], windFileNameLength, "%s", fileName);
    created.fileCount = 1;
    ++windPlanetCount;
    return true;
}

void listPlanetWindSounds() {
    std::fill(std::begin(windPlanetTable), std::end(windPlanetTable), WindPlanet{});
    windPlanetCount = 0;
    std::string pattern = std::string(windSoundFolder) + "*.wav";
    std::vector<platform::FolderEntry> entries = platform::findFiles(pattern.c_str());
    if (entries.empty()) {
        logLine("Error finding planet wind sound files: Invalid_Handle_value");
        return;
    }
    for (const platform::FolderEntry& entry : entries) {
        if (windPlanetCount >= windPlanetLimit) {
            break;
        }
        if (!entry.isFolder) {
            addWindFile(entry.name.c_str());
        }
    }
    char line[64];
    std::snprintf(line, sizeof line, "  %i planet wind sound found", storedWindFiles());
    logLine(line);
}

const WindPlanet* findWindPlanet(const char* planet) {
    return planetStartingWith(planet, std::strlen(planet));
}

} // namespace zephyrin
