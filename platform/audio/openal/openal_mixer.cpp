// The thin OpenAL Soft backend: one source and one buffer per voice, the listener, and the two
// kinds of device. Everything DirectSound-specific has been mapped before it gets here.
#define AL_ALEXT_PROTOTYPES
#include "platform/audio/openal/openal_mixer.h"

#include "platform/audio/audio_output.h"
#include "platform/audio/core/sample_conversion.h"
#include "platform/audio/openal/sound_library_log.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <cstring>
#include <vector>

namespace platform::audio {

namespace {
// Enough sources that the plug-in's slot tables (stereo pairs, add-on waves, display sounds)
// never meet a cap; OpenAL Soft's default would stop at 256.
constexpr ALCint monoSources = 1024;
constexpr ALCint stereoSources = 256;
// A fixed resampler, whatever the user's OpenAL configuration says, so that offline renders
// come out the same everywhere.
constexpr const char* resamplerName = "Cubic";

class AlDevice {
public:
    AlDevice(ALCdevice* device, ALCcontext* context) : device_(device), context_(context) {
        makeCurrent();
        alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
        directChannels_ = alIsExtensionPresent("AL_SOFT_direct_channels");
        deferredUpdates_ = alIsExtensionPresent("AL_SOFT_deferred_updates");
        if (alIsExtensionPresent("AL_SOFT_source_resampler")) {
            const ALint count = alGetInteger(AL_NUM_RESAMPLERS_SOFT);
            for (ALint index = 0; index < count; ++index) {
                if (std::strcmp(alGetStringiSOFT(AL_RESAMPLER_NAME_SOFT, index), resamplerName) ==
                    0)
                    resampler_ = index;
            }
        }
    }
    ~AlDevice() {
        if (alcGetCurrentContext() == context_)
            alcMakeContextCurrent(nullptr);
        alcDestroyContext(context_);
        alcCloseDevice(device_);
    }
    AlDevice(const AlDevice&) = delete;
    AlDevice& operator=(const AlDevice&) = delete;

    // OpenAL has one current context per process; each device takes it when it acts.
    void makeCurrent() const {
        if (alcGetCurrentContext() != context_)
            alcMakeContextCurrent(context_);
    }
    ALCdevice* device() const { return device_; }
    bool rendersHrtf() const {
        ALCint hrtf = ALC_FALSE;
        alcGetIntegerv(device_, ALC_HRTF_SOFT, 1, &hrtf);
        return hrtf == ALC_TRUE;
    }
    bool directChannels() const { return directChannels_; }
    bool deferredUpdates() const { return deferredUpdates_; }
    ALint resampler() const { return resampler_; }

private:
    ALCdevice* device_;
    ALCcontext* context_;
    bool directChannels_ = false;
    bool deferredUpdates_ = false;
    ALint resampler_ = -1;
};

ALenum bufferFormat(const WAVEFORMATEX& format) {
    if (format.nChannels == 2)
        return format.wBitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
    return format.wBitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
}

void setVector(ALuint source, ALenum parameter, const Vector3& vector) {
    alSource3f(source, parameter, vector.x, vector.y, vector.z);
}

class AlVoice final : public Voice {
public:
    AlVoice(std::shared_ptr<AlDevice> device, ALuint source, ALuint buffer)
        : device_(std::move(device)), source_(source), buffer_(buffer) {
        if (device_->resampler() >= 0)
            alSourcei(source_, AL_SOURCE_RESAMPLER_SOFT, device_->resampler());
    }
    ~AlVoice() override {
        device_->makeCurrent();
        alSourceStop(source_);
        alSourcei(source_, AL_BUFFER, 0);
        alDeleteSources(1, &source_);
        alDeleteBuffers(1, &buffer_);
    }

