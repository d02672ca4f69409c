#include "plugin/addon/vessel_wave_slots.h"

#include "plugin/audio/sound_device_lifecycle.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"

namespace zephyrin {

StockSoundSlot vesselWaveSlots[addonWaveCount];
int32_t exclusiveWaveIndex = noExclusiveWave;

void stopAndEmptyVesselWaveSlots() {
    for (StockSoundSlot& slot : vesselWaveSlots) {
        stopSlot(slot);
        resetSlot(slot);
    }
}

void loadQueuedAddonWaves() {
    AddonWaveQueue& queue = run.addonWaveQueue;
    if (queue.pendingCount <= 0 || plugin.device == nullptr) {
        return;
    }
    const VesselSoundRecord& record = vesselTable[run.currentVesselIndex];
    for (int wave = 0; wave < addonWaveCount; ++wave) {
        if (queue.pending[wave] == 0) {
            continue;
        }
        StockSoundSlot& slot = vesselWaveSlots[wave];
        // Emptied first, so that the file is read again even when the slot held it.
        resetSlot(slot);
        const char* file = queue.fileName[wave];
        switch (record.wave3dMode[wave]) {
        case WAVE_3D_STEREO:
            LoadWave3DStereo(slot, file, 0, &record.wavePosition[wave],
                             &record.wavePositionRight[wave], record.waveMinDistance[wave],
                             record.waveMaxDistance[wave]);
            break;
        case WAVE_3D_MONO:
            LoadWave3D(slot, file, 0, &record.wavePosition[wave], record.waveMinDistance[wave],
                       record.waveMaxDistance[wave]);
            break;
        default:
            LoadWave(slot, file, 0);
            break;
        }
        if (record.waveConeSet[wave] == 1) {
            const ConeParameters& cone = record.waveCone[wave];
            setSlotCone(slot, cone.insideAngle, cone.outsideAngle, coneOrientation(cone),
                        cone.outsideVolume);
        }
        --queue.pendingCount;
        queue.pending[wave] = 0;
    }
    commitListener(plugin.device);
}

} // namespace zephyrin
