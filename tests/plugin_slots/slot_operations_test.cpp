#include "plugin/audio/sound.h"
#include "plugin/audio/sound_device.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin_sound_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;

class SlotTest : public testsupport::PluginSoundTest {
protected:
    StockSoundSlot& slot = stockSlot(MainThrust);

    size_t playCalls() const { return fake::callTexts("Play").size(); }
};

TEST_F(SlotTest, LoadingTheFileTheSlotHoldsReadsTheDiskOnceAndCountsOneReuse) {
    writeWave("engine.wav");
    LoadWave(slot, "engine.wav", 1);
    playWaveSimple(slot, 1, 200);
    LoadWave(slot, "engine.wav", 1);

    EXPECT_EQ(buffersNamed("engine.wav"), 1);
    EXPECT_EQ(waveStatistics.loaded, 1);
    EXPECT_EQ(waveStatistics.reused, 1);
    EXPECT_STREQ(slot.fileName, "engine.wav");
    EXPECT_EQ(slot.lastVolume, stoppedVolume);
    EXPECT_EQ(slot.lastFrequency, stoppedFrequency);
    EXPECT_FALSE(bufferOf("engine.wav")->playing);
}

TEST_F(SlotTest, WhenNoStaticBufferIsLeftTheSoundLoadsInSoftwareAndIsReadAgainNextTime) {
    writeWave("engine.wav");
    plugin.device->caps.dwFreeHwMixingStaticBuffers = 4;
    fake::Failure noStaticBuffer;
    noStaticBuffer.method = "CreateSoundBuffer";
    noStaticBuffer.withFlags = DSBCAPS_STATIC;
    fake::addFailure(noStaticBuffer);
    LoadWave(slot, "engine.wav", 1);
    ASSERT_NE(slot.sound, nullptr);
    EXPECT_EQ(bufferOf("engine.wav")->flags & DSBCAPS_STATIC, 0u);
    EXPECT_EQ(slot.baseFrequency, 22050.0f);
    EXPECT_STREQ(slot.fileName, "");
    LoadWave(slot, "engine.wav", 1);
    EXPECT_EQ(waveStatistics.reused, 0);
}

TEST_F(SlotTest, AMissingFileLeavesTheSlotEmptyAndSaysWhich) {
    LoadWave(slot, "sound\\vessel\\none.wav", 0);
    EXPECT_EQ(slot.sound, nullptr);
    EXPECT_STREQ(slot.fileName, "");
    const std::string written = log();
    EXPECT_NE(written.find("LoadWave->unable to find wave: sound\\vessel\\none.wav"),
              std::string::npos);
    // One try, one line a failed step, one failure counted.
    EXPECT_EQ(written.find("FindResource"), written.rfind("FindResource"));
    EXPECT_EQ(waveStatistics.failed, 1);
    playWaveSimple(slot, 1, 255);
    EXPECT_EQ(SetWaveVolume(slot, 100), 0);
    EXPECT_EQ(isSlotPlaying(slot), 0);
}

struct RepeatCase {
    const char* name;
    int volume;
    int frequency;
    int rightVolume;
    bool reissued;
};

class PlayWaveFilter : public SlotTest, public testing::WithParamInterface<RepeatCase> {};

// The first play is at volume 200, 20000 Hz, right channel 150.
TEST_P(PlayWaveFilter, ALoopingRequestIsReissuedOnlyWhenItMovedPastTheTolerance) {
    writeWave("engine.wav", 2);
    LoadWave3DStereo(slot, "engine.wav", 0, nullptr, nullptr, 10, 100);
    PlayWave(slot, 1, 200, 20000, referenceFrequency22050Hz, 150);
    size_t before = playCalls();
    const RepeatCase& c = GetParam();
    PlayWave(slot, 1, c.volume, c.frequency, referenceFrequency22050Hz, c.rightVolume);
    EXPECT_EQ(playCalls() > before, c.reissued);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, PlayWaveFilter,
    testing::Values(RepeatCase{"Same", 200, 20000, 150, false},
                    RepeatCase{"VolumeUp3", 203, 20000, 150, false},
                    RepeatCase{"VolumeDown3", 197, 20000, 150, false},
                    RepeatCase{"VolumeUp4", 204, 20000, 150, true},
                    RepeatCase{"Frequency100", 200, 20100, 150, false},
                    RepeatCase{"Frequency101", 200, 20101, 150, true},
                    RepeatCase{"RightVolume3", 200, 20000, 153, false},
                    RepeatCase{"RightVolume4", 200, 20000, 146, true},
                    RepeatCase{"RightFollowsLeft", 202, 20000, unusedRightVolume, false}),
    [](const testing::TestParamInfo<RepeatCase>& tested) { return tested.param.name; });

