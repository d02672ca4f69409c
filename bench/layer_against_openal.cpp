// What the DirectSound-shaped layer costs over OpenAL Soft itself. One process renders the same
// workload (moving_voices.h) offline twice, one after the other: through the layer (DirectSound
// calls, deferred 3D settings committed once a frame, the offline output), and as a plain OpenAL
// Soft program would (the same sources, positions, cones, resampler and loopback format, each
// position set at once). It prints both real-time factors and their ratio.
#define AL_ALEXT_PROTOTYPES
#include "bench/moving_voice_buffer.h"
#include "platform/audio/audio_output.h"
#include "platform/audio/dsound.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace moving_voices;

constexpr uint32_t outputRateHz = 22050;
constexpr int outputChannels = 2;

// Renders simulated seconds, one simulation frame at a time.
class Workload {
public:
    virtual ~Workload() = default;
    virtual void frame(double simulatedSeconds) = 0;
};

// Frames are due as the offline output counts them: whole frames of the sum of the steps.
size_t framesDue(double simulatedSeconds, uint64_t& framesRendered) {
    const auto due = uint64_t(std::llround(simulatedSeconds * outputRateHz));
    const size_t frames = due > framesRendered ? size_t(due - framesRendered) : 0;
    framesRendered += frames;
    return frames;
}

class LayerWorkload final : public Workload {
public:
    explicit LayerWorkload(size_t voiceCount) {
        platform::audio::selectOutput(platform::audio::Output::Offline);
        if (FAILED(DirectSoundCreate8(nullptr, &directSound_, nullptr))) {
            std::fprintf(stderr, "layer_against_openal: the offline output cannot be opened\n");
            std::exit(1);
        }
        directSound_->SetCooperativeLevel(nullptr, DSSCL_PRIORITY);
        WAVEFORMATEX outputFormat{WAVE_FORMAT_PCM,
                                  outputChannels,
                                  outputRateHz,
                                  outputRateHz * outputChannels * 2,
                                  outputChannels * 2,
                                  16,
                                  0};
        DSBUFFERDESC primaryDescription{
            sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D, 0, 0, nullptr, GUID_NULL};
        IDirectSoundBuffer* primary = nullptr;
        directSound_->CreateSoundBuffer(&primaryDescription, &primary, nullptr);
        primary->SetFormat(&outputFormat);
        primary->QueryInterface(IID_IDirectSound3DListener, (void**)&listener_);
        primary->Release();
        for (size_t index = 0; index < voiceCount; ++index)
            addVoice(index);
        listener_->CommitDeferredSettings();
    }
    ~LayerWorkload() override {
        for (IDirectSound3DBuffer* voice3D : voices3D_)
            voice3D->Release();
        for (IDirectSoundBuffer* voice : voices_)
            voice->Release();
        listener_->Release();
        directSound_->Release();
    }

    void frame(double simulatedSeconds) override {
        for (size_t index = 0; index < voices3D_.size(); ++index) {
            const Position position = voicePosition(index, simulatedSeconds);
            voices3D_[index]->SetPosition(position.x, position.y, position.z, DS3D_DEFERRED);
        }
        const Position listener = listenerPosition(simulatedSeconds);
        listener_->SetPosition(listener.x, listener.y, listener.z, DS3D_DEFERRED);
        listener_->CommitDeferredSettings();
        platform::audio::renderOffline(1.0 / framesPerSecond);
    }

private:
    void addVoice(size_t index) {
        const VoiceBuffers started = startVoice(directSound_, index);
        voices_.push_back(started.buffer);
        voices3D_.push_back(started.buffer3D);
    }

    IDirectSound8* directSound_ = nullptr;
    IDirectSound3DListener* listener_ = nullptr;
    std::vector<IDirectSoundBuffer*> voices_;
    std::vector<IDirectSound3DBuffer*> voices3D_;
};

// DirectSound's left-handed coordinates in OpenAL's right-handed ones.
void setPosition(ALuint source, const Position& position) {
    alSource3f(source, AL_POSITION, position.x, position.y, -position.z);
}

