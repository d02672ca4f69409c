// Planet wind and base ambience, chosen from the file names of their sound folders.
#pragma once

#include "plugin/environment/base_sound_list.h"
#include "plugin/environment/wind_sound_list.h"
#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

constexpr int planetBaseLimit = 201;
// Bases of one planet that are looked at for sounds.
constexpr int planetBasesScanned = 200;
constexpr int planetNameLength = 251; // 250 characters
constexpr int baseNameLength = 150;   // 149 characters
constexpr int ambiencePathLength = 260;

// A planet the wind list lacks gets the generic wind of its size.
constexpr double bigPlanetRadiusM = 36051840;

struct PlanetBaseSound {
    OBJHANDLE baseHandle;
    char basePath[baseSoundPathLength];
    double audibleRange;
    double fadeAltitude;
    double windPercent;
};

// The base sounds of the planet the camera is near, rebuilt at each change of planet.
struct PlanetBaseTable {
    char currentPlanetName[planetNameLength];
    double planetRadius;
    PlanetBaseSound entries[planetBaseLimit];
    int32_t planetBaseCount;
};

struct AmbienceSelection {
    OBJHANDLE currentWindPlanet; // the planet whose lists are in force; null: none
    char lastWindFile[ambiencePathLength];
    char lastBaseFile[ambiencePathLength];
    int32_t currentBase; // index into the planet's table, -1: none
    int32_t baseScanIndex;
    double lastBaseVolume; // the base volume of the last check
};

extern PlanetBaseTable planetBaseTable;
extern AmbienceSelection ambienceSelection;

// The window open forgets the planet and its bases.
void resetWindAndBaseState();
// Stops the base ambience and forgets the chosen base.
void StopBaseSound();

// The wind volume 0..255 for the camera's place, choosing and playing the base ambience on the
// way. `fullScan` checks every base of the planet at once instead of the next one.
double UpdateWindAndBase(bool fullScan);

} // namespace zephyrin
