// The planet winds: every "sound\_CustomWindSounds\PLANET_ANYTHING.wav", filed under its planet.
#pragma once

#include <cstdint>

namespace zephyrin {

constexpr int windPlanetLimit = 100;
constexpr int windFilesPerPlanet = 50;
constexpr int windPlanetNameLength = 152; // 151 characters
constexpr int windFileNameLength = 100;   // 99 characters

struct WindPlanet {
    char planetName[windPlanetNameLength];
    int32_t fileCount;
    char windFileNames[windFilesPerPlanet][windFileNameLength];
};

extern WindPlanet windPlanetTable[windPlanetLimit];
extern int32_t windPlanetCount;

constexpr const char* windSoundFolder = "sound\\_CustomWindSounds\\";

// Files `fileName` (a name without folder) under its planet; false, with a log line, for a name
// the wind list cannot take.
bool addWindFile(const char* fileName);

// Builds the list from the folder and logs how many files it holds.
void listPlanetWindSounds();

// The first planet whose name begins with `planet`, ignoring case; null when none does.
const WindPlanet* findWindPlanet(const char* planet);

} // namespace zephyrin
