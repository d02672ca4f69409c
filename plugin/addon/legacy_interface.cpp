// The older add-on functions without ids: they act on record 60, the focus vessel that no add-on
// connected, and tell the user once per run that such an add-on is flying.
#include "plugin/addon/addon_checks.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/addon/wave_play.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "sdk/ZephyrinAddon.h"

#include <cstdio>

namespace zephyrin {

namespace {

constexpr float legacyWarningSeconds = 160.0f;
constexpr const char* legacyWarning =
    "A vessel in this scenario use the old Zephyrin 2.5 SDK somes sound might not benefit of "
    "latest features as silence in space. Ask the author for upgrade.";

// The first wave queued through the old functions for the focus vessel raises the warning.
void warnAboutOldInterface() {
    if (liveOptions.NOOUTDATEDADDONWARNING != 0 || run.legacyWarningTimer != 0.0f) {
        return;
    }
    run.legacyWarningTimer = legacyWarningSeconds;
    std::snprintf(plugin.legacyWarningText, sizeof plugin.legacyWarningText, "%s", legacyWarning);
}

void queueLegacyWave(int index, const char* file) {
    AddonWaveQueue& queue = run.addonWaveQueue;
    if (queue.pending[index] == 0) {
        queue.pending[index] = 1;
        ++queue.pendingCount;
    }
    std::snprintf(queue.fileName[index], sizeof queue.fileName[index], "%s", file);
    queue.waveType[index] = VIEW_ANY;
}

} // namespace

} // namespace zephyrin

using namespace zephyrin;

int LoadVesselWaveZephx(int wave, const char* file) {
    if (!isWaveNumber(wave) || !acceptFileName(file, "LoadVesselWaveZephx")) {
        return 0;
    }
    logText("Old 2.5 SDK vessel try to load:", file);
    int index = wave - 1;
    VesselSoundRecord& record = vesselTable[LEGACY_SOUND_ID];
    std::snprintf(record.waveFileName[index], sizeof record.waveFileName[index], "%s", file);
    record.wave3dMode[index] = WAVE_2D;
    if (run.currentVesselIndex == LEGACY_SOUND_ID) {
        queueLegacyWave(index, file);
        warnAboutOldInterface();
    }
    return 1;
}

int PlayVesselWaveZephx(int wave, int loop, int volume, int frequency) {
    if (!focusWaveLoaded(LEGACY_SOUND_ID, wave)) {
        return 0;
    }
    PlayWave(vesselWaveSlots[wave - 1], loop == 1 ? 1 : 0, volume, frequency, 0, unusedRightVolume);
    return 1;
}

int PlayVesselExclusiveWaveZephx(int wave, int loop, int volume, int frequency) {
    return playExclusiveWave(LEGACY_SOUND_ID, wave, loop == 1, volume, frequency, false,
                             "PlayVesselWave ERROR ->");
}

int StopVesselWave(int wave) {
    return stopFocusWave(LEGACY_SOUND_ID, wave);
}

int IsPlayingVesselWave(int wave) {
    return isFocusWavePlaying(LEGACY_SOUND_ID, wave);
}