TEST_F(SlotTest, AOneShotIsAlwaysIssued) {
    writeWave("click.wav");
    LoadWave(slot, "click.wav", 0);
    playWaveSimple(slot, 0, 200);
    size_t before = playCalls();
    playWaveSimple(slot, 0, 200);
    EXPECT_EQ(playCalls(), before + 1);
}

struct FrequencyCase {
    const char* name;
    int fileRate;
    int frequency;
    int reference;
    DWORD played;
    int32_t lastFrequency; // as the slot keeps it: 0 when the file's rate was kept
};

class PlayWaveFrequency : public SlotTest, public testing::WithParamInterface<FrequencyCase> {};

TEST_P(PlayWaveFrequency, TheFrequencyIsClampedThenScaledToTheFilesRate) {
    const FrequencyCase& c = GetParam();
    writeWave("tone.wav", 1, c.fileRate);
    LoadWave(slot, "tone.wav", 0);
    PlayWave(slot, 1, 255, c.frequency, c.reference, unusedRightVolume);
    EXPECT_EQ(bufferOf("tone.wav")->frequency, c.played);
    EXPECT_EQ(slot.lastFrequency, c.lastFrequency);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, PlayWaveFrequency,
    testing::Values(FrequencyCase{"AtReference", 22050, 15600, 22050, 15600, 15600},
                    FrequencyCase{"AboveTheTopAtAHalfRateFile", 11025, 50000, 22050, 22050, 22050},
                    FrequencyCase{"AboveTheTopAtTheSameRate", 22050, 50000, 22050, 44100, 44100},
                    FrequencyCase{"BelowTheBottom", 22050, 1000, 22050, 4000, 4000},
                    FrequencyCase{"Against11025", 44100, 11025, 11025, 44100, 44100},
                    FrequencyCase{"ZeroKeepsTheFilesRate", 11025, 0, 22050, 11025, 0},
                    FrequencyCase{"ExactAtTheFilesOwnRate", 22050, 13920, 22050, 13920, 13920},
                    FrequencyCase{"ExactAtTheFilesOwnRate11025", 11025, 11120, 11025, 11120, 11120},
                    FrequencyCase{"TruncatedWhenTheRatesDiffer", 44100, 13921, 22050, 27842, 27842},
                    FrequencyCase{"TruncatedAtAThirdRate", 16000, 11111, 22050, 8062, 8062}),
    [](const testing::TestParamInfo<FrequencyCase>& tested) { return tested.param.name; });

TEST_F(SlotTest, VolumesAreClampedToTheSlotRange) {
    writeWave("engine.wav");
    LoadWave(slot, "engine.wav", 0);
    PlayWave(slot, 1, 300, 0, 0, unusedRightVolume);
    EXPECT_EQ(bufferOf("engine.wav")->volume, 0);
    PlayWave(slot, 1, -40, 0, 0, unusedRightVolume);
    EXPECT_EQ(bufferOf("engine.wav")->volume, volumeToAttenuation(0));
    EXPECT_EQ(slot.lastVolume, 0);
}

TEST_F(SlotTest, MutingKeepsTheLastVolumeForTheRestore) {
    writeWave("engine.wav");
    LoadWave(slot, "engine.wav", 0);
    playWaveSimple(slot, 1, 200);
    muteSlot(slot);
    EXPECT_EQ(bufferOf("engine.wav")->volume, volumeToAttenuation(0));
    EXPECT_EQ(slot.lastVolume, 200);
    restoreSlotVolume(slot);
    EXPECT_EQ(bufferOf("engine.wav")->volume, volumeToAttenuation(200));
}

TEST_F(SlotTest, SetWaveVolumeUpdatesTheLastVolumeOnlyOfAPlayingSlot) {
    writeWave("engine.wav");
    LoadWave(slot, "engine.wav", 0);
    EXPECT_EQ(SetWaveVolume(slot, 100), 1);
    EXPECT_EQ(slot.lastVolume, stoppedVolume);
    playWaveSimple(slot, 1, 200);
    SetWaveVolume(slot, 120);
    EXPECT_EQ(slot.lastVolume, 120);
}

TEST_F(SlotTest, StopKeepsTheSoundAndResetDestroysIt) {
    writeWave("engine.wav");
    LoadWave(slot, "engine.wav", 0);
    playWaveSimple(slot, 1, 200);
    stopSlot(slot);
    EXPECT_NE(slot.sound, nullptr);
    EXPECT_EQ(isSlotPlaying(slot), 0);
    EXPECT_EQ(slot.lastVolume, stoppedVolume);
    resetSlot(slot);
    EXPECT_EQ(slot.sound, nullptr);
    EXPECT_STREQ(slot.fileName, "");
    EXPECT_EQ(slot.lastRightVolume, unusedRightVolume);
    EXPECT_EQ(bufferOf("engine.wav")->references, 0u);
}

