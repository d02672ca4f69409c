#include "plugin/addon/vessel_table.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/core/plugin_state.h"
#include "plugin_sound_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;

class AddonWavesTest : public testsupport::PluginSoundTest {
protected:
    AddonWavesTest() : record(vesselTable[LEGACY_SOUND_ID]) {
        focusOn({});
        writeWave("Sound/Addon/door.wav", 2);
        writeWave("Sound/Addon/beep.wav");
    }

    void queue(int wave, const char* file, WaveMode mode) {
        AddonWaveQueue& q = run.addonWaveQueue;
        q.pending[wave] = 1;
        std::snprintf(q.fileName[wave], sizeof q.fileName[wave], "%s", file);
        ++q.pendingCount;
        record.wave3dMode[wave] = mode;
        record.waveMinDistance[wave] = 3;
        record.waveMaxDistance[wave] = 30;
    }

    VesselSoundRecord& record;
};

TEST_F(AddonWavesTest, QueuedWavesLoadAsTheirRecordAsks) {
    queue(0, "Sound\\Addon\\door.wav", WAVE_3D_STEREO);
    record.wavePosition[0] = {-4, 0, 2};
    record.wavePositionRight[0] = {4, 0, 2};
    queue(7, "Sound\\Addon\\beep.wav", WAVE_2D);
    loadQueuedAddonWaves();
    EXPECT_EQ(vesselWaveSlots[0].isStereoPair, 1);
    EXPECT_EQ(vesselWaveSlots[0].rightPosition.x, 4);
    EXPECT_EQ(vesselWaveSlots[0].maxDistance, 30);
    EXPECT_NE(vesselWaveSlots[7].sound, nullptr);
    EXPECT_EQ(vesselWaveSlots[7].is3D, 0);
    EXPECT_EQ(run.addonWaveQueue.pendingCount, 0);
    EXPECT_EQ(run.addonWaveQueue.pending[0], 0);
    EXPECT_GT(fake::device().commits, 0);
}

TEST_F(AddonWavesTest, AQueuedWaveIsReadAgainEvenWhenItsSlotHeldIt) {
    queue(2, "Sound\\Addon\\beep.wav", WAVE_3D_MONO);
    loadQueuedAddonWaves();
    queue(2, "Sound\\Addon\\beep.wav", WAVE_3D_MONO);
    loadQueuedAddonWaves();
    EXPECT_EQ(buffersNamed("Sound\\Addon\\beep.wav"), 2);
    EXPECT_EQ(fake::buffer(bufferOf("Sound\\Addon\\beep.wav")->id - 1).references, 0u);
}

TEST_F(AddonWavesTest, AConeGivenByTheAddonIsApplied) {
    queue(1, "Sound\\Addon\\beep.wav", WAVE_3D_MONO);
    record.waveConeSet[1] = 1;
    record.waveCone[1] = ConeParameters{90, 270, {0, 0, 1}, 128};
    loadQueuedAddonWaves();
    const fake::BufferState* buffer = bufferOf("Sound\\Addon\\beep.wav");
    EXPECT_EQ(buffer->parameters3D.dwInsideConeAngle, 90u);
    EXPECT_EQ(buffer->parameters3D.dwOutsideConeAngle, 270u);
}

TEST_F(AddonWavesTest, NothingLoadsWithoutADevice) {
    queue(0, "Sound\\Addon\\beep.wav", WAVE_2D);
    SoundDevice* device = plugin.device;
    plugin.device = nullptr;
    loadQueuedAddonWaves();
    plugin.device = device;
    EXPECT_EQ(vesselWaveSlots[0].sound, nullptr);
    EXPECT_EQ(run.addonWaveQueue.pendingCount, 1);
}

} // namespace
