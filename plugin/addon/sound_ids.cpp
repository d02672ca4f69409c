// Connecting a vessel: the sound ids 0..59, handed out in the order of the first requests.
#include "plugin/addon/addon_sounds.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/core/log.h"
#include "sdk/ZephyrinAddon.h"

namespace zephyrin {

namespace {

constexpr int lastSoundId = LEGACY_SOUND_ID - 1;

// The highest id issued, -1 when none. It stops one past the last id, so that refused requests
// cannot wrap it round to a valid id.
int nextSoundId = ZEPHYRIN_NO_SOUND_ID;

// Logs why no id can be returned, if so.
bool idsRanOut() {
    if (nextSoundId > lastSoundId) {
        logLine("Only 60 vessel allowed");
        return true;
    }
    if (nextSoundId < 0) {
        logLine("Misc error GetVesselSoundID3<0");
        return true;
    }
    return false;
}

} // namespace

void forgetIssuedSoundIds() {
    nextSoundId = ZEPHYRIN_NO_SOUND_ID;
    exclusiveWaveIndex = noExclusiveWave;
}

} // namespace zephyrin

using namespace zephyrin;

int GetVesselSoundID3(OBJHANDLE vessel) {
    if (vessel == nullptr) {
        logLine("ConnecttoZephyrin failed ->not valid vessel handle");
        return ZEPHYRIN_NO_SOUND_ID;
    }
    char name[250];
    vrapiGetObjectName(vessel, name, sizeof name);
    for (int id = 0; id < LEGACY_SOUND_ID; ++id) {
        if (vesselTable[id].vesselHandle == vessel) {
            // Once the ids ran out, the vessels that hold one are refused as well.
            if (idsRanOut()) {
                return ZEPHYRIN_NO_SOUND_ID;
            }
            logFormat("Vessel %s requested but had already an Id returned= %i OK", name, id);
            return id;
        }
    }
    if (nextSoundId <= lastSoundId) {
        ++nextSoundId;
    }
    if (nextSoundId > lastSoundId) {
        logLine("Only 60 vessel allowed");
        return ZEPHYRIN_NO_SOUND_ID;
    }
    logFormat("Vessel %s requested an ID, returned= %i OK", name, nextSoundId);
    vesselTable[nextSoundId].vesselHandle = vessel;
    return nextSoundId;
}
