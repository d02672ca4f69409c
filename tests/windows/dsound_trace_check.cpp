// One fixed sequence of DirectSound calls under the trace of audio_output.h: a device, its
// primary buffer and listener, a looping 3D sound and a panned 2D one. Built on Linux over the
// OpenAL implementation and on Windows over the system's DirectSound with its trace layer, the
// two traces it writes must be the same.
#include "platform/audio/audio_output.h"
#include "platform/audio/sound_buffer_name.h"
#ifdef _WIN32
#include "platform/audio/windows/direct_sound_route.h"
#endif

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace {

int fault(const char* call, HRESULT result) {
    std::fprintf(stderr, "dsound_trace_check: %s failed: 0x%08lx\n", call,
                 static_cast<unsigned long>(result));
    return 1;
}

WAVEFORMATEX pcmFormat(WORD channels) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = channels;
    format.nSamplesPerSec = 22050;
    format.wBitsPerSample = 16;
    format.nBlockAlign = static_cast<WORD>(channels * 2);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    return format;
}

// A buffer of a 440 Hz tone, filled through Lock and Unlock.
HRESULT createTone(IDirectSound8* device, DWORD flags, WAVEFORMATEX& format,
                   IDirectSoundBuffer** buffer) {
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = flags;
    description.dwBufferBytes = format.nAvgBytesPerSec / 5;
    description.lpwfxFormat = &format;
    HRESULT result = device->CreateSoundBuffer(&description, buffer, nullptr);
    if (FAILED(result)) {
        return result;
    }
    void* samples = nullptr;
    DWORD bytes = 0;
    result = (*buffer)->Lock(0, 0, &samples, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER);
    if (FAILED(result)) {
        return result;
    }
    auto* values = static_cast<int16_t*>(samples);
    for (DWORD i = 0; i < bytes / 2; ++i) {
        double phase = 2.0 * std::numbers::pi * 440.0 * (i / format.nChannels) / 22050.0;
        values[i] = static_cast<int16_t>(8000.0 * std::sin(phase));
    }
    return (*buffer)->Unlock(samples, bytes, nullptr, 0);
}

int run() {
    IDirectSound8* device = nullptr;
    HRESULT result = DirectSoundCreate8(nullptr, &device, nullptr);
    if (FAILED(result)) {
        return fault("DirectSoundCreate8", result);
    }
    // Any window: the sound of an application without one plays all the same.
    HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x5A1D0));
    if (result = device->SetCooperativeLevel(window, DSSCL_PRIORITY); FAILED(result)) {
        return fault("SetCooperativeLevel", result);
    }

    DSBUFFERDESC primaryDescription{};
    primaryDescription.dwSize = sizeof primaryDescription;
    primaryDescription.dwFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D | DSBCAPS_CTRLVOLUME;
    IDirectSoundBuffer* primary = nullptr;
    if (result = device->CreateSoundBuffer(&primaryDescription, &primary, nullptr);
        FAILED(result)) {
        return fault("CreateSoundBuffer (primary)", result);
    }
    WAVEFORMATEX stereo = pcmFormat(2);
    primary->SetFormat(&stereo);
    primary->SetVolume(-100);
    IDirectSound3DListener* listener = nullptr;
    if (result = primary->QueryInterface(IID_IDirectSound3DListener,
                                         reinterpret_cast<void**>(&listener));
        FAILED(result)) {
        return fault("QueryInterface (listener)", result);
    }
    listener->SetPosition(1.0f, 2.0f, 3.0f, DS3D_DEFERRED);
    listener->SetOrientation(0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, DS3D_DEFERRED);
    listener->SetRolloffFactor(0.5f, DS3D_DEFERRED);
    listener->CommitDeferredSettings();

    WAVEFORMATEX mono = pcmFormat(1);
    IDirectSoundBuffer* engine = nullptr;
    platform::audio::nameNextSoundBuffer("sound\\vessel\\tone.wav");
    if (result = createTone(device, DSBCAPS_CTRL3D | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY,
                            mono, &engine);
        FAILED(result)) {
        return fault("the 3D tone", result);
    }
    IDirectSound3DBuffer* engine3D = nullptr;
    if (result =
            engine->QueryInterface(IID_IDirectSound3DBuffer, reinterpret_cast<void**>(&engine3D));
        FAILED(result)) {
        return fault("QueryInterface (3D buffer)", result);
    }
    engine3D->SetPosition(-1.5f, 0.0f, 4.0f, DS3D_IMMEDIATE);
    engine3D->SetMinDistance(5.0f, DS3D_IMMEDIATE);
    engine3D->SetConeAngles(90, 180, DS3D_IMMEDIATE);
    engine->SetVolume(-600);
    engine->SetFrequency(30000);
    engine->Play(0, 0, DSBPLAY_LOOPING);
    engine->SetCurrentPosition(200);
    engine->Stop();

    IDirectSoundBuffer* click = nullptr;
    if (result = createTone(device, DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME, stereo, &click);
        FAILED(result)) {
        return fault("the 2D tone", result);
    }
    click->SetPan(-2000);
    click->Play(0, 0, 0);

    click->Release();
    engine3D->Release();
    engine->Release();
    listener->Release();
    primary->Release();
    device->Release();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dsound_trace_check TRACE_FILE\n");
        return 2;
    }
#ifdef _WIN32
    platform::audio::routeDirectSoundThroughTrace(::GetModuleHandleA(nullptr));
#endif
    if (!platform::audio::startTrace(argv[1], [] { return 0.0; })) {
        std::fprintf(stderr, "dsound_trace_check: cannot write %s\n", argv[1]);
        return 1;
    }
    int status = run();
    platform::audio::stopTrace();
    return status;
}
