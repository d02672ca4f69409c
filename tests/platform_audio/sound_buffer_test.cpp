// The DirectSound objects of vrdsound as a program sees them: samples, play state, reference
// counts, capabilities and refusals.
#include "tests/platform_audio/offline_device.h"

#include <cstring>
#include <vector>

namespace audio_test {
namespace {

using platform::audio::renderOffline;
using SoundBufferTest = OfflineDevice;

TEST_F(SoundBufferTest, LockedSamplesAreKeptAndPlayed) {
    auto buffer = tone(441, DSBCAPS_CTRLVOLUME, 22050, 0.5);
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    // A region across the end wraps to the start.
    ASSERT_EQ(buffer->Lock(22050 - 4, 8, &first, &firstBytes, &second, &secondBytes, 0), DS_OK);
    EXPECT_EQ(firstBytes, 4u);
    EXPECT_EQ(secondBytes, 4u);
    std::memcpy(first, "\x01\x02\x03\x04", 4);
    std::memcpy(second, "\x05\x06\x07\x08", 4);
    ASSERT_EQ(buffer->Unlock(first, firstBytes, second, secondBytes), DS_OK);

    void* whole = nullptr;
    DWORD wholeBytes = 0;
    ASSERT_EQ(buffer->Lock(0, 0, &whole, &wholeBytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER),
              DS_OK);
    ASSERT_EQ(wholeBytes, 22050u);
    const auto* bytes = static_cast<const uint8_t*>(whole);
    EXPECT_EQ(std::memcmp(bytes + 22046, "\x01\x02\x03\x04", 4), 0);
    EXPECT_EQ(std::memcmp(bytes, "\x05\x06\x07\x08", 4), 0);
    ASSERT_EQ(buffer->Unlock(whole, wholeBytes, nullptr, 0), DS_OK);

    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    EXPECT_GT(levelsOver().total(), 0.05);
}

TEST_F(SoundBufferTest, UnlockRefusesPointersThatLockDidNotGive) {
    auto buffer = tone(441, 0, 22050, 0.1);
    uint8_t elsewhere[4] = {};
    EXPECT_EQ(buffer->Unlock(elsewhere, 4, nullptr, 0), DSERR_INVALIDPARAM);
    void* data = nullptr;
    DWORD bytes = 0;
    ASSERT_EQ(buffer->Lock(0, 100, &data, &bytes, nullptr, nullptr, 0), DS_OK);
    EXPECT_EQ(buffer->Unlock(data, 1000000, nullptr, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Lock(5000, 100, &data, &bytes, nullptr, nullptr, 0), DSERR_INVALIDPARAM)
        << "past the end";
}

TEST_F(SoundBufferTest, AOneShotSoundEndsAndPlaysAgainFromItsStart) {
    auto buffer = tone(441, 0, 22050, 0.1);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    DWORD status = 0;
    ASSERT_EQ(buffer->GetStatus(&status), DS_OK);
    EXPECT_EQ(status & (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING), DWORD(DSBSTATUS_PLAYING));
    renderOffline(0.2);
    ASSERT_EQ(buffer->GetStatus(&status), DS_OK);
    EXPECT_FALSE(status & DSBSTATUS_PLAYING);
    DWORD position = 1;
    ASSERT_EQ(buffer->GetCurrentPosition(&position, nullptr), DS_OK);
    EXPECT_EQ(position, 0u);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    EXPECT_GT(levelsOf(renderOffline(0.05)).total(), 0.05);
}

TEST_F(SoundBufferTest, StopHoldsThePositionAndPlayResumesThere) {
    auto buffer = tone(441, 0, 22050, 1.0);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    renderOffline(0.25);
    ASSERT_EQ(buffer->Stop(), DS_OK);
    DWORD stoppedAt = 0;
    ASSERT_EQ(buffer->GetCurrentPosition(&stoppedAt, nullptr), DS_OK);
    EXPECT_NEAR(double(stoppedAt), 0.25 * 44100, 64.0);
    EXPECT_LT(levelsOf(renderOffline(0.1)).total(), 1e-4) << "silent while stopped";

    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    renderOffline(0.1);
    DWORD resumed = 0;
    ASSERT_EQ(buffer->GetCurrentPosition(&resumed, nullptr), DS_OK);
    EXPECT_NEAR(double(resumed), 0.35 * 44100, 64.0);

    ASSERT_EQ(buffer->Stop(), DS_OK);
    ASSERT_EQ(buffer->SetCurrentPosition(1000), DS_OK);
    DWORD moved = 0;
    ASSERT_EQ(buffer->GetCurrentPosition(&moved, nullptr), DS_OK);
    EXPECT_EQ(moved, 1000u);
}

TEST_F(SoundBufferTest, AStoppedBufferStartsWhereItsPositionWasSet) {
    auto buffer = tone(441, 0, 22050, 1.0);
    ASSERT_EQ(buffer->SetCurrentPosition(22050), DS_OK);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    renderOffline(0.1);
    DWORD position = 0;
    ASSERT_EQ(buffer->GetCurrentPosition(&position, nullptr), DS_OK);
    EXPECT_NEAR(double(position), 22050 + 0.1 * 44100, 64.0);
}

TEST_F(SoundBufferTest, AThousandBuffersEachHaveTheirOwnVoice) {
    // The plug-in's stock slots, stereo pairs, add-on waves and display sounds together.
    WAVEFORMATEX format = pcmFormat(1, 22050, 16);
    DSBUFFERDESC description{sizeof(DSBUFFERDESC), DSBCAPS_CTRL3D, 64, 0, &format, GUID_NULL};
    std::vector<Held<IDirectSoundBuffer>> buffers;
    for (int index = 0; index < 1000; ++index) {
        IDirectSoundBuffer* buffer = nullptr;
        ASSERT_EQ(directSound->CreateSoundBuffer(&description, &buffer, nullptr), DS_OK) << index;
        ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
        buffers.emplace_back(buffer);
    }
    DWORD status = 0;
    ASSERT_EQ(buffers.front()->GetStatus(&status), DS_OK);
    EXPECT_TRUE(status & DSBSTATUS_PLAYING);
}

TEST_F(SoundBufferTest, ReferencesAreCountedAcrossInterfaces) {
    auto held = tone(441, DSBCAPS_CTRL3D, 22050, 0.1);
    IDirectSoundBuffer* buffer = held.release();
    IDirectSoundBuffer8* buffer8 = nullptr;
    ASSERT_EQ(buffer->QueryInterface(IID_IDirectSoundBuffer8, (void**)&buffer8), DS_OK);
    IDirectSound3DBuffer8* buffer3D = nullptr;
    ASSERT_EQ(buffer8->QueryInterface(IID_IDirectSound3DBuffer8, (void**)&buffer3D), DS_OK);
    IDirectSound3DListener* notAListener = nullptr;
    EXPECT_EQ(buffer->QueryInterface(IID_IDirectSound3DListener, (void**)&notAListener),
              E_NOINTERFACE);
    EXPECT_EQ(notAListener, nullptr);
    EXPECT_EQ(buffer->AddRef(), 4u);
    EXPECT_EQ(buffer->Release(), 3u);
    EXPECT_EQ(buffer->Release(), 2u);
    EXPECT_EQ(buffer8->Release(), 1u);
    EXPECT_EQ(buffer3D->SetPosition(1, 2, 3, DS3D_IMMEDIATE), DS_OK);
    EXPECT_EQ(buffer3D->Release(), 0u);
}

TEST_F(SoundBufferTest, BuffersOutliveTheDirectSoundObject) {
    auto buffer = tone(441, DSBCAPS_CTRLVOLUME, 22050, 1.0);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    EXPECT_EQ(directSound->Release(), 0u);
    directSound = nullptr;
    EXPECT_EQ(buffer->SetVolume(-600), DS_OK);
    EXPECT_GT(levelsOver().total(), 0.01);
}

TEST_F(SoundBufferTest, ControlsMustHaveBeenAskedFor) {
    auto buffer = tone(441, 0, 22050, 0.1);
    LONG volume = 0;
    DWORD frequency = 0;
    EXPECT_EQ(buffer->SetVolume(-100), DSERR_CONTROLUNAVAIL);
    EXPECT_EQ(buffer->GetVolume(&volume), DSERR_CONTROLUNAVAIL);
    EXPECT_EQ(buffer->SetFrequency(11025), DSERR_CONTROLUNAVAIL);
    EXPECT_EQ(buffer->GetFrequency(&frequency), DSERR_CONTROLUNAVAIL);
    EXPECT_EQ(buffer->SetPan(100), DSERR_CONTROLUNAVAIL);
    IDirectSound3DBuffer* buffer3D = nullptr;
    EXPECT_EQ(buffer->QueryInterface(IID_IDirectSound3DBuffer, (void**)&buffer3D), E_NOINTERFACE);

    auto controlled = tone(441, DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY, 22050, 0.1);
    EXPECT_EQ(controlled->SetVolume(DSBVOLUME_MIN - 1), DSERR_INVALIDPARAM);
    EXPECT_EQ(controlled->SetFrequency(DSBFREQUENCY_MAX + 1), DSERR_INVALIDPARAM);
    EXPECT_EQ(controlled->SetFrequency(DSBFREQUENCY_MIN - 1), DSERR_INVALIDPARAM);
    ASSERT_EQ(controlled->SetFrequency(DSBFREQUENCY_ORIGINAL), DS_OK);
    ASSERT_EQ(controlled->GetFrequency(&frequency), DS_OK);
    EXPECT_EQ(frequency, 22050u);
}

TEST_F(SoundBufferTest, DescriptionsAreCheckedAsDirectSoundChecksThem) {
    WAVEFORMATEX mono = pcmFormat(1, 22050, 16);
    WAVEFORMATEX stereo = pcmFormat(2, 22050, 16);
    WAVEFORMATEX pcm32 = pcmFormat(1, 22050, 32);
    WAVEFORMATEX quad = pcmFormat(4, 22050, 16);
    WAVEFORMATEX stereo24 = pcmFormat(2, 22050, 24);
    WAVEFORMATEX pcm12 = pcmFormat(1, 22050, 12);
    WAVEFORMATEX nineChannels = pcmFormat(9, 22050, 16);
    WAVEFORMATEX hugeFrames = mono;
    hugeFrames.nChannels = 65529;
    hugeFrames.wBitsPerSample = 32784;
    struct Case {
        const char* what;
        DSBUFFERDESC description;
        HRESULT expected;
    };
    const Case cases[] = {
        {"mono 3D", {sizeof(DSBUFFERDESC), DSBCAPS_CTRL3D, 4410, 0, &mono, GUID_NULL}, DS_OK},
        {"older description size", {sizeof(DSBUFFERDESC1), 0, 4410, 0, &mono, GUID_NULL}, DS_OK},
        {"stereo 3D",
         {sizeof(DSBUFFERDESC), DSBCAPS_CTRL3D, 4410, 0, &stereo, GUID_NULL},
         DSERR_INVALIDPARAM},
        {"wrong size",
         {sizeof(DSBUFFERDESC) + 4, 0, 4410, 0, &mono, GUID_NULL},
         DSERR_INVALIDPARAM},
        {"no format", {sizeof(DSBUFFERDESC), 0, 4410, 0, nullptr, GUID_NULL}, DSERR_INVALIDPARAM},
        {"32 bits", {sizeof(DSBUFFERDESC), 0, 4410, 0, &pcm32, GUID_NULL}, DS_OK},
        {"4 channels", {sizeof(DSBUFFERDESC), 0, 4416, 0, &quad, GUID_NULL}, DS_OK},
        {"24-bit stereo", {sizeof(DSBUFFERDESC), 0, 4416, 0, &stereo24, GUID_NULL}, DS_OK},
        {"4 channels 3D",
         {sizeof(DSBUFFERDESC), DSBCAPS_CTRL3D, 4416, 0, &quad, GUID_NULL},
         DSERR_INVALIDPARAM},
        {"24-bit stereo 3D",
         {sizeof(DSBUFFERDESC), DSBCAPS_CTRL3D, 4416, 0, &stereo24, GUID_NULL},
         DSERR_INVALIDPARAM},
        {"12 bits", {sizeof(DSBUFFERDESC), 0, 4410, 0, &pcm12, GUID_NULL}, DSERR_BADFORMAT},
        {"9 channels",
         {sizeof(DSBUFFERDESC), 0, 4410, 0, &nineChannels, GUID_NULL},
         DSERR_BADFORMAT},
        {"65529 channels of 32784 bits",
         {sizeof(DSBUFFERDESC), 0, 4410, 0, &hugeFrames, GUID_NULL},
         DSERR_BADFORMAT},
        {"too small", {sizeof(DSBUFFERDESC), 0, 2, 0, &mono, GUID_NULL}, DSERR_INVALIDPARAM},
        {"hardware",
         {sizeof(DSBUFFERDESC), DSBCAPS_LOCHARDWARE, 4410, 0, &mono, GUID_NULL},
         DSERR_UNSUPPORTED},
        {"primary with size",
         {sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER, 4410, 0, nullptr, GUID_NULL},
         DSERR_INVALIDPARAM},
    };
    for (const Case& scripted : cases) {
        IDirectSoundBuffer* buffer = nullptr;
        EXPECT_EQ(directSound->CreateSoundBuffer(&scripted.description, &buffer, nullptr),
                  scripted.expected)
            << scripted.what;
        EXPECT_EQ(buffer == nullptr, FAILED(scripted.expected)) << scripted.what;
        if (buffer)
            buffer->Release();
    }
}

TEST_F(SoundBufferTest, CapabilitiesAreThoseOfSoftwareMixing) {
    DSCAPS caps{sizeof(DSCAPS)};
    ASSERT_EQ(directSound->GetCaps(&caps), DS_OK);
    EXPECT_FALSE(caps.dwFlags & DSCAPS_CERTIFIED);
    EXPECT_TRUE(caps.dwFlags & DSCAPS_SECONDARY16BIT);
    EXPECT_EQ(caps.dwMaxHwMixingAllBuffers, 0u);
    EXPECT_EQ(caps.dwFreeHwMixingStaticBuffers, 0u);
    EXPECT_EQ(caps.dwFreeHw3DStaticBuffers, 0u);
    EXPECT_EQ(caps.dwMaxSecondarySampleRate, DWORD(DSBFREQUENCY_MAX));
    DSCAPS unsized{};
    EXPECT_EQ(directSound->GetCaps(&unsized), DSERR_INVALIDPARAM);

    DWORD speakers = 0;
    ASSERT_EQ(directSound->GetSpeakerConfig(&speakers), DS_OK);
    EXPECT_EQ(DSSPEAKER_CONFIG(speakers), DSSPEAKER_STEREO);
    EXPECT_EQ(DSSPEAKER_GEOMETRY(speakers), DSSPEAKER_GEOMETRY_WIDE);

    auto buffer = tone(441, DSBCAPS_STATIC | DSBCAPS_CTRLVOLUME, 22050, 0.1);
    DSBCAPS bufferCaps{sizeof(DSBCAPS)};
    ASSERT_EQ(buffer->GetCaps(&bufferCaps), DS_OK);
    EXPECT_EQ(bufferCaps.dwBufferBytes, 4410u);
    EXPECT_TRUE(bufferCaps.dwFlags & DSBCAPS_LOCSOFTWARE);
}

TEST_F(SoundBufferTest, ThePrimaryFormatNeedsThePriorityLevel) {
    DSBUFFERDESC description{sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER, 0, 0, nullptr, GUID_NULL};
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(directSound->CreateSoundBuffer(&description, &primary, nullptr), DS_OK);
    IDirectSound3DListener* noListener = nullptr;
    EXPECT_EQ(primary->QueryInterface(IID_IDirectSound3DListener, (void**)&noListener),
              E_NOINTERFACE)
        << "created without DSBCAPS_CTRL3D";
    const WAVEFORMATEX format = pcmFormat(1, 44100, 8);
    ASSERT_EQ(directSound->SetCooperativeLevel(nullptr, DSSCL_NORMAL), DS_OK);
    EXPECT_EQ(primary->SetFormat(&format), DSERR_PRIOLEVELNEEDED);
    ASSERT_EQ(directSound->SetCooperativeLevel(nullptr, DSSCL_PRIORITY), DS_OK);
    ASSERT_EQ(primary->SetFormat(&format), DS_OK);
    WAVEFORMATEX readBack{};
    DWORD written = 0;
    ASSERT_EQ(primary->GetFormat(&readBack, sizeof readBack, &written), DS_OK);
    EXPECT_EQ(written, sizeof(WAVEFORMATEX));
    EXPECT_EQ(readBack.nSamplesPerSec, 44100u);
    EXPECT_EQ(readBack.wBitsPerSample, 8);
    primary->Release();
}

} // namespace
} // namespace audio_test