    void setSamples(const uint8_t* data, size_t bytes, const WAVEFORMATEX& format) override {
        device_->makeCurrent();
        const ALint state = sourceState();
        const uint32_t position = playPositionBytes();
        // A buffer in use cannot take new data: detach it, refill it, and pick up where it was.
        alSourceStop(source_);
        alSourcei(source_, AL_BUFFER, 0);
        // OpenAL takes one or two channels of 8 or 16 bits; other PCM is converted, and play
        // positions are counted in the frames of the buffer as the caller holds it.
        WAVEFORMATEX played = format;
        if (!isCommonPcm(format)) {
            played = convertToCommonPcm(data, bytes, format, converted_);
            data = converted_.data();
            bytes = converted_.size();
        } else {
            converted_.clear();
        }
        callerFrameBytes_ = format.nBlockAlign;
        playedFrameBytes_ = played.nBlockAlign;
        const size_t wholeFrames = bytes - bytes % played.nBlockAlign;
        alBufferData(buffer_, bufferFormat(played), data, ALsizei(wholeFrames),
                     ALsizei(played.nSamplesPerSec));
        alSourcei(source_, AL_BUFFER, ALint(buffer_));
        if (device_->directChannels())
            alSourcei(source_, AL_DIRECT_CHANNELS_SOFT, played.nChannels == 2);
        storedPosition_ = position;
        if (state == AL_PLAYING || state == AL_PAUSED) {
            startFromStoredPosition();
            if (state == AL_PAUSED)
                alSourcePause(source_);
        }
    }

    void play(bool looping) override {
        device_->makeCurrent();
        alSourcei(source_, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
        if (sourceState() != AL_PLAYING)
            startFromStoredPosition();
    }

    void pause() override {
        device_->makeCurrent();
        if (sourceState() == AL_PLAYING)
            alSourcePause(source_);
    }

    bool isPlaying() const override {
        device_->makeCurrent();
        return sourceState() == AL_PLAYING;
    }

    uint32_t playPositionBytes() const override {
        device_->makeCurrent();
        const ALint state = sourceState();
        if (state != AL_PLAYING && state != AL_PAUSED)
            return storedPosition_;
        ALint offset = 0;
        alGetSourcei(source_, AL_BYTE_OFFSET, &offset);
        return uint32_t(uint64_t(offset) / playedFrameBytes_ * callerFrameBytes_);
    }

    void setPlayPositionBytes(uint32_t bytes) override {
        device_->makeCurrent();
        const ALint state = sourceState();
        if (state == AL_PLAYING || state == AL_PAUSED)
            alSourcei(source_, AL_BYTE_OFFSET, playedOffset(bytes));
        else
            storedPosition_ = bytes;
    }

    void setGain(float gain) override {
        device_->makeCurrent();
        alSourcef(source_, AL_GAIN, gain);
    }

    // No clamp of ours: OpenAL Soft 1.19 limits a voice's step (pitch × wave rate ÷ output rate)
    // to 255, later versions to 10, which DirectSound's highest frequency reaches only at output
    // rates below 20000 Hz.
    void setPitch(float ratio) override {
        device_->makeCurrent();
        alSourcef(source_, AL_PITCH, ratio);
    }

    // Only what changed reaches OpenAL: each property set takes its locks and marks the source
    // for a new mix, and a frame usually moves a source and nothing else.
    void setPlacement(const SourcePlacement& placement) override {
        const SourcePlacement before = placement_;
        const bool all = !placed_;
        placed_ = true;
        placement_ = placement;
        device_->makeCurrent();
        if (all || placement.listenerRelative != before.listenerRelative)
            alSourcei(source_, AL_SOURCE_RELATIVE, placement.listenerRelative ? AL_TRUE : AL_FALSE);
        setVectorIfChanged(all, AL_POSITION, placement.position, before.position);
        setVectorIfChanged(all, AL_VELOCITY, placement.velocity, before.velocity);
        setVectorIfChanged(all, AL_DIRECTION, placement.direction, before.direction);
        setIfChanged(all, AL_REFERENCE_DISTANCE, placement.referenceDistance,
                     before.referenceDistance);
        setIfChanged(all, AL_MAX_DISTANCE, placement.maxDistance, before.maxDistance);
        setIfChanged(all, AL_ROLLOFF_FACTOR, placement.rolloffFactor, before.rolloffFactor);
        setIfChanged(all, AL_CONE_INNER_ANGLE, placement.coneInnerDegrees, before.coneInnerDegrees);
        setIfChanged(all, AL_CONE_OUTER_ANGLE, placement.coneOuterDegrees, before.coneOuterDegrees);
        setIfChanged(all, AL_CONE_OUTER_GAIN, placement.coneOuterGain, before.coneOuterGain);
    }

private:
    void setIfChanged(bool all, ALenum parameter, float value, float before) const {
        if (all || value != before)
            alSourcef(source_, parameter, value);
    }
    void setVectorIfChanged(bool all, ALenum parameter, const Vector3& vector,
                            const Vector3& before) const {
        if (all || vector != before)
            setVector(source_, parameter, vector);
    }

    ALint playedOffset(uint32_t callerBytes) const {
        return ALint(uint64_t(callerBytes) / callerFrameBytes_ * playedFrameBytes_);
    }

    ALint sourceState() const {
        ALint state = AL_INITIAL;
        alGetSourcei(source_, AL_SOURCE_STATE, &state);
        return state;
    }

    // A stopped source starts from its beginning; an offset set after the start moves it at
    // once, before anything has been mixed from the beginning.
    void startFromStoredPosition() {
        if (device_->deferredUpdates())
            alDeferUpdatesSOFT();
        alSourcePlay(source_);
        if (storedPosition_ != 0)
            alSourcei(source_, AL_BYTE_OFFSET, playedOffset(storedPosition_));
        if (device_->deferredUpdates())
            alProcessUpdatesSOFT();
        storedPosition_ = 0;
    }

    std::shared_ptr<AlDevice> device_;
    ALuint source_;
    ALuint buffer_;
    uint32_t storedPosition_ = 0;    // where a stopped source starts next
    std::vector<uint8_t> converted_; // the samples as OpenAL takes them, when they differ
    uint32_t callerFrameBytes_ = 1;
    uint32_t playedFrameBytes_ = 1;
    bool placed_ = false;
    SourcePlacement placement_;
};

class AlMixer : public Mixer {
public:
    explicit AlMixer(std::shared_ptr<AlDevice> device) : device_(std::move(device)) {}

