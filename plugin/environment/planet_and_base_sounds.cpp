#include "plugin/environment/planet_and_base_sounds.h"

#include "platform/audio/dsound.h"
#include "plugin/behaviour/frame_driver.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/random.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/environment/base_sound_list.h"
#include "plugin/environment/wind_and_base_volume.h"
#include "plugin/environment/wind_sound_list.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace zephyrin {

PlanetBaseTable planetBaseTable;
AmbienceSelection ambienceSelection;

namespace {

// The wind wide around the listener, the base nearer; both move with the listener's head.
constexpr VECTOR3 windLeft{-12, 0, 3};
constexpr VECTOR3 windRight{12, 0, -3};
constexpr double windMinDistanceM = 20;
constexpr VECTOR3 baseLeft{12, 0, 3};
constexpr VECTOR3 baseRight{-12, 0, 3};
constexpr double baseMinDistanceM = 12;
constexpr double ambienceMaxDistanceM = 50000;

double distanceBetween(const VECTOR3& a, const VECTOR3& b) {
    double x = a.x - b.x;
    double y = a.y - b.y;
    double z = a.z - b.z;
    return std::sqrt(x * x + y * y + z * z);
}

VECTOR3 globalPositionOf(OBJHANDLE object) {
    VECTOR3 position{0, 0, 0};
    vrapiGetGlobalPos(object, &position);
    return position;
}

VECTOR3 cameraPosition() {
    VECTOR3 position{0, 0, 0};
    vrapiCameraGlobalPos(&position);
    return position;
}

void loadHeadRelativePair(StockSlot slot, const char* path, const VECTOR3& left,
                          const VECTOR3& right, double minDistance) {
    StockSoundSlot& target = stockSlot(slot);
    LoadWave3DStereo(target, path, 0, &left, &right, minDistance, ambienceMaxDistanceM);
    setSlotMode(target, DS3DMODE_HEADRELATIVE);
}

void collectBaseSounds(OBJHANDLE planet) {
    int bases = static_cast<int>(std::min<DWORD>(vrapiGetBaseCount(planet), planetBasesScanned));
    for (int index = 0; index < bases; ++index) {
        OBJHANDLE base = vrapiGetBaseByIndex(planet, index);
        char baseName[baseNameLength] = {};
        if (base != nullptr) {
            vrapiGetObjectName(base, baseName, sizeof baseName);
        }
        if (baseName[0] == '\0') {
            continue;
        }
        for (int file = 0; file < baseSoundFileCount; ++file) {
            const BaseSoundFile& sound = baseSoundFiles[file];
            if (::strcasecmp(sound.planet, planetBaseTable.currentPlanetName) != 0 ||
                ::strcasecmp(sound.base, baseName) != 0) {
                continue;
            }
            // The table keeps the first sounds found when a planet has more.
            if (planetBaseTable.planetBaseCount >= planetBaseLimit) {
                return;
            }
            PlanetBaseSound& entry = planetBaseTable.entries[planetBaseTable.planetBaseCount++];
            entry.baseHandle = base;
            std::snprintf(entry.basePath, sizeof entry.basePath, "%s%s", baseSoundPathFolder,
                          sound.fileName);
            entry.audibleRange = sound.audibleRange;
            entry.fadeAltitude = sound.fadeAltitude;
            entry.windPercent = sound.windPercent;
        }
    }
}

const WindPlanet* windFor(const char* planetName, double planetSize) {
    if (const WindPlanet* found = findWindPlanet(planetName)) {
        return found;
    }
    if (::strncasecmp(planetName, "generic", std::strlen("generic")) == 0) {
        return nullptr;
    }
    return findWindPlanet(planetSize >= bigPlanetRadiusM ? "GenericBig" : "GenericNormal");
}

void chooseWind(const WindPlanet& wind) {
    int pick = drawRandom() % wind.fileCount;
    char path[ambiencePathLength];
    std::snprintf(path, sizeof path, "%s%s", windSoundFolder, wind.windFileNames[pick]);
    if (std::strcmp(path, ambienceSelection.lastWindFile) != 0) {
        resetSlot(stockSlot(PlanetWind));
        loadHeadRelativePair(PlanetWind, path, windLeft, windRight, windMinDistanceM);
        std::snprintf(ambienceSelection.lastWindFile, ambiencePathLength, "%s", path);
    }
}

// A new planet: its bases' sounds and its wind. The wind starts on the next tick.
void enterPlanet(OBJHANDLE planet) {
    forceBaseAmbienceQuery();
    ambienceSelection.currentWindPlanet = planet;
    char planetName[planetNameLength] = {};
    vrapiGetObjectName(planet, planetName, sizeof planetName);
    if (planetName[0] == '\0') {
        return;
    }
    planetBaseTable = PlanetBaseTable{};
    std::snprintf(planetBaseTable.currentPlanetName, planetNameLength, "%s", planetName);
    planetBaseTable.planetRadius = vrapiGetSize(planet);
    // The last planet's base is not heard from this one.
    StopBaseSound();
    ambienceSelection.baseScanIndex = 0;
    collectBaseSounds(planet);

    const WindPlanet* wind = windFor(planetName, planetBaseTable.planetRadius);
    if (wind == nullptr || wind->fileCount <= 0) {
        resetSlot(stockSlot(PlanetWind));
        ambienceSelection.lastWindFile[0] = '\0';
        logLine("Error: No winds found for this planet and failed to load generic");
        return;
    }
    chooseWind(*wind);
}

double windWithTraffic(double windFromAir, double W) {
    double v = windFromAir;
    if (frame.cameraMode != CAMERA_MODE_GROUND_OBSERVER && plugin.focusObject != nullptr) {
        double vesselDistance =
            distanceBetween(globalPositionOf(plugin.focusObject), cameraPosition());
        v -= movingVesselReduction(vesselDistance, frame.airspeed);
    }
    return std::clamp(v, 0.0, W);
}

void checkBase(int index, double centreDistance, double W) {
    const PlanetBaseSound& entry = planetBaseTable.entries[index];
    double baseDistance = distanceBetween(globalPositionOf(entry.baseHandle), cameraPosition());
    double volume = baseNearness(entry.audibleRange, baseDistance);
    bool current = index == ambienceSelection.currentBase;
    if (volume <= 0) {
        if (current) {
            StopBaseSound();
        }
    } else if (current) {
        double height = std::max(centreDistance - planetBaseTable.planetRadius, 0.0);
        volume = fadedBaseVolume(volume, height, entry.fadeAltitude, W);
        playWaveSimple(stockSlot(BaseAmbient), 1, static_cast<int>(volume));
    } else if (ambienceSelection.currentBase < 0) {
        // Chosen now, heard from the next check on.
        ambienceSelection.currentBase = index;
        if (std::strcmp(entry.basePath, ambienceSelection.lastBaseFile) != 0 ||
            stockSlot(BaseAmbient).sound == nullptr) {
            loadHeadRelativePair(BaseAmbient, entry.basePath, baseLeft, baseRight,
                                 baseMinDistanceM);
        }
        std::snprintf(ambienceSelection.lastBaseFile, ambiencePathLength, "%s", entry.basePath);
    }
    ambienceSelection.lastBaseVolume = volume;
}

void checkBases(bool fullScan, double centreDistance, double W) {
    int count = planetBaseTable.planetBaseCount;
    if (count <= 0) {
        return;
    }
    if (fullScan || ambienceSelection.baseScanIndex >= count ||
        ambienceSelection.baseScanIndex < 0) {
        ambienceSelection.baseScanIndex = 0;
    }
    int checks = fullScan ? count + 1 : 1;
    for (int check = 0; check < checks; ++check) {
        checkBase(ambienceSelection.baseScanIndex, centreDistance, W);
        if (ambienceSelection.currentBase >= 0) {
            return;
        }
        ambienceSelection.baseScanIndex = (ambienceSelection.baseScanIndex + 1) % count;
    }
}

} // namespace

