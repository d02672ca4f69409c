// The WAV files the pack writes, as the plug-in's RIFF reader sees them.
#include "soundpack/io/wav_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace soundpack {
namespace {

class WavFileTest : public testing::Test {
protected:
    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("soundpack_wav_test_" + std::to_string(::getpid()) + ".wav");
    void TearDown() override { std::filesystem::remove(path_); }

    std::string bytes() const {
        std::ifstream file(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
};

uint32_t littleEndian(const std::string& bytes, size_t offset, int width) {
    uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    }
    return value;
}

TEST_F(WavFileTest, WritesACanonicalPcmHeader) {
    writeWav(path_, stereoSignal(lowRateHz, Samples(100, 0.25f), Samples(100, -0.25f)));
    const std::string file = bytes();
    ASSERT_EQ(file.size(), 44u + 100 * 4);
    EXPECT_EQ(file.substr(0, 4), "RIFF");
    EXPECT_EQ(littleEndian(file, 4, 4), file.size() - 8);
    EXPECT_EQ(file.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(littleEndian(file, 16, 4), 16u);    // fmt chunk size
    EXPECT_EQ(littleEndian(file, 20, 2), 1u);     // PCM
    EXPECT_EQ(littleEndian(file, 22, 2), 2u);     // channels
    EXPECT_EQ(littleEndian(file, 24, 4), 11025u); // rate
    EXPECT_EQ(littleEndian(file, 28, 4), 44100u); // bytes per second
    EXPECT_EQ(littleEndian(file, 32, 2), 4u);     // block alignment
    EXPECT_EQ(littleEndian(file, 34, 2), 16u);    // bits
    EXPECT_EQ(file.substr(36, 4), "data");
    EXPECT_EQ(littleEndian(file, 40, 4), 400u);
}

TEST_F(WavFileTest, RoundTripsSamplesAndClipsOverload) {
    const Samples left = {0.0f, 0.5f, -0.5f, 1.5f, -1.5f};
    const Samples right = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f};
    writeWav(path_, stereoSignal(standardRateHz, left, right));
    const Signal read = readWav(path_);
    ASSERT_EQ(read.channels.size(), 2u);
    EXPECT_EQ(read.sampleRateHz, standardRateHz);
    EXPECT_NEAR(read.channels[0][1], 0.5, 1e-4);
    EXPECT_NEAR(read.channels[0][2], -0.5, 1e-4);
    EXPECT_NEAR(read.channels[0][3], 1.0, 1e-4);
    EXPECT_NEAR(read.channels[0][4], -1.0, 1e-4);
    EXPECT_NEAR(read.channels[1][4], 0.5, 1e-4);
}

TEST_F(WavFileTest, ReadsADataChunkThatClaimsMoreThanTheFileHolds) {
    writeWav(path_, monoSignal(standardRateHz, Samples(10, 0.5f)));
    std::string file = bytes();
    file[40] = '\xFF';
    file[41] = '\xFF';
    file[42] = '\xFF';
    file[43] = '\x7F';
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << file;
    EXPECT_EQ(readWav(path_).frames(), 10u);
}

TEST_F(WavFileTest, RefusesWhatIsNotAWave) {
    std::ofstream(path_, std::ios::binary) << "RIFF\x04\0\0\0AVI ";
    EXPECT_THROW(readWav(path_), std::runtime_error);
    EXPECT_THROW(writeWav(path_, Signal{standardRateHz, {}}), std::runtime_error);
}

} // namespace
} // namespace soundpack
