#include "plugin/core/focus_vessel.h"

#include "plugin/addon/addon_sounds.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/behaviour/callouts.h"
#include "plugin/behaviour/frame_driver.h"
#include "plugin/behaviour/vessel_setup.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/stock_slots.h"
#include "plugin/environment/planet_and_base_sounds.h"
#include "plugin/radio/radio.h"
#include "plugin/radio/radio_display.h"

#include <cstdio>

namespace zephyrin {

namespace {

constexpr int radarDisplayBeeping = 2;

int recordOfFocusVessel() {
    for (int index = 0; index < LEGACY_SOUND_ID; ++index) {
        if (vesselTable[index].vesselHandle == plugin.focusObject) {
            return index;
        }
    }
    return LEGACY_SOUND_ID;
}

void queueAddonWaves(const VesselSoundRecord& record) {
    AddonWaveQueue& queue = run.addonWaveQueue;
    for (int wave = 0; wave < addonWaveCount; ++wave) {
        if (record.waveFileName[wave][0] != '\0') {
            queue.pending[wave] = 1;
            ++queue.pendingCount;
            std::snprintf(queue.fileName[wave], sizeof queue.fileName[wave], "%s",
                          record.waveFileName[wave]);
            queue.waveType[wave] = record.waveType[wave];
        } else {
            queue.pending[wave] = 0;
        }
    }
}

} // namespace

void loadFocusVesselSounds() {
    logLine("Focus changed attempting to load vessel wave");
    if (plugin.focusObject == nullptr) {
        logLine("ERROR focus changed loadvesselwave hVessel NULL");
    }

    run.addonWaveQueue.pendingCount = 0;
    run.currentVesselIndex = recordOfFocusVessel();
    stopAndEmptyVesselWaveSlots();

    if (run.currentVesselIndex == LEGACY_SOUND_ID) {
        startVesselRecord(LEGACY_SOUND_ID);
        vesselTable[LEGACY_SOUND_ID].vesselHandle = plugin.focusObject;
        liveOptions = savedOptions;
    } else {
        liveOptions = vesselTable[run.currentVesselIndex].settings;
    }
    // GetStartValue ran under the previous vessel's options.
    callouts.radarTargetKind = radarTargetKindFor(liveOptions);

    InitAnimationSounds(plugin.focusVessel);
    readVesselClassConfiguration();
    DumpAnimations();
    countDockingPorts();
    setUp3dModes();
    detectAuxThrusters();
    StopBaseSound();

    forceBaseAmbienceQuery();
    setRadarDisplayMode(liveOptions.PLAYRADARBIP > 0 ? radarDisplayBeeping : 0);
    queueAddonWaves(vesselTable[run.currentVesselIndex]);
    stopSlotsOfDisabledOptions(liveOptions);

    if (liveOptions.PLAYRADIOATC == 1) {
        scheduleNextChatter();
    }
    if (liveOptions.DISPLAYTIMER == 0) {
        if (char* debugLine = vrapiDebugString()) {
            debugLine[0] = '\0';
        }
    }
    logLine("Focus changed load vessel wave - OK");
}

} // namespace zephyrin
