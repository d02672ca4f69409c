#include "log_reader.h"
#include "platform/audio/dsound_fake.h"
#include "plugin/audio/sound_device.h"
#include "plugin/core/log.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;
using testsupport::LogReader;
using testsupport::ScratchFolder;

HWND window() {
    return reinterpret_cast<HWND>(0x1234);
}

class SoundDeviceTest : public testing::Test {
protected:
    SoundDeviceTest() { fake::reset(); }
    std::string log() { return logReader.fresh(); }
    ScratchFolder folder;
    LogReader logReader{folder};
    SoundDevice device;
};

TEST_F(SoundDeviceTest, OpensWithItsPrimaryFormatAndListener) {
    ASSERT_EQ(device.createDevice(window(), DSSCL_PRIORITY, 2, 22050, 16, true), S_OK);
    EXPECT_EQ(device.has3D, 1);
    EXPECT_NE(device.getListener(), nullptr);
    EXPECT_EQ(fake::device().cooperativeLevel, static_cast<DWORD>(DSSCL_PRIORITY));
    EXPECT_EQ(fake::device().window, window());
    EXPECT_EQ(fake::device().primaryFormat.nSamplesPerSec, 22050u);
    EXPECT_EQ(fake::device().primaryFormat.wBitsPerSample, 16);
    EXPECT_EQ(fake::device().primaryFormat.nChannels, 2);
    EXPECT_EQ(fake::device().primaryFormat.nBlockAlign, 4);
    EXPECT_EQ(fake::device().primaryFormat.nAvgBytesPerSec, 88200u);
    EXPECT_EQ(log(), "   Sound hardware capabilities: Driver is not certified.\n"
                     "   Maximum hardware mixing buffers: 0.\n"
                     "   Maximum hardware 3D buffers: 0. \n"
                     "   Speaker configuration: stereo with wide (arc of 20 deg.) geometry \n"
                     "   Attempt to create Primary buffer: 22050hz 16bits 3d: yes\n"
                     "   3D primary buffer initialised OK\n");
}

TEST_F(SoundDeviceTest, WithoutThreeDAudioHasNoListener) {
    fake::capabilities().dwFlags |= DSCAPS_CERTIFIED;
    ASSERT_EQ(device.createDevice(window(), DSSCL_PRIORITY, 2, 44100, 8, false), S_OK);
    EXPECT_EQ(device.has3D, 0);
    EXPECT_EQ(device.getListener(), nullptr);
    std::string text = log();
    EXPECT_NE(text.find("Driver is certified."), std::string::npos);
    EXPECT_NE(text.find("   Attempt to create Primary buffer: 44100hz 8bits 3d: no\n"),
              std::string::npos);
    EXPECT_EQ(text.find("3D primary buffer initialised"), std::string::npos);
}

struct SpeakerCase {
    DWORD configuration;
    const char* text;
};

void PrintTo(const SpeakerCase& c, std::ostream* out) {
    *out << c.text;
}

class SpeakerConfiguration : public testing::TestWithParam<SpeakerCase> {};

TEST_P(SpeakerConfiguration, IsDescribedForTheLog) {
    char text[100];
    describeSpeakerConfiguration(GetParam().configuration, text, sizeof text);
    EXPECT_STREQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, SpeakerConfiguration,
    testing::Values(SpeakerCase{DSSPEAKER_HEADPHONE, "headphone."},
                    SpeakerCase{DSSPEAKER_MONO, "single speaker (mono)."},
                    SpeakerCase{DSSPEAKER_QUAD, "quadrophonic."},
                    SpeakerCase{DSSPEAKER_COMBINED(DSSPEAKER_STEREO, 10),
                                "stereo with narrow (arc of 10 deg.) geometry "},
                    SpeakerCase{DSSPEAKER_COMBINED(DSSPEAKER_STEREO, 5),
                                "stereo with min (arc of 5 deg.) geometry "},
                    SpeakerCase{DSSPEAKER_COMBINED(DSSPEAKER_STEREO, 180),
                                "stereo with max (arc of 180 deg.) geometry "},
                    SpeakerCase{DSSPEAKER_COMBINED(DSSPEAKER_STEREO, 90),
                                "stereo with unknown geometry "},
                    SpeakerCase{DSSPEAKER_SURROUND, "surround."},
                    SpeakerCase{DSSPEAKER_5POINT1, "5.1 (5 speakers with subwoofer)."},
                    SpeakerCase{DSSPEAKER_7POINT1, "undetectable."}));

