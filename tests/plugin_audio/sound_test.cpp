#include "log_reader.h"
#include "platform/audio/dsound_fake.h"
#include "plugin/audio/sound.h"
#include "plugin/audio/sound_device.h"
#include "plugin/core/advanced_configuration.h"
#include "plugin/core/log.h"
#include "scratch_folder.h"
#include "wave_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;
using namespace testsupport;

constexpr DWORD flags2D = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY;
constexpr DWORD flags3D = flags2D | DSBCAPS_CTRL3D;

std::string stereoWave(const std::vector<int16_t>& interleaved, uint16_t bits = 16,
                       uint16_t channels = 2) {
    WaveLayout layout;
    layout.channels = channels;
    layout.bitsPerSample = bits;
    return waveFile(layout, pcm16(interleaved));
}

std::string bytesOf(const fake::BufferState& buffer) {
    return std::string(buffer.samples.begin(), buffer.samples.end());
}

class SoundTest : public testing::Test {
protected:
    SoundTest() {
        fake::reset();
        advancedConfiguration =
            AdvancedConfiguration{22050, 16, 0.25, 1.0, 1.0, 1.0 / 60, 10, false, false};
        device.createDevice(reinterpret_cast<HWND>(1), DSSCL_PRIORITY, 2, 22050, 16, true);
        WaveReader::channelSelector = 1;
        log();
    }
    ~SoundTest() override { sound.reset(); }

    HRESULT load(const std::string& name, DWORD flags) {
        CSound* created = nullptr;
        HRESULT result = createSound(&device, &created, name.c_str(), flags, GUID_NULL, 1);
        sound.reset(created);
        return result;
    }
    std::string log() { return logReader.fresh(); }
    // The buffer created by the last load (primary buffers come first).
    const fake::BufferState& lastBuffer(int fromEnd = 0) {
        return fake::buffer(fake::bufferCount() - fromEnd);
    }

    ScratchFolder folder;
    LogReader logReader{folder};
    SoundDevice device;
    std::unique_ptr<CSound> sound;
};

TEST_F(SoundTest, AStereoPairSplitsTheChannelsIntoTwoMonoBuffers) {
    folder.write("pair.wav", stereoWave({1, -1, 2, -2, 3, -3, 4, -4}));
    ASSERT_EQ(load("pair.wav", flags3D | soundSplitStereo), S_OK);
    EXPECT_EQ(sound->isStereoPair, 1);
    const fake::BufferState& left = lastBuffer(1);
    const fake::BufferState& right = lastBuffer(0);
    EXPECT_EQ(left.bufferBytes, 8u);
    EXPECT_EQ(right.bufferBytes, 8u);
    EXPECT_EQ(left.format.nChannels, 1);
    EXPECT_EQ(bytesOf(left), pcm16({1, 2, 3, 4}));
    EXPECT_EQ(bytesOf(right), pcm16({-1, -2, -3, -4}));
    EXPECT_EQ(left.name, "pair.wav");
    EXPECT_EQ(left.flags & soundSplitStereo, 0u);
    EXPECT_NE(left.flags & DSBCAPS_GETCURRENTPOSITION2, 0u);
    EXPECT_EQ(left.parameters3D.flMinDistance, 50.0f);
    EXPECT_EQ(left.parameters3D.flMaxDistance, 15000.0f);
    logClose();
    flushMonoStereoLines();
    EXPECT_EQ(log(), "     Stereo split in two channels for 3D:\t'pair.wav'\n");
}

TEST_F(SoundTest, AStereoFileAskedFor3DWithoutSplitIsFolded) {
    folder.write("fold.wav", stereoWave({5, -5, 6, -6}));
    ASSERT_EQ(load("fold.wav", flags3D), S_OK);
    EXPECT_EQ(sound->isStereoPair, 0);
    EXPECT_TRUE(sound->is3D());
    EXPECT_EQ(bytesOf(lastBuffer()), pcm16({5, 6}));
    flushMonoStereoLines();
    EXPECT_EQ(log(), "     Stereo file converted to mono for 3D:\t'fold.wav'\n");
}

TEST_F(SoundTest, ABackgroundOptionAsksForGlobalFocus) {
    advancedConfiguration.playWhenVoranthInBackground = true;
    folder.write("tone.wav", waveFile({}, pcm16({1, 1})));
    ASSERT_EQ(load("tone.wav", flags2D), S_OK);
    EXPECT_NE(lastBuffer().flags & DSBCAPS_GLOBALFOCUS, 0u);
    EXPECT_FALSE(sound->is3D());
}

