// The scriptable DirectSound: its record of calls, its scripted failures and what it reads back.
#include "platform/audio/dsound_fake.h"
#include "platform/audio/sound_buffer_name.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

namespace fake = platform::audio::fake;

namespace {

WAVEFORMATEX monoFormat(DWORD rate = 22050) {
    return {WAVE_FORMAT_PCM, 1, rate, rate * 2, 2, 16, 0};
}

class FakeDirectSoundTest : public testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        ASSERT_EQ(DirectSoundCreate8(nullptr, &directSound, nullptr), DS_OK);
        ASSERT_EQ(directSound->SetCooperativeLevel(nullptr, DSSCL_PRIORITY), DS_OK);
    }
    void TearDown() override {
        if (directSound)
            directSound->Release();
    }

    HRESULT create(DWORD flags, IDirectSoundBuffer** buffer, DWORD bytes = 64) {
        WAVEFORMATEX format = monoFormat();
        DSBUFFERDESC description{sizeof(DSBUFFERDESC), flags, bytes, 0, &format, GUID_NULL};
        if (flags & DSBCAPS_PRIMARYBUFFER) {
            description.dwBufferBytes = 0;
            description.lpwfxFormat = nullptr;
        }
        return directSound->CreateSoundBuffer(&description, buffer, nullptr);
    }

    IDirectSound8* directSound = nullptr;
};

TEST_F(FakeDirectSoundTest, RecordsEveryCallInOrderWithItsArguments) {
    platform::audio::nameNextSoundBuffer("Sound\\Vessel\\Main.wav");
    IDirectSoundBuffer* buffer = nullptr;
    ASSERT_EQ(create(DSBCAPS_CTRLVOLUME | DSBCAPS_CTRL3D, &buffer), DS_OK);
    IDirectSound3DBuffer* buffer3D = nullptr;
    ASSERT_EQ(buffer->QueryInterface(IID_IDirectSound3DBuffer8, (void**)&buffer3D), DS_OK);
    EXPECT_EQ(buffer->SetVolume(-4980), DS_OK);
    EXPECT_EQ(buffer3D->SetPosition(1.5f, 0, -2, DS3D_DEFERRED), DS_OK);
    EXPECT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    buffer3D->Release();
    buffer->Release();

    const std::vector<std::string> expected = {
        "DirectSoundCreate8(null)",
        "DirectSound.SetCooperativeLevel(null, 2)",
        "nameNextSoundBuffer(Sound\\Vessel\\Main.wav)",
        "DirectSound.CreateSoundBuffer(flags=0x00000090 bytes=64 format=1ch/22050Hz/16bit, ptr, "
        "null)",
        "buffer1.QueryInterface(IID_IDirectSound3DBuffer)",
        "buffer1.SetVolume(-4980)",
        "buffer1.SetPosition(1.5, 0, -2, DEFERRED)",
        "buffer1.Play(0, 0, 0x00000001)",
        "buffer1.Release()",
        "buffer1.Release()",
    };
    EXPECT_EQ(fake::callTexts(), expected);
    EXPECT_EQ(fake::callTexts("SetVolume"), std::vector<std::string>{"buffer1.SetVolume(-4980)"});

    const fake::BufferState& state = fake::buffer(1);
    EXPECT_EQ(state.name, "Sound\\Vessel\\Main.wav");
    EXPECT_EQ(state.volume, -4980);
    EXPECT_TRUE(state.looping);
    EXPECT_FALSE(state.playing) << "a released buffer stops";
    EXPECT_EQ(state.parameters3D.vPosition.x, 1.5f);
    EXPECT_EQ(state.references, 0u);
}

TEST_F(FakeDirectSoundTest, LockedBytesAreReadBack) {
    IDirectSoundBuffer* buffer = nullptr;
    ASSERT_EQ(create(DSBCAPS_CTRLVOLUME, &buffer, 8), DS_OK);
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    ASSERT_EQ(buffer->Lock(6, 4, &first, &firstBytes, &second, &secondBytes, 0), DS_OK);
    ASSERT_EQ(firstBytes, 2u);
    ASSERT_EQ(secondBytes, 2u);
    std::memcpy(first, "ab", 2);
    std::memcpy(second, "cd", 2);
    EXPECT_EQ(buffer->Unlock(first, firstBytes, second, secondBytes), DS_OK);
    const std::vector<uint8_t> expected = {'c', 'd', 0, 0, 0, 0, 'a', 'b'};
    EXPECT_EQ(fake::buffer(1).samples, expected);
    buffer->Release();
}

