// Headphones: a sound to one side rendered binaurally reaches the far ear later and softer, where
// speakers' panning only makes it softer.
#include "tests/platform_audio/offline_device.h"

#include <cstring>
#include <random>

namespace audio_test {
namespace {

constexpr DWORD noiseRate = 44100;
constexpr DWORD flags3D = DSBCAPS_CTRL3D | DSBCAPS_CTRLVOLUME;
// The far ear hears a sound from the side up to about 0.7 ms later.
constexpr double longestLagSeconds = 0.0015;

struct Ears {
    double leftLevel = 0.0;
    double rightLevel = 0.0;
    // The delay of the left channel behind the right where they are most alike, in seconds.
    double leftDelaySeconds = 0.0;
};

Ears earsOf(const platform::audio::RenderedAudio& audio) {
    EXPECT_EQ(audio.format.nChannels, 2);
    EXPECT_EQ(audio.format.wBitsPerSample, 16);
    const size_t frames = audio.samples.size() / audio.format.nBlockAlign;
    std::vector<double> left(frames), right(frames);
    for (size_t frame = 0; frame < frames; ++frame) {
        int16_t pair[2];
        std::memcpy(pair, audio.samples.data() + frame * 4, 4);
        left[frame] = pair[0] / 32768.0;
        right[frame] = pair[1] / 32768.0;
    }
    Levels levels = levelsOf(audio);
    const int longestLag = int(longestLagSeconds * audio.format.nSamplesPerSec);
    int bestLag = 0;
    double best = -1.0;
    for (int lag = -longestLag; lag <= longestLag; ++lag) {
        double sum = 0.0;
        for (size_t frame = size_t(longestLag); frame + size_t(longestLag) < frames; ++frame) {
            sum += left[frame] * right[size_t(int(frame) - lag)];
        }
        if (sum > best) {
            best = sum;
            bestLag = lag;
        }
    }
    return {levels.left, levels.right, double(bestLag) / audio.format.nSamplesPerSec};
}

class Headphones : public OfflineDevice, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::audio::selectHeadphones(GetParam()));
        OfflineDevice::SetUp();
    }
    void TearDown() override {
        OfflineDevice::TearDown();
        platform::audio::selectHeadphones(false);
    }

    // A second of white noise, playing in a loop 3 m to the listener's right.
    Held<IDirectSoundBuffer> noiseToTheRight() {
        std::vector<int16_t> samples(noiseRate);
        std::mt19937 generator(17);
        std::uniform_int_distribution<int> sample(-8000, 8000);
        for (int16_t& value : samples) {
            value = int16_t(sample(generator));
        }
        WAVEFORMATEX format = pcmFormat(1, noiseRate, 16);
        DSBUFFERDESC description{
            sizeof(DSBUFFERDESC), flags3D, DWORD(samples.size() * 2), 0, &format, GUID_NULL};
        IDirectSoundBuffer* buffer = nullptr;
        EXPECT_EQ(directSound->CreateSoundBuffer(&description, &buffer, nullptr), DS_OK);
        if (buffer == nullptr) {
            return nullptr;
        }
        void* data = nullptr;
        DWORD bytes = 0;
        EXPECT_EQ(buffer->Lock(0, 0, &data, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
        std::memcpy(data, samples.data(), bytes);
        EXPECT_EQ(buffer->Unlock(data, bytes, nullptr, 0), DS_OK);
        EXPECT_EQ(interface3D(buffer)->SetPosition(3.0f, 0.0f, 0.0f, DS3D_IMMEDIATE), DS_OK);
        EXPECT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
        return Held<IDirectSoundBuffer>(buffer);
    }
};

TEST_P(Headphones, TheDeviceReportsItsSpeakers) {
    DWORD speakers = 0;
    ASSERT_EQ(directSound->GetSpeakerConfig(&speakers), DS_OK);
    EXPECT_EQ(speakers == DSSPEAKER_HEADPHONE, GetParam()) << speakers;
}

TEST_P(Headphones, ASoundToOneSideReachesTheFarEarAsBinauralRenderingMakesIt) {
    auto noise = noiseToTheRight();
    ASSERT_TRUE(noise);
    platform::audio::renderOffline(0.05);
    const auto audio = platform::audio::renderOffline(0.5);
    Ears ears = earsOf(audio);
    EXPECT_GT(ears.rightLevel, 0.01);
    if (GetParam()) {
        // Through the head: softer, and later by the way around it, at the HRTF data's rate.
        EXPECT_EQ(audio.format.nSamplesPerSec, 44100u);
        EXPECT_GT(ears.leftLevel, 0.1 * ears.rightLevel);
        EXPECT_LT(ears.leftLevel, 0.9 * ears.rightLevel);
        EXPECT_GT(ears.leftDelaySeconds, 0.0002);
        EXPECT_LT(ears.leftDelaySeconds, 0.0012);
    } else {
        // Panned into the right speaker alone, at the primary buffer's rate.
        EXPECT_EQ(audio.format.nSamplesPerSec, 22050u);
        EXPECT_LT(ears.leftLevel, 0.01 * ears.rightLevel);
    }
}

INSTANTIATE_TEST_SUITE_P(SpeakersOrHeadphones, Headphones, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& speakers) {
                             return speakers.param ? "Headphones" : "Speakers";
                         });

} // namespace
} // namespace audio_test
