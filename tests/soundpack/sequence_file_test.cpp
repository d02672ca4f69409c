// "Sequential.cfg" as the generator writes it and as the plug-in reads it: through a text-mode
// stream that folds CR LF and stops at Ctrl-Z.
#include "soundpack/io/sequence_file.h"

#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace soundpack {
namespace {

constexpr size_t skippedBytes = sequenceTitleBytes + sequenceDescriptionBytes;

int32_t int32At(const std::string& record, size_t offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(record[offset + i])) << (8 * i);
    }
    return static_cast<int32_t>(value);
}

// The record as the plug-in reads it: text mode, 210 and 300 bytes skipped, 4112 read.
std::string readAsThePluginDoes(const std::string& bytes) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("Sequential_" + std::to_string(::getpid()) + ".cfg");
    std::ofstream(path, std::ios::binary) << bytes;
    FILE* file = platform::openFile(path.c_str(), "rt");
    std::string blocks(skippedBytes + sequenceRecordBytes, '\0');
    const size_t read = std::fread(blocks.data(), 1, blocks.size(), file);
    std::fclose(file);
    std::filesystem::remove(path);
    blocks.resize(read);
    return blocks.size() < skippedBytes ? std::string() : blocks.substr(skippedBytes);
}

SequenceProgram launchLike() {
    SequenceProgram program{.title = "Launch",
                            .description = "in order",
                            .timed = true,
                            .noCountdown = true,
                            .loop = true,
                            .loopPauseSeconds = 120};
    program.entries = {{"1 poll.wav", 0}, {"2 range.wav", 9}, {"3 count.wav", 27}};
    return program;
}

TEST(SequenceFile, ReadsBackFieldForFieldThroughTextMode) {
    const std::string record = readAsThePluginDoes(encodeSequenceFile(launchLike()));
    ASSERT_EQ(record.size(), sequenceRecordBytes);
    EXPECT_EQ(int32At(record, 0), 1);    // timed
    EXPECT_EQ(int32At(record, 4), 1);    // noCountdown
    EXPECT_EQ(int32At(record, 8), 1);    // loop
    EXPECT_EQ(int32At(record, 12), 120); // loopPause
    EXPECT_EQ(int32At(record, 16), 3);   // count
    EXPECT_STREQ(record.c_str() + 20 + 2 * sequenceNameBytes, "3 count.wav");
    EXPECT_EQ(int32At(record, 3620 + 4 * 1), 9);
    EXPECT_EQ(int32At(record, 3620 + 4 * 2), 27);
}

struct UnsafeTime {
    int seconds;
    int firstSafe;
};

class TextModeTimes : public testing::TestWithParam<UnsafeTime> {};

TEST_P(TextModeTimes, ATimeTextModeWouldAlterIsRefusedAndTheNextSafeOneOffered) {
    SequenceProgram program = launchLike();
    program.entries[1].startSeconds = GetParam().seconds;
    EXPECT_THROW(encodeSequenceFile(program), std::invalid_argument);
    EXPECT_EQ(textSafeSeconds(GetParam().seconds), GetParam().firstSafe);
}

// 26 is Ctrl-Z (end of file), 2573 is CR LF; 6682 holds Ctrl-Z in its second byte.
INSTANTIATE_TEST_SUITE_P(SequenceFile, TextModeTimes,
                         testing::Values(UnsafeTime{26, 27}, UnsafeTime{2573, 2574},
                                         UnsafeTime{6656, 6912}));

TEST(SequenceFile, SafeTimesAreKept) {
    for (int seconds : {0, 10, 13, 25, 27, 3600}) {
        EXPECT_EQ(textSafeSeconds(seconds), seconds);
    }
}

TEST(SequenceFile, RefusesWhatTheRecordCannotHold) {
    SequenceProgram tooMany = launchLike();
    tooMany.entries.assign(61, {"a.wav", 0});
    EXPECT_THROW(encodeSequenceFile(tooMany), std::invalid_argument);

    SequenceProgram longName = launchLike();
    longName.entries[0].waveName = std::string(60, 'x');
    EXPECT_THROW(encodeSequenceFile(longName), std::invalid_argument);

    SequenceProgram negative = launchLike();
    negative.entries[0].startSeconds = -1;
    EXPECT_THROW(encodeSequenceFile(negative), std::invalid_argument);

    SequenceProgram longTitle = launchLike();
    longTitle.title = std::string(210, 't');
    EXPECT_THROW(encodeSequenceFile(longTitle), std::invalid_argument);
}

TEST(SequenceFile, SixtyWavesFillTheRecord) {
    SequenceProgram full = launchLike();
    full.entries.assign(60, {std::string(59, 'w'), 5});
    const std::string record = readAsThePluginDoes(encodeSequenceFile(full));
    ASSERT_EQ(record.size(), sequenceRecordBytes);
    EXPECT_EQ(int32At(record, 16), 60);
    EXPECT_EQ(int32At(record, 3620 + 4 * 59), 5);
}

} // namespace
} // namespace soundpack
