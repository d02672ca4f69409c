// The host's side of vrdsound: the offline mix it pulls, the trace it reads and the WAV files
// it writes.
#include "platform/audio/sound_buffer_name.h"
#include "platform/audio/wav_writer.h"
#include "tests/platform_audio/offline_device.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace audio_test {
namespace {

using platform::audio::renderOffline;

std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::filesystem::path temporaryFile(const char* name) {
    return std::filesystem::temp_directory_path() /
           (std::string("zephyrin_") + std::to_string(::getpid()) + "_" + name);
}

using OfflineOutput = OfflineDevice;

TEST_F(OfflineOutput, RendersAtThePrimaryBuffersFormat) {
    DSBUFFERDESC description{sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER, 0, 0, nullptr, GUID_NULL};
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(directSound->CreateSoundBuffer(&description, &primary, nullptr), DS_OK);
    const WAVEFORMATEX format = pcmFormat(1, 44100, 8);
    ASSERT_EQ(primary->SetFormat(&format), DS_OK);
    primary->Release();

    const auto audio = renderOffline(0.1);
    EXPECT_EQ(audio.format.nSamplesPerSec, 44100u);
    EXPECT_EQ(audio.format.nChannels, 1);
    EXPECT_EQ(audio.format.wBitsPerSample, 8);
    EXPECT_NEAR(double(audio.samples.size()), 4410.0, 1.0);
    EXPECT_TRUE(std::all_of(audio.samples.begin(), audio.samples.end(), [](uint8_t sample) {
        return sample == 128;
    })) << "8-bit silence";
    DWORD speakers = 0;
    ASSERT_EQ(directSound->GetSpeakerConfig(&speakers), DS_OK);
    EXPECT_EQ(speakers, DWORD(DSSPEAKER_MONO));
}

TEST_F(OfflineOutput, ThePrimaryBufferMixesAt24And32Bits) {
    for (WORD bits : {WORD(24), WORD(32)}) {
        DSBUFFERDESC description{
            sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER, 0, 0, nullptr, GUID_NULL};
        IDirectSoundBuffer* primary = nullptr;
        ASSERT_EQ(directSound->CreateSoundBuffer(&description, &primary, nullptr), DS_OK);
        const WAVEFORMATEX format = pcmFormat(2, 22050, bits);
        ASSERT_EQ(primary->SetFormat(&format), DS_OK) << bits;
        primary->Release();
        auto sound = tone(441, 0);
        ASSERT_EQ(sound->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
        renderOffline(0.1);
        const auto audio = renderOffline(0.1);
        ASSERT_EQ(audio.format.wBitsPerSample, bits);
        const unsigned sampleBytes = bits / 8u;
        ASSERT_NEAR(double(audio.samples.size()), 2205.0 * 2 * sampleBytes, 2.0 * 2 * sampleBytes);
        // The highest sample, as a fraction of full scale: the tone's quarter amplitude
        // shared by two channels.
        double peak = 0;
        for (size_t at = 0; at + sampleBytes <= audio.samples.size(); at += sampleBytes) {
            int64_t value = int8_t(audio.samples[at + sampleBytes - 1]);
            for (unsigned byte = sampleBytes - 1; byte-- > 0;)
                value = value * 256 + audio.samples[at + byte];
            peak = std::max(peak, std::abs(double(value)) / std::ldexp(1.0, bits - 1));
        }
        EXPECT_GT(peak, 0.1) << bits;
        EXPECT_LT(peak, 0.3) << bits;
    }
}

TEST_F(OfflineOutput, AFourChannel24BitBufferPlaysIn2DMixedToTwoChannels) {
    // Front left and back left hold a tone, front right and back right silence.
    const std::vector<int16_t> sine = sineSamples(441, 22050, 0.5, 0.5);
    std::vector<uint8_t> samples;
    for (int16_t value : sine) {
        for (int channel = 0; channel < 4; ++channel) {
            const int32_t stored = channel % 2 == 0 ? int32_t(value) * 256 : 0;
            for (int byte = 0; byte < 3; ++byte)
                samples.push_back(uint8_t((uint32_t(stored) >> (8 * byte)) & 0xFF));
        }
    }
    WAVEFORMATEX format = pcmFormat(4, 22050, 24);
    DSBUFFERDESC description{sizeof(DSBUFFERDESC), 0, DWORD(samples.size()), 0, &format, GUID_NULL};
    IDirectSoundBuffer* buffer = nullptr;
    ASSERT_EQ(directSound->CreateSoundBuffer(&description, &buffer, nullptr), DS_OK);
    Held<IDirectSoundBuffer> held(buffer);
    void* data = nullptr;
    DWORD bytes = 0;
    ASSERT_EQ(buffer->Lock(0, 0, &data, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    std::memcpy(data, samples.data(), bytes);
    ASSERT_EQ(buffer->Unlock(data, bytes, nullptr, 0), DS_OK);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);

    const Levels levels = levelsOver(0.2);
    EXPECT_GT(levels.left, 0.1);
    EXPECT_LT(levels.right, 0.001);
    DWORD playCursor = 0;
    ASSERT_EQ(buffer->GetCurrentPosition(&playCursor, nullptr), DS_OK);
    EXPECT_EQ(playCursor % format.nBlockAlign, 0u) << "in the frames of the buffer as created";
}

TEST_F(OfflineOutput, FractionsOfAFrameCarryOver) {
    size_t bytes = 0;
    for (int step = 0; step < 1000; ++step)
        bytes += renderOffline(1.0 / 60.0).samples.size();
    // Rounding each step on its own would drift by up to half a frame per step.
    EXPECT_NEAR(double(bytes), 22050.0 * 4 * 1000 / 60, 4.0);
}

TEST_F(OfflineOutput, TheSameCallsRenderTheSameBytes) {
    auto render = [this] {
        renderOffline(0.01);
        auto buffer = tone(440, DSBCAPS_CTRL3D | DSBCAPS_CTRLFREQUENCY, 11025, 0.3);
        IDirectSound3DBuffer* buffer3D = nullptr;
        buffer->QueryInterface(IID_IDirectSound3DBuffer, (void**)&buffer3D);
        buffer3D->SetPosition(2, 1, 3, DS3D_IMMEDIATE);
        buffer->SetFrequency(13000);
        buffer->Play(0, 0, DSBPLAY_LOOPING);
        auto audio = renderOffline(0.25);
        buffer3D->Release();
        // The length may differ by the frame that earlier calls carried over.
        const size_t compared = 5000 * audio.format.nBlockAlign;
        EXPECT_GE(audio.samples.size(), compared);
        return std::vector<uint8_t>(audio.samples.begin(), audio.samples.begin() + compared);
    };
    const std::vector<uint8_t> first = render();
    EXPECT_EQ(render(), first);
}

TEST_F(OfflineOutput, AFlightRecordsToAWavFileStepByStep) {
    const auto path = temporaryFile("flight.wav");
    auto buffer = tone(441, 0, 22050, 1.0);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    platform::audio::WavWriter wav;
    for (int step = 0; step < 30; ++step) {
        const auto audio = renderOffline(1.0 / 60.0);
        if (!wav.isOpen()) {
            ASSERT_TRUE(wav.open(path.string(), audio.format));
        }
        ASSERT_TRUE(wav.write(audio.samples));
    }
    ASSERT_TRUE(wav.close());
    const std::vector<uint8_t> bytes = fileBytes(path);
    std::filesystem::remove(path);
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_NEAR(double(bytes.size() - 44), 0.5 * 22050 * 4, 4.0);
    std::vector<int16_t> samples((bytes.size() - 44) / 2);
    std::memcpy(samples.data(), bytes.data() + 44, samples.size() * 2);
    EXPECT_GT(*std::max_element(samples.begin(), samples.end()), 1000) << "the tone is in the file";
}

TEST(OfflineOutputWithoutDevice, RendersSilenceAtTheLastFormat) {
    const auto audio = renderOffline(0.05);
    EXPECT_NEAR(double(audio.samples.size()), audio.format.nAvgBytesPerSec * 0.05,
                audio.format.nBlockAlign)
        << "within the frame that earlier fractions carry over";
    EXPECT_TRUE(std::all_of(audio.samples.begin(), audio.samples.end(), [&](uint8_t sample) {
        return sample == (audio.format.wBitsPerSample == 8 ? 128 : 0);
    }));
}

TEST(SoundCardOutput, FailsWithoutASoundCardOrGivesAWorkingDevice) {
    platform::audio::selectOutput(platform::audio::Output::SoundCard);
    EXPECT_EQ(platform::audio::selectedOutput(), platform::audio::Output::SoundCard);
    IDirectSound8* directSound = nullptr;
    const HRESULT result = DirectSoundCreate8(nullptr, &directSound, nullptr);
    if (FAILED(result)) {
        EXPECT_EQ(result, DSERR_NODRIVER);
        EXPECT_EQ(directSound, nullptr);
        return;
    }
    EXPECT_EQ(directSound->SetCooperativeLevel(nullptr, DSSCL_PRIORITY), DS_OK);
    EXPECT_EQ(directSound->Release(), 0u);
}

TEST(DirectSoundCreate, RefusesAggregationAndUnknownDevices) {
    IDirectSound8* directSound = nullptr;
    EXPECT_EQ(DirectSoundCreate8(nullptr, nullptr, nullptr), DSERR_INVALIDPARAM);
    IUnknown* outer = reinterpret_cast<IUnknown*>(&directSound);
    EXPECT_EQ(DirectSoundCreate8(nullptr, &directSound, outer), DSERR_NOAGGREGATION);
    const GUID someCard = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(DirectSoundCreate8(&someCard, &directSound, nullptr), DSERR_NODRIVER);
    EXPECT_EQ(directSound, nullptr);
}

TEST_F(OfflineOutput, TraceHasOneLinePerAudibleChange) {
    const auto path = temporaryFile("trace.tsv");
    double simulated = 12.5;
    ASSERT_TRUE(platform::audio::startTrace(path.string(), [&] { return simulated; }));
    platform::audio::nameNextSoundBuffer("Sound\\Vessel\\Main.wav");
    auto buffer = tone(441, DSBCAPS_CTRL3D | DSBCAPS_CTRLVOLUME, 22050, 0.1);
    simulated = 13.25;
    auto buffer3D = interface3D(buffer.get());
    ASSERT_EQ(buffer->SetVolume(-39), DS_OK);
    ASSERT_EQ(buffer->SetVolume(1), DSERR_INVALIDPARAM) << "refused calls change nothing";
    ASSERT_EQ(buffer3D->SetPosition(1, 0, -2, DS3D_DEFERRED), DS_OK);
    ASSERT_EQ(listener->CommitDeferredSettings(), DS_OK);
    DWORD status = 0;
    ASSERT_EQ(buffer->GetStatus(&status), DS_OK);
    buffer3D.reset();
    buffer.reset();
    platform::audio::stopTrace();

    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    std::filesystem::remove(path);
    ASSERT_EQ(lines.size(), 6u);
    const std::string name = "Sound\\Vessel\\Main.wav";
    // The buffer number counts every buffer of the process: read it from the first line.
    std::istringstream first(lines[0]);
    std::string time;
    std::string object;
    std::getline(first, time, '\t');
    std::getline(first, object, '\t');
    EXPECT_EQ(lines[0], "12.500\t" + object +
                            "\tCreateSoundBuffer\tflags=0x00000090 bytes=4410 "
                            "format=1ch/22050Hz/16bit\t" +
                            name);
    EXPECT_EQ(lines[1], "12.500\t" + object + "\tUnlock\t0, 4410, 0\t" + name);
    EXPECT_EQ(lines[2], "13.250\t" + object + "\tSetVolume\t-39\t" + name);
    EXPECT_EQ(lines[3], "13.250\t" + object + "\tSetPosition\t1, 0, -2, DEFERRED\t" + name);
    EXPECT_EQ(lines[4], "13.250\tlistener\tCommitDeferredSettings\t\t");
    EXPECT_EQ(lines[5], "13.250\t" + object + "\tRelease\t\t" + name);
}

TEST(TraceStart, FailsForAFileThatCannotBeCreated) {
    EXPECT_FALSE(platform::audio::startTrace("/nonexistent-folder/trace.tsv", [] { return 0.0; }));
}

TEST(WavWriter, WritesAHeaderPatchedAtClose) {
    const auto path = temporaryFile("out.wav");
    platform::audio::WavWriter writer;
    ASSERT_TRUE(writer.open(path.string(), pcmFormat(2, 22050, 16)));
    const std::vector<uint8_t> frames = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_TRUE(writer.write(frames));
    ASSERT_TRUE(writer.write(frames));
    EXPECT_EQ(writer.dataBytes(), 16u);
    ASSERT_TRUE(writer.close());
    EXPECT_FALSE(writer.isOpen());
    const std::vector<uint8_t> bytes = fileBytes(path);
    std::filesystem::remove(path);
    ASSERT_EQ(bytes.size(), 44u + 16u);
    auto word = [&](size_t at) {
        return uint32_t(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24);
    };
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(word(4), 36u + 16u);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(word(16), 16u);
    EXPECT_EQ(bytes[20] | bytes[21] << 8, WAVE_FORMAT_PCM);
    EXPECT_EQ(bytes[22], 2);
    EXPECT_EQ(word(24), 22050u);
    EXPECT_EQ(word(28), 22050u * 4);
    EXPECT_EQ(bytes[32], 4);
    EXPECT_EQ(bytes[34], 16);
    EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 40), "data");
    EXPECT_EQ(word(40), 16u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 44, bytes.begin() + 52), frames);
}

TEST(WavWriter, PadsAnOddDataChunkAndRefusesAMissingFolder) {
    const auto path = temporaryFile("odd.wav");
    platform::audio::WavWriter writer;
    ASSERT_TRUE(writer.open(path.string(), pcmFormat(1, 8000, 8)));
    const std::vector<uint8_t> frames = {128, 129, 130};
    ASSERT_TRUE(writer.write(frames));
    ASSERT_TRUE(writer.close());
    const std::vector<uint8_t> bytes = fileBytes(path);
    std::filesystem::remove(path);
    EXPECT_EQ(bytes.size(), 44u + 4u);
    EXPECT_EQ(bytes[40], 3) << "the data size counts the samples, not the pad";
    EXPECT_FALSE(writer.write(frames)) << "closed";

    platform::audio::WavWriter nowhere;
    EXPECT_FALSE(nowhere.open("/nonexistent-folder/out.wav", pcmFormat(1, 8000, 8)));
}

} // namespace
} // namespace audio_test