struct DeviceFailure {
    const char* what;
    fake::Failure failure;
    const char* message;
};

void PrintTo(const DeviceFailure& c, std::ostream* out) {
    *out << c.what;
}

class FailingDevice : public SoundDeviceTest, public testing::WithParamInterface<DeviceFailure> {};

TEST_P(FailingDevice, ReportsTheFailedStepAndLeavesNoDevice) {
    fake::addFailure(GetParam().failure);
    HRESULT result = device.createDevice(window(), DSSCL_PRIORITY, 2, 22050, 16, true);
    EXPECT_EQ(result, GetParam().failure.code);
    EXPECT_EQ(device.has3D, 0);
    std::string lines = log();
    EXPECT_NE(lines.find(GetParam().message), std::string::npos) << lines;
}

fake::Failure failing(const char* method, HRESULT code, DWORD withFlags = 0,
                      const IID* interfaceId = nullptr) {
    fake::Failure failure;
    failure.method = method;
    failure.code = code;
    failure.withFlags = withFlags;
    failure.interfaceId = interfaceId;
    return failure;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailingDevice,
    testing::Values(
        DeviceFailure{"create", failing("DirectSoundCreate8", DSERR_NODRIVER),
                      "FAILED: Failed to create DirectSound 8  DX Code: DSERR_NODRIVER"},
        DeviceFailure{"cooperative level", failing("SetCooperativeLevel", DSERR_INVALIDCALL),
                      "FAILED: Failed to SetCooperativeLevel  DX Code: DSERR_INVALIDCALL"},
        DeviceFailure{"capabilities", failing("GetCaps", DSERR_GENERIC),
                      "FAILED: Failed to get GetCaps  DX Code: E_FAIL"},
        DeviceFailure{"primary buffer", failing("CreateSoundBuffer", E_OUTOFMEMORY),
                      "ERROR: unable to create primary buffer (m_pDS->CreateSoundBuffer)"},
        DeviceFailure{"primary format", failing("SetFormat", DSERR_BADFORMAT),
                      "Unable to set format for primary buffer (pDSBPrimary->SetFormat)  DX Code: "
                      "DSERR_BADFORMAT"},
        DeviceFailure{"listener buffer",
                      failing("CreateSoundBuffer", DSERR_CONTROLUNAVAIL, DSBCAPS_CTRL3D),
                      "Error getting 3d listener interface  DX Code: DSERR_CONTROLUNAVAIL"},
        DeviceFailure{"listener interface",
                      failing("QueryInterface", E_NOINTERFACE, 0, &IID_IDirectSound3DListener),
                      "FAILED: QueryInterface  DX Code: E_NOINTERFACE"}));

TEST_F(SoundDeviceTest, DestroyingWritesTheStatisticsAndReleasesEverything) {
    ASSERT_EQ(device.createDevice(window(), DSSCL_PRIORITY, 2, 22050, 16, true), S_OK);
    waveStatistics = WaveStatistics{5, 2, 1, 4, 3};
    log();
    device.destroyDevice();
    EXPECT_EQ(log(), "-------------------------------\n"
                     "Wav files Statistics:\n"
                     "---------------------\n"
                     "Nbr of wav loaded during simulation: 5\n"
                     "Nbr of wav re-used from memory: 2 (not loaded from disk so not counted in "
                     "wav loaded)\n"
                     "Max nbr of wav in memory in same time: 4\n"
                     "Nbr of wav failed to load: 3\n"
                     "Nbr of wav not unloaded at exit: 1\n"
                     "------------------------------- \n");
    EXPECT_EQ(fake::device().references, 0u);
    EXPECT_EQ(fake::device().listenerReferences, 0u);
    SoundDevice next;
    EXPECT_EQ(waveStatistics.loaded, 0);
}

TEST_F(SoundDeviceTest, CommitsTheListenersDeferredSettings) {
    ASSERT_EQ(device.createDevice(window(), DSSCL_PRIORITY, 2, 22050, 16, true), S_OK);
    device.commitListener();
    EXPECT_EQ(fake::device().commits, 1);
}

} // namespace