class OpenAlWorkload final : public Workload {
public:
    explicit OpenAlWorkload(size_t voiceCount) {
        device_ = alcLoopbackOpenDeviceSOFT(nullptr);
        const ALCint attributes[] = {ALC_FREQUENCY,
                                     ALCint(outputRateHz),
                                     ALC_FORMAT_CHANNELS_SOFT,
                                     ALC_STEREO_SOFT,
                                     ALC_FORMAT_TYPE_SOFT,
                                     ALC_FLOAT_SOFT,
                                     ALC_HRTF_SOFT,
                                     ALC_FALSE,
                                     ALC_OUTPUT_LIMITER_SOFT,
                                     ALC_FALSE,
                                     ALC_MONO_SOURCES,
                                     1024,
                                     ALC_STEREO_SOURCES,
                                     256,
                                     0};
        context_ = device_ ? alcCreateContext(device_, attributes) : nullptr;
        if (context_ == nullptr) {
            std::fprintf(stderr, "layer_against_openal: no OpenAL loopback device\n");
            std::exit(1);
        }
        alcMakeContextCurrent(context_);
        alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
        const ALint resampler = cubicResampler();
        sources_.resize(voiceCount);
        buffers_.resize(voiceCount);
        alGenSources(ALsizei(voiceCount), sources_.data());
        alGenBuffers(ALsizei(voiceCount), buffers_.data());
        for (size_t index = 0; index < voiceCount; ++index) {
            const std::vector<int16_t> samples = voiceWave(index);
            const ALuint source = sources_[index];
            alBufferData(buffers_[index], AL_FORMAT_MONO16, samples.data(),
                         ALsizei(samples.size() * 2), ALsizei(waveRateHz));
            alSourcei(source, AL_BUFFER, ALint(buffers_[index]));
            alSourcei(source, AL_LOOPING, AL_TRUE);
            if (resampler >= 0)
                alSourcei(source, AL_SOURCE_RESAMPLER_SOFT, resampler);
            alSourcef(source, AL_REFERENCE_DISTANCE, minDistanceMetres);
            alSourcef(source, AL_MAX_DISTANCE, maxDistanceMetres);
            alSource3f(source, AL_DIRECTION, 0.0f, 0.0f, -1.0f);
            alSourcef(source, AL_CONE_INNER_ANGLE, float(coneInsideDegrees));
            alSourcef(source, AL_CONE_OUTER_ANGLE, float(coneOutsideDegrees));
            alSourcef(source, AL_CONE_OUTER_GAIN,
                      std::pow(10.0f, float(coneOutsideVolumeMillibels) / 2000.0f));
            alSourcef(source, AL_PITCH, float(voiceFrequencyHz(index)) / float(waveRateHz));
            setPosition(source, voicePosition(index, 0.0));
            alSourcePlay(source);
        }
    }
    ~OpenAlWorkload() override {
        alSourceStopv(ALsizei(sources_.size()), sources_.data());
        alDeleteSources(ALsizei(sources_.size()), sources_.data());
        alDeleteBuffers(ALsizei(buffers_.size()), buffers_.data());
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context_);
        alcCloseDevice(device_);
    }

    void frame(double simulatedSeconds) override {
        for (size_t index = 0; index < sources_.size(); ++index)
            setPosition(sources_[index], voicePosition(index, simulatedSeconds));
        const Position listener = listenerPosition(simulatedSeconds);
        alListener3f(AL_POSITION, listener.x, listener.y, -listener.z);
        const size_t frames = framesDue(simulatedSeconds, framesRendered_);
        mix_.resize(frames * outputChannels);
        pcm_.resize(mix_.size());
        alcRenderSamplesSOFT(device_, mix_.data(), ALCsizei(frames));
        for (size_t index = 0; index < mix_.size(); ++index)
            pcm_[index] = int16_t(std::lround(std::clamp(mix_[index], -1.0f, 1.0f) * 32767.0f));
    }