    std::unique_ptr<Voice> createVoice() override {
        device_->makeCurrent();
        alGetError();
        ALuint source = 0;
        alGenSources(1, &source);
        if (alGetError() != AL_NO_ERROR)
            return nullptr;
        ALuint buffer = 0;
        alGenBuffers(1, &buffer);
        if (alGetError() != AL_NO_ERROR) {
            alDeleteSources(1, &source);
            return nullptr;
        }
        return std::make_unique<AlVoice>(device_, source, buffer);
    }

    // As for sources, only what changed: a commit usually moves the listener and nothing else.
    void setListener(const ListenerPlacement& placement) override {
        const ListenerPlacement before = listener_;
        const bool all = !listenerSet_;
        listenerSet_ = true;
        listener_ = placement;
        device_->makeCurrent();
        if (all || placement.position != before.position)
            alListener3f(AL_POSITION, placement.position.x, placement.position.y,
                         placement.position.z);
        if (all || placement.velocity != before.velocity)
            alListener3f(AL_VELOCITY, placement.velocity.x, placement.velocity.y,
                         placement.velocity.z);
        if (all || placement.at != before.at || placement.up != before.up) {
            const ALfloat orientation[] = {placement.at.x, placement.at.y, placement.at.z,
                                           placement.up.x, placement.up.y, placement.up.z};
            alListenerfv(AL_ORIENTATION, orientation);
        }
        if (all || placement.dopplerFactor != before.dopplerFactor)
            alDopplerFactor(placement.dopplerFactor);
        if (all || placement.speedOfSound != before.speedOfSound)
            alSpeedOfSound(placement.speedOfSound);
    }

    void setMasterGain(float gain) override {
        device_->makeCurrent();
        alListenerf(AL_GAIN, gain);
    }

    // The sound card keeps its own rate and channels, as the system mixer of Windows does
    // whatever format the primary buffer asks for.
    void setOutputFormat(const WAVEFORMATEX&) override {}

    DWORD speakerConfig() const override {
        return device_->rendersHrtf()
                   ? DWORD(DSSPEAKER_HEADPHONE)
                   : DSSPEAKER_COMBINED(DSSPEAKER_STEREO, DSSPEAKER_GEOMETRY_WIDE);
    }

    void beginBatch() override {
        device_->makeCurrent();
        if (device_->deferredUpdates())
            alDeferUpdatesSOFT();
    }