struct RefusedFile {
    const char* what;
    std::string bytes;
    const char* message;
};

void PrintTo(const RefusedFile& c, std::ostream* out) {
    *out << c.what;
}

class RefusedIn3D : public SoundTest, public testing::WithParamInterface<RefusedFile> {};

TEST_P(RefusedIn3D, IsRefusedWithItsMessageAndPlaysIn2D) {
    folder.write("odd.wav", GetParam().bytes);
    EXPECT_LT(load("odd.wav", flags3D), 0);
    EXPECT_EQ(sound, nullptr);
    EXPECT_EQ(log(), std::string(GetParam().message) + " odd.wav\n");
    EXPECT_EQ(waveStatistics.failed, 1);
    ASSERT_EQ(load("odd.wav", flags2D), S_OK);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->play(0, false, 255, 0, sameVolume), S_OK);
    EXPECT_TRUE(lastBuffer().playing);
    EXPECT_EQ(log(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedIn3D,
    testing::Values(RefusedFile{"four channels", stereoWave({1, 2, 3, 4}, 16, 4),
                                "FAILED, unable to play more than 2 channel wav"},
                    RefusedFile{"24-bit stereo", stereoWave({1, 2, 3}, 24, 2),
                                "FAILED, unable to load non 8 or 16 bits stereo wav"}));

TEST_F(SoundTest, TheSizeLimitAdmitsOneByteLess) {
    folder.write("limit.wav", waveFile({}, std::string(soundSizeLimitBytes - 1, '\0')));
    EXPECT_EQ(load("limit.wav", flags2D), S_OK);
    folder.write("over.wav", waveFile({}, std::string(soundSizeLimitBytes, '\0')));
    EXPECT_LT(load("over.wav", flags2D), 0);
    EXPECT_EQ(log(), "FAILED, unable to load >8 megabyte sound (are you crazy ?) over.wav\n");
}

TEST(VolumeMapping, HalvesTheDecibelScale) {
    EXPECT_EQ(volumeToAttenuation(255), 0);
    EXPECT_EQ(volumeToAttenuation(254), 0);
    EXPECT_EQ(volumeToAttenuation(253), -39);
    EXPECT_EQ(volumeToAttenuation(128), -2470);
    EXPECT_EQ(volumeToAttenuation(0), -4980);
}

TEST_F(SoundTest, PlaysWithVolumeFrequencyAndLoopOnBothChannels) {
    folder.write("pair.wav", stereoWave({1, -1, 2, -2}));
    ASSERT_EQ(load("pair.wav", flags3D | soundSplitStereo), S_OK);
    ASSERT_EQ(sound->play(0, true, 253, 30000, sameVolume), S_OK);
    for (int channel : {1, 0}) {
        EXPECT_TRUE(lastBuffer(channel).playing);
        EXPECT_TRUE(lastBuffer(channel).looping);
        EXPECT_EQ(lastBuffer(channel).volume, -39);
        EXPECT_EQ(lastBuffer(channel).frequency, 30000u);
    }
    ASSERT_EQ(sound->play(0, false, 255, 0, 0), S_OK);
    EXPECT_EQ(lastBuffer(1).volume, 0);
    EXPECT_EQ(lastBuffer(0).volume, -4980);
    EXPECT_EQ(lastBuffer(0).frequency, 30000u);
    EXPECT_TRUE(sound->isPlaying());
    sound->stop();
    EXPECT_FALSE(lastBuffer(0).playing);
    EXPECT_FALSE(sound->isPlaying());
    ASSERT_EQ(sound->setVolume(0), S_OK);
    EXPECT_EQ(lastBuffer(1).volume, -4980);
}

TEST_F(SoundTest, ThreeDSettingsAreDeferredAndClamped) {
    folder.write("pair.wav", stereoWave({1, -1, 2, -2}));
    ASSERT_EQ(load("pair.wav", flags3D | soundSplitStereo), S_OK);
    advancedConfiguration.soundDistanceFactor = 2.0;
    sound->setPosition(D3DVECTOR{1, 2, 3}, D3DVECTOR{-1, 2, 3});
    sound->setMinMaxDistance(0.3, 100);
    sound->setCone(5, 400, D3DVECTOR{0, 0, -1}, 0);
    sound->setMode(DS3DMODE_HEADRELATIVE);
    const DS3DBUFFER& left = lastBuffer(1).parameters3D;
    const DS3DBUFFER& right = lastBuffer(0).parameters3D;
    EXPECT_EQ(left.vPosition.x, 1.0f);
    EXPECT_EQ(right.vPosition.x, -1.0f);
    EXPECT_FLOAT_EQ(left.flMinDistance, 0.8f);
    EXPECT_FLOAT_EQ(right.flMaxDistance, 200.0f);
    EXPECT_EQ(left.dwInsideConeAngle, 10u);
    EXPECT_EQ(left.dwOutsideConeAngle, 360u);
    EXPECT_EQ(left.lConeOutsideVolume, -9999);
    EXPECT_EQ(right.vConeOrientation.z, -1.0f);
    EXPECT_EQ(right.dwMode, static_cast<DWORD>(DS3DMODE_HEADRELATIVE));
    for (const std::string& call : fake::callTexts("SetPosition")) {
        EXPECT_NE(call.find("DEFERRED"), std::string::npos) << call;
    }
}

TEST_F(SoundTest, AConeOutsideVolumeMapsWithoutHalving) {
    folder.write("mono.wav", waveFile({}, pcm16({1, 1})));
    ASSERT_EQ(load("mono.wav", flags3D), S_OK);
    sound->setCone(120, 360, D3DVECTOR{0, 0, 1}, 240);
    EXPECT_EQ(lastBuffer().parameters3D.lConeOutsideVolume, -588);
}

TEST_F(SoundTest, ALostBufferIsRefilledOnPlayAndEndsInSilence) {
    folder.write("short.wav", waveFile({}, pcm16({9, 9})));
    ASSERT_EQ(load("short.wav", flags2D), S_OK);
    fake::setBufferLost(fake::bufferCount());
    ASSERT_EQ(sound->play(0, false, 255, 0), S_OK);
    EXPECT_EQ(bytesOf(lastBuffer()), pcm16({9, 9}));
    EXPECT_TRUE(lastBuffer().playing);
}

TEST_F(SoundTest, LostDuringTheFirstLockIsRestoredAndLockedAgain) {
    folder.write("tone.wav", waveFile({}, pcm16({4, 4})));
    fake::Failure lostLock;
    lostLock.method = "Lock";
    lostLock.code = DSERR_BUFFERLOST;
    lostLock.callCount = 1;
    fake::addFailure(lostLock);
    ASSERT_EQ(load("tone.wav", flags2D), S_OK);
    EXPECT_EQ(fake::callTexts("Lock").size(), 2u);
    EXPECT_EQ(bytesOf(lastBuffer()), pcm16({4, 4}));
}

TEST_F(SoundTest, FailedThreeDInterfaceLeavesA2DSound) {
    folder.write("mono.wav", waveFile({}, pcm16({1, 1})));
    fake::Failure noParameters;
    noParameters.method = "GetAllParameters";
    noParameters.object = "buffer3";
    fake::addFailure(noParameters);
    ASSERT_EQ(load("mono.wav", flags3D), S_OK);
    EXPECT_FALSE(sound->is3D());
    EXPECT_EQ(log(), "FAILED: g_p3DBuffer->GetAllParameters failed  DX Code: E_FAIL\n");
}

TEST_F(SoundTest, FailedBufferCreationNamesTheFileAndCountsAFailure) {
    folder.write("mono.wav", waveFile({}, pcm16({1, 1})));
    fake::Failure noBuffer;
    noBuffer.method = "CreateSoundBuffer";
    noBuffer.code = E_OUTOFMEMORY;
    fake::addFailure(noBuffer);
    EXPECT_EQ(load("mono.wav", flags3D), E_OUTOFMEMORY);
    EXPECT_EQ(log(), "FAILED: CreateSoundBuffer_3D mono.wav DX Code: E_OUTOFMEMORY\n");
    EXPECT_EQ(waveStatistics.failed, 1);
    EXPECT_EQ(waveStatistics.alive, 0);
}

TEST_F(SoundTest, CountsLoadsAndLiveObjects) {
    folder.write("mono.wav", waveFile({}, pcm16({1, 1})));
    ASSERT_EQ(load("mono.wav", flags2D), S_OK);
    ASSERT_EQ(load("mono.wav", flags2D), S_OK); // the first is destroyed after the second loads
    EXPECT_EQ(waveStatistics.loaded, 2);
    EXPECT_EQ(waveStatistics.alive, 1);
    EXPECT_EQ(waveStatistics.highestAlive, 2);
    EXPECT_EQ(sound->getFrequency(), 22050u);
}

TEST(SoundWithoutDevice, IsNotInitialised) {
    ScratchFolder folder;
    CSound* created = nullptr;
    EXPECT_EQ(createSound(nullptr, &created, "a.wav", flags2D, GUID_NULL, 1), CO_E_NOTINITIALIZED);
    EXPECT_EQ(created, nullptr);
}

} // namespace