struct ScriptedFailureCase {
    const char* name;
    fake::Failure failure;
    DWORD createFlags;
    HRESULT expectedCreate;
};

void PrintTo(const ScriptedFailureCase& scripted, std::ostream* out) {
    *out << scripted.name;
}

class ScriptedCreateFailure : public FakeDirectSoundTest,
                              public testing::WithParamInterface<ScriptedFailureCase> {};

TEST_P(ScriptedCreateFailure, FailsTheChosenCreation) {
    fake::addFailure(GetParam().failure);
    IDirectSoundBuffer* first = nullptr;
    IDirectSoundBuffer* second = nullptr;
    EXPECT_EQ(create(DSBCAPS_CTRLVOLUME, &first), DS_OK);
    EXPECT_EQ(create(GetParam().createFlags, &second), GetParam().expectedCreate);
    EXPECT_EQ(second == nullptr, FAILED(GetParam().expectedCreate)) << "a buffer on success";
    for (IDirectSoundBuffer* buffer : {first, second}) {
        if (buffer)
            buffer->Release();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fake, ScriptedCreateFailure,
    testing::Values(ScriptedFailureCase{"SecondCall",
                                        {"CreateSoundBuffer", DSERR_OUTOFMEMORY, 2, 1},
                                        DSBCAPS_CTRLVOLUME,
                                        DSERR_OUTOFMEMORY},
                    ScriptedFailureCase{"ByFlags",
                                        {.method = "CreateSoundBuffer",
                                         .code = DSERR_NODRIVER,
                                         .withFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D},
                                        DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D,
                                        DSERR_NODRIVER},
                    ScriptedFailureCase{"OtherFlagsPass",
                                        {.method = "CreateSoundBuffer",
                                         .code = DSERR_NODRIVER,
                                         .withFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D},
                                        DSBCAPS_PRIMARYBUFFER,
                                        DS_OK},
                    ScriptedFailureCase{"LaterCallScripted",
                                        {"CreateSoundBuffer", E_FAIL, 3, 1},
                                        DSBCAPS_CTRLVOLUME,
                                        DS_OK},
                    ScriptedFailureCase{"CreatedWithoutVirtualization",
                                        {"CreateSoundBuffer", DS_NO_VIRTUALIZATION, 2, 1},
                                        DSBCAPS_CTRL3D,
                                        DS_NO_VIRTUALIZATION}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(FakeDirectSoundTest, ScriptedDeviceFailures) {
    struct Case {
        fake::Failure failure;
        HRESULT (*call)(IDirectSound8*);
    };
    const Case cases[] = {
        {{"SetCooperativeLevel", DSERR_ALLOCATED},
         [](IDirectSound8* ds) { return ds->SetCooperativeLevel(nullptr, DSSCL_PRIORITY); }},
        {{"GetCaps", DSERR_GENERIC},
         [](IDirectSound8* ds) {
             DSCAPS caps{sizeof(DSCAPS)};
             return ds->GetCaps(&caps);
         }},
        {{"GetSpeakerConfig", DSERR_UNSUPPORTED},
         [](IDirectSound8* ds) {
             DWORD config = 0;
             return ds->GetSpeakerConfig(&config);
         }},
    };
    for (const Case& scripted : cases) {
        fake::addFailure(scripted.failure);
        EXPECT_EQ(scripted.call(directSound), scripted.failure.code) << scripted.failure.method;
    }
    IDirectSound8* second = nullptr;
    fake::addFailure({"DirectSoundCreate8", DSERR_NODRIVER});
    EXPECT_EQ(DirectSoundCreate8(nullptr, &second, nullptr), DSERR_NODRIVER);
    EXPECT_EQ(second, nullptr);
}

TEST_F(FakeDirectSoundTest, ListenerComesFromAPrimaryBufferWith3DControl) {
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(create(DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D, &primary), DS_OK);
    IDirectSound3DListener8* listener = nullptr;
    fake::addFailure({.method = "QueryInterface",
                      .code = E_NOINTERFACE,
                      .callCount = 1,
                      .interfaceId = &IID_IDirectSound3DListener});
    EXPECT_EQ(primary->QueryInterface(IID_IDirectSound3DListener8, (void**)&listener),
              E_NOINTERFACE);
    EXPECT_EQ(listener, nullptr);
    ASSERT_EQ(primary->QueryInterface(IID_IDirectSound3DListener8, (void**)&listener), DS_OK);
    primary->Release();

    DS3DLISTENER parameters{sizeof(DS3DLISTENER)};
    ASSERT_EQ(listener->GetAllParameters(&parameters), DS_OK);
    EXPECT_EQ(parameters.flRolloffFactor, DS3D_DEFAULTROLLOFFFACTOR);
    EXPECT_EQ(listener->SetPosition(1, 2, 3, DS3D_DEFERRED), DS_OK);
    EXPECT_EQ(listener->CommitDeferredSettings(), DS_OK);
    EXPECT_EQ(fake::device().listener.vPosition.z, 3.0f);
    EXPECT_EQ(fake::device().commits, 1);
    EXPECT_EQ(listener->Release(), 0u);
    EXPECT_EQ(fake::device().listenerReferences, 0u);
}

TEST_F(FakeDirectSoundTest, AFailureCanBeAimedAtOneObject) {
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(create(DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D, &primary), DS_OK);
    IDirectSound3DListener* listener = nullptr;
    ASSERT_EQ(primary->QueryInterface(IID_IDirectSound3DListener, (void**)&listener), DS_OK);
    IDirectSoundBuffer* buffer = nullptr;
    ASSERT_EQ(create(DSBCAPS_CTRL3D, &buffer), DS_OK);
    IDirectSound3DBuffer* buffer3D = nullptr;
    ASSERT_EQ(buffer->QueryInterface(IID_IDirectSound3DBuffer, (void**)&buffer3D), DS_OK);

    fake::addFailure({.method = "GetAllParameters", .code = DSERR_GENERIC, .object = "listener"});
    DS3DLISTENER listenerParameters{sizeof(DS3DLISTENER)};
    DS3DBUFFER bufferParameters{sizeof(DS3DBUFFER)};
    EXPECT_EQ(listener->GetAllParameters(&listenerParameters), DSERR_GENERIC);
    EXPECT_EQ(buffer3D->GetAllParameters(&bufferParameters), DS_OK);
    EXPECT_EQ(bufferParameters.flMinDistance, DS3D_DEFAULTMINDISTANCE);

    fake::addFailure(
        {.method = "SetAllParameters", .code = DSERR_INVALIDPARAM, .object = "buffer2"});
    EXPECT_EQ(buffer3D->SetAllParameters(&bufferParameters, DS3D_IMMEDIATE), DSERR_INVALIDPARAM);
    EXPECT_EQ(listener->SetAllParameters(&listenerParameters, DS3D_IMMEDIATE), DSERR_INVALIDPARAM)
        << "the listener's block was never filled: its size is right but its factors are 0";
    for (IUnknown* object : std::initializer_list<IUnknown*>{buffer3D, buffer, listener, primary})
        object->Release();
}

TEST_F(FakeDirectSoundTest, PrimaryFormatNeedsThePriorityLevel) {
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(create(DSBCAPS_PRIMARYBUFFER, &primary), DS_OK);
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 2, 44100, 44100 * 4, 4, 16, 0};
    ASSERT_EQ(directSound->SetCooperativeLevel(nullptr, DSSCL_NORMAL), DS_OK);
    EXPECT_EQ(primary->SetFormat(&format), DSERR_PRIOLEVELNEEDED);
    ASSERT_EQ(directSound->SetCooperativeLevel(nullptr, DSSCL_PRIORITY), DS_OK);
    EXPECT_EQ(primary->SetFormat(&format), DS_OK);
    EXPECT_EQ(fake::device().primaryFormat.nSamplesPerSec, 44100u);
    fake::addFailure({"SetFormat", DSERR_BADFORMAT});
    EXPECT_EQ(primary->SetFormat(&format), DSERR_BADFORMAT);
    primary->Release();
}

TEST_F(FakeDirectSoundTest, LostBufferFailsUntilRestoredAndComesBackSilent) {
    IDirectSoundBuffer* buffer = nullptr;
    ASSERT_EQ(create(DSBCAPS_CTRLVOLUME, &buffer, 4), DS_OK);
    void* data = nullptr;
    DWORD bytes = 0;
    ASSERT_EQ(buffer->Lock(0, 0, &data, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    std::memset(data, 7, bytes);
    ASSERT_EQ(buffer->Unlock(data, bytes, nullptr, 0), DS_OK);

    fake::setBufferLost(1);
    DWORD status = 0;
    ASSERT_EQ(buffer->GetStatus(&status), DS_OK);
    EXPECT_TRUE(status & DSBSTATUS_BUFFERLOST);
    EXPECT_EQ(buffer->Lock(0, 0, &data, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER),
              DSERR_BUFFERLOST);
    EXPECT_EQ(buffer->Play(0, 0, 0), DSERR_BUFFERLOST);

    fake::addFailure({"Restore", DSERR_BUFFERLOST, 1, 2});
    EXPECT_EQ(buffer->Restore(), DSERR_BUFFERLOST);
    EXPECT_EQ(buffer->Restore(), DSERR_BUFFERLOST);
    EXPECT_EQ(buffer->Restore(), DS_OK);
    EXPECT_FALSE(fake::buffer(1).lost);
    EXPECT_EQ(fake::buffer(1).samples, std::vector<uint8_t>(4, 0));
    buffer->Release();
}

TEST_F(FakeDirectSoundTest, ReportsTheCapabilitiesAndSpeakersATestSets) {
    fake::capabilities().dwFlags |= DSCAPS_CERTIFIED;
    fake::capabilities().dwFreeHwMixingStaticBuffers = 12;
    fake::capabilities().dwMaxHw3DAllBuffers = 32;
    fake::setSpeakerConfig(DSSPEAKER_COMBINED(DSSPEAKER_STEREO, 90));
    DSCAPS caps{sizeof(DSCAPS)};
    ASSERT_EQ(directSound->GetCaps(&caps), DS_OK);
    EXPECT_TRUE(caps.dwFlags & DSCAPS_CERTIFIED);
    EXPECT_EQ(caps.dwFreeHwMixingStaticBuffers, 12u);
    EXPECT_EQ(caps.dwMaxHw3DAllBuffers, 32u);
    DWORD config = 0;
    ASSERT_EQ(directSound->GetSpeakerConfig(&config), DS_OK);
    EXPECT_EQ(DSSPEAKER_CONFIG(config), DSSPEAKER_STEREO);
    EXPECT_EQ(DSSPEAKER_GEOMETRY(config), 90);
}

TEST_F(FakeDirectSoundTest, RefusesWhatDirectSoundRefuses) {
    IDirectSoundBuffer* buffer = nullptr;
    ASSERT_EQ(create(DSBCAPS_CTRLVOLUME, &buffer), DS_OK);
    EXPECT_EQ(buffer->SetFrequency(22050), DSERR_CONTROLUNAVAIL);
    EXPECT_EQ(buffer->SetVolume(-10001), DSERR_INVALIDPARAM);
    IDirectSound3DBuffer* buffer3D = nullptr;
    EXPECT_EQ(buffer->QueryInterface(IID_IDirectSound3DBuffer, (void**)&buffer3D), E_NOINTERFACE);
    DS3DBUFFER parameters{};
    IDirectSoundBuffer* positioned = nullptr;
    ASSERT_EQ(create(DSBCAPS_CTRL3D, &positioned), DS_OK);
    ASSERT_EQ(positioned->QueryInterface(IID_IDirectSound3DBuffer, (void**)&buffer3D), DS_OK);
    EXPECT_EQ(buffer3D->GetAllParameters(&parameters), DSERR_INVALIDPARAM) << "size not set";
    buffer3D->Release();
    positioned->Release();
    buffer->Release();
}

} // namespace
