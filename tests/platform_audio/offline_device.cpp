#include "tests/platform_audio/offline_device.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace audio_test {

using platform::audio::RenderedAudio;

namespace {
constexpr double settlingSeconds = 0.05;

double sampleAt(const RenderedAudio& audio, size_t frame, size_t channel) {
    const size_t index = frame * audio.format.nChannels + channel;
    int16_t value = 0;
    std::memcpy(&value, audio.samples.data() + 2 * index, 2);
    return value / 32768.0;
}

size_t frameCount(const RenderedAudio& audio) {
    return audio.samples.size() / audio.format.nBlockAlign;
}
} // namespace

WAVEFORMATEX pcmFormat(WORD channels, DWORD rate, WORD bits) {
    const WORD blockAlign = WORD(channels * bits / 8);
    return {WAVE_FORMAT_PCM, channels, rate, rate * blockAlign, blockAlign, bits, 0};
}

std::vector<int16_t> sineSamples(double hertz, DWORD rate, double seconds, double amplitude) {
    std::vector<int16_t> samples(size_t(rate * seconds));
    for (size_t index = 0; index < samples.size(); ++index) {
        const double phase = 2.0 * std::numbers::pi * hertz * double(index) / rate;
        samples[index] = int16_t(std::lround(amplitude * 32767.0 * std::sin(phase)));
    }
    return samples;
}

Levels levelsOf(const RenderedAudio& audio) {
    EXPECT_EQ(audio.format.wBitsPerSample, 16);
    const size_t frames = frameCount(audio);
    const size_t rightChannel = audio.format.nChannels == 2 ? 1 : 0;
    double left = 0.0;
    double right = 0.0;
    for (size_t frame = 0; frame < frames; ++frame) {
        left += std::pow(sampleAt(audio, frame, 0), 2);
        right += std::pow(sampleAt(audio, frame, rightChannel), 2);
    }
    return {std::sqrt(left / frames), std::sqrt(right / frames)};
}

double frequencyOf(const RenderedAudio& audio) {
    const size_t frames = frameCount(audio);
    size_t firstCrossing = 0;
    size_t lastCrossing = 0;
    int crossings = 0;
    for (size_t frame = 1; frame < frames; ++frame) {
        if (sampleAt(audio, frame - 1, 0) < 0.0 && sampleAt(audio, frame, 0) >= 0.0) {
            if (crossings++ == 0)
                firstCrossing = frame;
            lastCrossing = frame;
        }
    }
    if (crossings < 2)
        return 0.0;
    return (crossings - 1) * double(audio.format.nSamplesPerSec) /
           double(lastCrossing - firstCrossing);
}

void OfflineDevice::SetUp() {
    platform::audio::selectOutput(platform::audio::Output::Offline);
    ASSERT_EQ(DirectSoundCreate8(nullptr, &directSound, nullptr), DS_OK);
    ASSERT_EQ(directSound->SetCooperativeLevel(nullptr, DSSCL_PRIORITY), DS_OK);
    DSBUFFERDESC description{
        sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D, 0, 0, nullptr, GUID_NULL};
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(directSound->CreateSoundBuffer(&description, &primary, nullptr), DS_OK);
    const WAVEFORMATEX format = pcmFormat(2, 22050, 16);
    EXPECT_EQ(primary->SetFormat(&format), DS_OK);
    EXPECT_EQ(primary->QueryInterface(IID_IDirectSound3DListener8, (void**)&listener), DS_OK);
    primary->Release();
}

void OfflineDevice::TearDown() {
    if (listener)
        listener->Release();
    if (directSound)
        directSound->Release();
    platform::audio::selectOutput(platform::audio::Output::SoundCard);
}

Held<IDirectSoundBuffer> OfflineDevice::tone(double hertz, DWORD flags, DWORD rate,
                                             double seconds) {
    const std::vector<int16_t> samples = sineSamples(hertz, rate, seconds, 0.25);
    WAVEFORMATEX format = pcmFormat(1, rate, 16);
    DSBUFFERDESC description{
        sizeof(DSBUFFERDESC), flags, DWORD(samples.size() * 2), 0, &format, GUID_NULL};
    IDirectSoundBuffer* buffer = nullptr;
    EXPECT_EQ(directSound->CreateSoundBuffer(&description, &buffer, nullptr), DS_OK);
    if (buffer == nullptr)
        return nullptr;
    void* data = nullptr;
    DWORD bytes = 0;
    EXPECT_EQ(buffer->Lock(0, 0, &data, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    std::memcpy(data, samples.data(), bytes);
    EXPECT_EQ(buffer->Unlock(data, bytes, nullptr, 0), DS_OK);
    return Held<IDirectSoundBuffer>(buffer);
}

Held<IDirectSound3DBuffer> OfflineDevice::interface3D(IDirectSoundBuffer* buffer) {
    IDirectSound3DBuffer* buffer3D = nullptr;
    EXPECT_EQ(buffer->QueryInterface(IID_IDirectSound3DBuffer8, (void**)&buffer3D), DS_OK);
    return Held<IDirectSound3DBuffer>(buffer3D);
}

Levels OfflineDevice::levelsOver(double seconds) {
    platform::audio::renderOffline(settlingSeconds);
    return levelsOf(platform::audio::renderOffline(seconds));
}

} // namespace audio_test