void resetWindAndBaseState() {
    ambienceSelection = AmbienceSelection{};
    ambienceSelection.currentBase = -1;
    planetBaseTable = PlanetBaseTable{};
}

void StopBaseSound() {
    stopSlot(stockSlot(BaseAmbient));
    ambienceSelection.currentBase = -1;
}

double UpdateWindAndBase(bool fullScan) {
    if (frame.cameraInternal == 1 && liveOptions.PLAYWINDCOCKPITOPEN != 1) {
        return 0;
    }
    OBJHANDLE planet = vrapiCameraProxyGbody();
    if (planet == nullptr || windPlanetCount == 0) {
        ambienceSelection.currentWindPlanet = nullptr;
        return 0;
    }
    if (planet != ambienceSelection.currentWindPlanet) {
        enterPlanet(planet);
        return 0;
    }
    double W = liveOptions.VOLWINDBASEAMBIENCE;
    double centreDistance = distanceBetween(globalPositionOf(planet), cameraPosition());
    ATMPARAM air{};
    vrapiGetPlanetAtmParams(planet, centreDistance, &air);
    if (air.p < leastWindPressurePa) {
        return 0;
    }
    double v = windWithTraffic(windVolumeFromAir(W, air.p), W);
    if (v < 1 && !fullScan) {
        return v;
    }
    checkBases(fullScan, centreDistance, W);
    if (ambienceSelection.currentBase >= 0) {
        const PlanetBaseSound& base = planetBaseTable.entries[ambienceSelection.currentBase];
        v -= windReductionByBase(ambienceSelection.lastBaseVolume, base.windPercent);
        v = std::clamp(v, 0.0, static_cast<double>(slotVolumeMax));
    }
    return v;
}

} // namespace zephyrin