private:
    static ALint cubicResampler() {
        if (!alIsExtensionPresent("AL_SOFT_source_resampler"))
            return -1;
        const ALint count = alGetInteger(AL_NUM_RESAMPLERS_SOFT);
        for (ALint index = 0; index < count; ++index) {
            if (std::strcmp(alGetStringiSOFT(AL_RESAMPLER_NAME_SOFT, index), "Cubic") == 0)
                return index;
        }
        return -1;
    }

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    std::vector<ALuint> sources_;
    std::vector<ALuint> buffers_;
    uint64_t framesRendered_ = 0;
    std::vector<float> mix_;
    std::vector<int16_t> pcm_;
};

// Seconds of sound per second of computing, rendering whole simulated seconds until at least
// `minimumWallSeconds` have passed.
double realTimeFactor(Workload& workload, double minimumWallSeconds) {
    using Clock = std::chrono::steady_clock;
    double simulated = 0.0;
    // A warm-up second: the first mixes fill caches and allocate.
    for (int frame = 0; frame < int(framesPerSecond); ++frame)
        workload.frame(simulated += 1.0 / framesPerSecond);
    const Clock::time_point start = Clock::now();
    int renderedSeconds = 0;
    double wall = 0.0;
    do {
        for (int frame = 0; frame < int(framesPerSecond); ++frame)
            workload.frame(simulated += 1.0 / framesPerSecond);
        ++renderedSeconds;
        wall = std::chrono::duration<double>(Clock::now() - start).count();
    } while (wall < minimumWallSeconds);
    return renderedSeconds / wall;
}

template <typename Kind> double measured(size_t voices, double minimumWallSeconds) {
    Kind workload(voices);
    return realTimeFactor(workload, minimumWallSeconds);
}

void printUsage() {
    std::printf(
        "usage: bench_layer_against_openal [--rounds N] [--seconds S] [--only layer|openal]\n"
        "Renders looping 3D voices moved every 1/60 s offline, through the\n"
        "DirectSound-shaped layer and through plain OpenAL Soft calls, one after the\n"
        "other, for 16, 64 and 256 voices, and prints each real-time factor (the best of\n"
        "N rounds, 3 by default, each rendering for at least S seconds, 1 by default)\n"
        "and the layer's share of OpenAL's. With --only, one of the two runs alone, for a\n"
        "profiler.\n");
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 3;
    double minimumWallSeconds = 1.0;
    std::string only;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--help") {
            printUsage();
            return 0;
        }
        if (index + 1 < argc && argument == "--rounds") {
            rounds = std::max(1, std::atoi(argv[++index]));
        } else if (index + 1 < argc && argument == "--seconds") {
            minimumWallSeconds = std::max(0.01, std::atof(argv[++index]));
        } else if (index + 1 < argc && argument == "--only") {
            only = argv[++index];
            if (only != "layer" && only != "openal") {
                printUsage();
                return 2;
            }
        } else {
            printUsage();
            return 2;
        }
    }
    std::printf("%8s %14s %14s %8s\n", "voices", "layer x rt", "OpenAL x rt", "ratio");
    for (const size_t voices : {16u, 64u, 256u}) {
        double layer = 0.0;
        double openAl = 0.0;
        // Alternating rounds share out whatever else the machine does.
        for (int round = 0; round < rounds; ++round) {
            if (only != "openal")
                layer = std::max(layer, measured<LayerWorkload>(voices, minimumWallSeconds));
            if (only != "layer")
                openAl = std::max(openAl, measured<OpenAlWorkload>(voices, minimumWallSeconds));
        }
        if (only.empty())
            std::printf("%8zu %14.1f %14.1f %7.0f%%\n", voices, layer, openAl,
                        100.0 * layer / openAl);
        else
            std::printf("%8zu %14.1f %14.1f %8s\n", voices, layer, openAl, "-");
        std::fflush(stdout);
    }
    return 0;
}