    void endBatch() override {
        device_->makeCurrent();
        if (device_->deferredUpdates())
            alProcessUpdatesSOFT();
    }

protected:
    const std::shared_ptr<AlDevice>& device() const { return device_; }

private:
    std::shared_ptr<AlDevice> device_;
    bool listenerSet_ = false;
    ListenerPlacement listener_;
};

std::vector<ALCint> loopbackAttributes(const WAVEFORMATEX& format, bool headphones) {
    // Float output: no dither and no limiter, so the mix is exactly what the sources make.
    return {ALC_FREQUENCY,
            ALCint(format.nSamplesPerSec),
            ALC_FORMAT_CHANNELS_SOFT,
            format.nChannels == 1 ? ALC_MONO_SOFT : ALC_STEREO_SOFT,
            ALC_FORMAT_TYPE_SOFT,
            ALC_FLOAT_SOFT,
            ALC_HRTF_SOFT,
            headphones ? ALC_TRUE : ALC_FALSE,
            ALC_OUTPUT_LIMITER_SOFT,
            ALC_FALSE,
            ALC_MONO_SOURCES,
            monoSources,
            ALC_STEREO_SOURCES,
            stereoSources,
            0};
}

class LoopbackMixer final : public AlMixer, public OfflineRender {
public:
    LoopbackMixer(std::shared_ptr<AlDevice> device, const WAVEFORMATEX& format, bool headphones)
        : AlMixer(std::move(device)), format_(format), headphones_(headphones) {}

    // Binaural sound keeps the format of the HRTF data, as a system mixer keeps its own.
    void setOutputFormat(const WAVEFORMATEX& format) override {
        if (headphones_ ||
            !alcResetDeviceSOFT(device()->device(), loopbackAttributes(format, false).data()))
            return;
        format_ = format;
    }

    DWORD speakerConfig() const override {
        if (device()->rendersHrtf())
            return DSSPEAKER_HEADPHONE;
        return format_.nChannels == 1
                   ? DWORD(DSSPEAKER_MONO)
                   : DSSPEAKER_COMBINED(DSSPEAKER_STEREO, DSSPEAKER_GEOMETRY_WIDE);
    }

    WAVEFORMATEX outputFormat() const override { return format_; }

    void render(float* frames, size_t frameCount) override {
        alcRenderSamplesSOFT(device()->device(), frames, ALCsizei(frameCount));
    }

private:
    WAVEFORMATEX format_;
    bool headphones_;
};

std::shared_ptr<AlDevice> createContext(ALCdevice* device, const ALCint* attributes) {
    if (device == nullptr)
        return nullptr;
    ALCcontext* context = alcCreateContext(device, attributes);
    if (context == nullptr) {
        alcCloseDevice(device);
        return nullptr;
    }
    return std::make_shared<AlDevice>(device, context);
}
} // namespace

std::shared_ptr<Mixer> openSoundCardMixer(bool headphones) {
    std::vector<ALCint> attributes{ALC_MONO_SOURCES, monoSources, ALC_STEREO_SOURCES,
                                   stereoSources};
    // Without headphones asked for, OpenAL Soft's own choice (its configuration, or headphones
    // it detects) holds.
    if (headphones)
        attributes.insert(attributes.end(), {ALC_HRTF_SOFT, ALC_TRUE});
    attributes.push_back(0);
    std::shared_ptr<AlDevice> device = createContext(alcOpenDevice(nullptr), attributes.data());
    if (!device) {
        logSoundLibraryMessage("the default sound device cannot be opened");
        return nullptr;
    }
    return std::make_shared<AlMixer>(std::move(device));
}

OfflineMixer openOfflineMixer(const WAVEFORMATEX& format, bool headphones) {
    const WAVEFORMATEX mixFormat = headphones ? binauralFormat() : format;
    std::shared_ptr<AlDevice> device = createContext(
        alcLoopbackOpenDeviceSOFT(nullptr), loopbackAttributes(mixFormat, headphones).data());
    if (!device)
        return {};
    auto mixer = std::make_shared<LoopbackMixer>(std::move(device), mixFormat, headphones);
    return {mixer, mixer};
}

} // namespace platform::audio