TEST_F(SlotTest, AStereoFileBecomesAPairPlacedChannelByChannel) {
    writeWave("pair.wav", 2);
    VECTOR3 left{-2, 0, -5};
    VECTOR3 right{2, 0, -5};
    LoadWave3DStereo(slot, "pair.wav", 1, &left, &right, 15, 1000);
    EXPECT_EQ(slot.is3D, 1);
    EXPECT_EQ(slot.isStereoPair, 1);
    EXPECT_EQ(slot.rightPosition.x, 2);
    int last = fake::bufferCount();
    EXPECT_FLOAT_EQ(fake::buffer(last - 1).parameters3D.vPosition.x, -2.0f);
    EXPECT_FLOAT_EQ(fake::buffer(last).parameters3D.vPosition.x, 2.0f);
    EXPECT_FLOAT_EQ(fake::buffer(last).parameters3D.flMinDistance, 15.0f);
}

TEST_F(SlotTest, AMonoFileAskedForAsAPairSitsAtTheMidpoint) {
    writeWave("mono.wav");
    VECTOR3 left{-2, 0, -5};
    VECTOR3 right{4, 2, -5};
    LoadWave3DStereo(slot, "mono.wav", 0, &left, &right, 15, 1000);
    EXPECT_EQ(slot.isStereoPair, 0);
    EXPECT_EQ(slot.leftPosition.x, 1);
    EXPECT_EQ(slot.rightPosition.y, 1);
    EXPECT_FLOAT_EQ(bufferOf("mono.wav")->parameters3D.vPosition.x, 1.0f);
}

TEST_F(SlotTest, ReloadingA3DSoundPlacesItAgainWithAFullCone) {
    writeWave("radio.wav");
    VECTOR3 first{1, 1, 1};
    VECTOR3 second{3, 0, 2};
    LoadWave3D(slot, "radio.wav", 0, &first, 2, 20);
    LoadWave3D(slot, "radio.wav", 0, &second, 5, 50);
    const fake::BufferState* buffer = bufferOf("radio.wav");
    EXPECT_EQ(buffersNamed("radio.wav"), 1);
    EXPECT_FLOAT_EQ(buffer->parameters3D.vPosition.x, 3.0f);
    EXPECT_FLOAT_EQ(buffer->parameters3D.flMaxDistance, 50.0f);
    EXPECT_EQ(buffer->parameters3D.dwInsideConeAngle, 360u);
    EXPECT_EQ(buffer->parameters3D.lConeOutsideVolume, 0);
    EXPECT_EQ(slot.minDistance, 5);
}

TEST_F(SlotTest, ConesNeedTheOptionAndA3DSlot) {
    writeWave("engine.wav");
    LoadWave3D(slot, "engine.wav", 0, nullptr, 2, 20);
    liveOptions.ALLOW3DPROJECTIONCONE = 0;
    setSlotCone(slot, 120, 360, {0, 0, 1}, 100);
    EXPECT_TRUE(fake::callTexts("SetConeAngles").empty());
    liveOptions.ALLOW3DPROJECTIONCONE = 1;
    setSlotCone(slot, 120, 360, {0, 0, 1}, 100);
    EXPECT_EQ(bufferOf("engine.wav")->parameters3D.dwInsideConeAngle, 120u);
}

class SlotWithout3DTest : public testsupport::PluginSoundTest {
protected:
    SlotWithout3DTest() : PluginSoundTest(false) {}
};

TEST_F(SlotWithout3DTest, Every3DLoadLoadsA2DSoundAndIgnoresPositions) {
    writeWave("pair.wav", 2);
    StockSoundSlot& slot = stockSlot(AirCond);
    VECTOR3 left{-3, 0, 0};
    LoadWave3DStereo(slot, "pair.wav", 0, &left, &left, 2, 20);
    ASSERT_NE(slot.sound, nullptr);
    EXPECT_EQ(slot.is3D, 0);
    EXPECT_EQ(bufferOf("pair.wav")->flags & DSBCAPS_CTRL3D, 0u);
    setSlotPosition(slot, {9, 9, 9}, {9, 9, 9});
    EXPECT_EQ(slot.leftPosition.x, 0);
    EXPECT_TRUE(fake::callTexts("SetPosition").empty());
}

} // namespace
