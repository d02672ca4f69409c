// Real-time factor of the offline output: seconds of sound rendered per second of computing, with
// looping 3D voices that move every simulation frame as the plug-in moves them.
#include "bench/moving_voice_buffer.h"
#include "platform/audio/audio_output.h"
#include "platform/audio/dsound.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using namespace moving_voices;

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
        const VoiceBuffers started = startVoice(directSound, index);
        voices.push_back(started.buffer);
        voices3D.push_back(started.buffer3D);
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
