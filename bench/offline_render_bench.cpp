// Real-time factor of the offline output: seconds of sound rendered per second of computing, with
// looping 3D voices that move every simulation frame as the plug-in moves them.
#include "bench/moving_voices.h"
#include "platform/audio/audio_output.h"
#include "platform/audio/dsound.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using namespace moving_voices;

IDirectSoundBuffer* loopingVoice(IDirectSound8* directSound, size_t voice) {
    const std::vector<int16_t> samples = voiceWave(voice);
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, waveRateHz, waveRateHz * 2, 2, 16, 0};
    DSBUFFERDESC description{sizeof(DSBUFFERDESC),
                             DSBCAPS_CTRL3D | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY,
                             DWORD(samples.size() * 2),
                             0,
                             &format,
                             GUID_NULL};
    IDirectSoundBuffer* buffer = nullptr;
    directSound->CreateSoundBuffer(&description, &buffer, nullptr);
    void* data = nullptr;
    DWORD bytes = 0;
    buffer->Lock(0, 0, &data, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER);
    std::memcpy(data, samples.data(), bytes);
    buffer->Unlock(data, bytes, nullptr, 0);
    return buffer;
}

void offlineRender(benchmark::State& state) {
    platform::audio::selectOutput(platform::audio::Output::Offline);
    IDirectSound8* directSound = nullptr;
    if (FAILED(DirectSoundCreate8(nullptr, &directSound, nullptr))) {
        state.SkipWithError("no offline output");
        return;
    }
    directSound->SetCooperativeLevel(nullptr, DSSCL_PRIORITY);
    DSBUFFERDESC primaryDescription{
        sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D, 0, 0, nullptr, GUID_NULL};
    IDirectSoundBuffer* primary = nullptr;
    directSound->CreateSoundBuffer(&primaryDescription, &primary, nullptr);
    IDirectSound3DListener* listener = nullptr;
    primary->QueryInterface(IID_IDirectSound3DListener, (void**)&listener);
    primary->Release();

    const auto voiceCount = size_t(state.range(0));
    std::vector<IDirectSoundBuffer*> voices;
    std::vector<IDirectSound3DBuffer*> voices3D;
    for (size_t index = 0; index < voiceCount; ++index) {
        IDirectSoundBuffer* voice = loopingVoice(directSound, index);
        IDirectSound3DBuffer* voice3D = nullptr;
        voice->QueryInterface(IID_IDirectSound3DBuffer, (void**)&voice3D);
        voice3D->SetMinDistance(minDistanceMetres, DS3D_DEFERRED);
        voice3D->SetMaxDistance(maxDistanceMetres, DS3D_DEFERRED);
        voice3D->SetConeAngles(coneInsideDegrees, coneOutsideDegrees, DS3D_DEFERRED);
        voice3D->SetConeOutsideVolume(coneOutsideVolumeMillibels, DS3D_DEFERRED);
        voice->SetFrequency(voiceFrequencyHz(index));
        voice->Play(0, 0, DSBPLAY_LOOPING);
        voices.push_back(voice);
        voices3D.push_back(voice3D);
    }
    listener->CommitDeferredSettings();

    double simulated = 0.0;
    for (auto _ : state) {
        for (int frame = 0; frame < int(framesPerSecond); ++frame) {
            simulated += 1.0 / framesPerSecond;
            for (size_t index = 0; index < voiceCount; ++index) {
                const Position position = voicePosition(index, simulated);
                voices3D[index]->SetPosition(position.x, position.y, position.z, DS3D_DEFERRED);
            }
            const Position listenerAt = listenerPosition(simulated);
            listener->SetPosition(listenerAt.x, listenerAt.y, listenerAt.z, DS3D_DEFERRED);
            listener->CommitDeferredSettings();
            benchmark::DoNotOptimize(
                platform::audio::renderOffline(1.0 / framesPerSecond).samples.data());
        }
    }
    // One iteration renders one second of sound: its rate is the real-time factor.
    state.counters["realtime_factor"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);

    for (IDirectSound3DBuffer* voice3D : voices3D)
        voice3D->Release();
    for (IDirectSoundBuffer* voice : voices)
        voice->Release();
    listener->Release();
    directSound->Release();
}

} // namespace

BENCHMARK(offlineRender)->Arg(16)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
