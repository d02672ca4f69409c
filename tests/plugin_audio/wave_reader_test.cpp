#include "log_reader.h"
#include "plugin/audio/wave_reader.h"
#include "plugin/core/log.h"
#include "scratch_folder.h"
#include "wave_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace zephyrin;
using namespace testsupport;

class WaveReaderTest : public testing::Test {
protected:
    std::string log() { return logReader.fresh(); }
    ScratchFolder folder;
    LogReader logReader{folder};
    WaveReader reader;
};

TEST_F(WaveReaderTest, ReadsThePcmFormatAndTheSamples) {
    folder.write("Sound/Vessel/tone.wav", waveFile({}, pcm16({1, 2, 3})));
    ASSERT_EQ(reader.open("sound\\vessel\\TONE.wav"), S_OK);
    EXPECT_EQ(reader.format->nChannels, 1);
    EXPECT_EQ(reader.format->nSamplesPerSec, 22050u);
    EXPECT_EQ(reader.format->cbSize, 0);
    EXPECT_EQ(reader.getSize(), 6u);

    BYTE bytes[16] = {};
    DWORD read = 0;
    ASSERT_EQ(reader.read(bytes, sizeof bytes, &read), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), read), pcm16({1, 2, 3}));
    ASSERT_EQ(reader.read(bytes, sizeof bytes, &read), S_OK);
    EXPECT_EQ(read, 0u);

    ASSERT_EQ(reader.rewind(), S_OK);
    ASSERT_EQ(reader.read(bytes, 2, &read), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), read), pcm16({1}));
    EXPECT_EQ(log(), "");
}

TEST_F(WaveReaderTest, SkipsOtherChunksAndTheirPadBytes) {
    WaveLayout layout;
    layout.chunksBeforeFormat = riffChunk("LIST", "INFOodd") + riffChunk("junk", "x");
    folder.write("padded.wav", waveFile(layout, pcm16({7, 8})));
    ASSERT_EQ(reader.open("padded.wav"), S_OK);
    BYTE bytes[4];
    DWORD read = 0;
    ASSERT_EQ(reader.read(bytes, sizeof bytes, &read), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), read), pcm16({7, 8}));
}

TEST_F(WaveReaderTest, KeepsTheExtraBytesOfANonPcmFormat) {
    WaveLayout layout;
    layout.formatTag = 2;
    layout.formatExtra = "ab";
    folder.write("adpcm.wav", waveFile(layout, "data"));
    ASSERT_EQ(reader.open("adpcm.wav"), S_OK);
    ASSERT_EQ(reader.format->cbSize, 2);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(reader.format + 1), 2), "ab");
}

struct BrokenFile {
    const char* what;
    std::string bytes;
    const char* failedStep;
};

void PrintTo(const BrokenFile& file, std::ostream* out) {
    *out << file.what;
}

class BrokenWave : public WaveReaderTest, public testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenWave, IsRefusedNamingTheFailedStep) {
    folder.write("broken.wav", GetParam().bytes);
    EXPECT_LT(reader.open("broken.wav"), 0);
    std::string lines = log();
    EXPECT_NE(lines.find(std::string("FAILED: ") + GetParam().failedStep + "  DX Code: E_FAIL"),
              std::string::npos)
        << lines;
}

WaveLayout shortFormat() {
    WaveLayout layout;
    layout.formatChunkBytes = 14;
    return layout;
}

WaveLayout otherForm() {
    WaveLayout layout;
    layout.formType = "AVI ";
    return layout;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenWave,
    testing::Values(
        BrokenFile{"14-byte format", waveFile(shortFormat(), "ab"), "sizeof(PCMWAVEFORMAT)"},
        BrokenFile{"AVI form", waveFile(otherForm(), "ab"), "mmioFOURCC"},
        BrokenFile{"no format", riffChunk("RIFF", "WAVE" + riffChunk("data", "ab")), "mmioDescend"},
        BrokenFile{"no data", riffChunk("RIFF", "WAVE" + formatChunk({})), "mmioDescend"},
        BrokenFile{"empty file", "", "mmioDescend"}));

TEST_F(WaveReaderTest, AMissingFileIsLookedForAsAResource) {
    EXPECT_LT(reader.open("Sound\\Vessel\\missing.wav"), 0);
    EXPECT_EQ(log(), "FAILED: FindResource  DX Code: E_FAIL\n");
}

TEST_F(WaveReaderTest, MonoModeReadsAlternateChannelsOfStereoFrames) {
    WaveLayout stereo;
    stereo.channels = 2;
    folder.write("stereo.wav", waveFile(stereo, pcm16({10, -10, 20, -20, 30, -30})));
    ASSERT_EQ(reader.open("stereo.wav"), S_OK);
    reader.monoMode = 1;
    WaveReader::channelSelector = 1;

    BYTE bytes[6];
    DWORD read = 0;
    ASSERT_EQ(reader.rewind(), S_OK);
    ASSERT_EQ(reader.read(bytes, sizeof bytes, &read), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), read), pcm16({10, 20, 30}));
    ASSERT_EQ(reader.rewind(), S_OK);
    ASSERT_EQ(reader.read(bytes, sizeof bytes, &read), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), read), pcm16({-10, -20, -30}));
}

TEST_F(WaveReaderTest, MonoModeKeepsOneChannelOfEightBitFrames) {
    WaveLayout stereo;
    stereo.channels = 2;
    stereo.bitsPerSample = 8;
    folder.write("stereo8.wav", waveFile(stereo, "LrLrLr"));
    ASSERT_EQ(reader.open("stereo8.wav"), S_OK);
    reader.monoMode = 1;
    WaveReader::channelSelector = 1;
    BYTE bytes[3];
    DWORD read = 0;
    ASSERT_EQ(reader.read(bytes, sizeof bytes, &read), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), read), "LLL");
}

TEST_F(WaveReaderTest, MonoModeTakesTheFrameFromChannelsAndBitsNotFromTheBlockAlignment) {
    WaveLayout stereo;
    stereo.channels = 2;
    stereo.blockAlign = 8192;
    folder.write("stereo.wav", waveFile(stereo, pcm16({10, -10, 20, -20})));
    ASSERT_EQ(reader.open("stereo.wav"), S_OK);
    reader.monoMode = 1;
    WaveReader::channelSelector = 1;
    BYTE bytes[4];
    DWORD read = 0;
    ASSERT_EQ(reader.read(bytes, sizeof bytes, &read), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), read), pcm16({10, 20}));
}

TEST_F(WaveReaderTest, DataCutShortByTheEndOfTheFileIsReadAsFarAsItGoes) {
    WaveLayout cut;
    cut.claimedDataBytes = 100;
    folder.write("cut.wav", waveFile(cut, pcm16({1, 2, 3})));
    ASSERT_EQ(reader.open("cut.wav"), S_OK);
    EXPECT_EQ(reader.getSize(), 100u);
    BYTE bytes[100];
    DWORD read = 0;
    ASSERT_EQ(reader.read(bytes, sizeof bytes, &read), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), read), pcm16({1, 2, 3}));
    ASSERT_EQ(reader.rewind(), S_OK);
    ASSERT_EQ(reader.read(bytes, sizeof bytes, &read), S_OK);
    EXPECT_EQ(read, 6u);
    EXPECT_EQ(log(), "FAILED: mmioinfoIn.pchNext  DX Code: E_FAIL\n");
}

TEST_F(WaveReaderTest, MonoModeReadsCutDataAsFarAsItGoes) {
    WaveLayout cut;
    cut.channels = 2;
    cut.claimedDataBytes = 4000;
    folder.write("cut.wav", waveFile(cut, pcm16({10, -10, 20, -20, 30})));
    ASSERT_EQ(reader.open("cut.wav"), S_OK);
    reader.monoMode = 1;
    WaveReader::channelSelector = 1;
    BYTE bytes[2000];
    DWORD read = 0;
    ASSERT_EQ(reader.read(bytes, sizeof bytes, &read), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), read), pcm16({10, 20}));
}

TEST_F(WaveReaderTest, AChunkRunningPastTheEndOfTheFileEndsTheSearch) {
    for (uint32_t claimed : {0x7FFFFFF8u, 0x80000000u, 0xFFFFFFF8u}) {
        WaveLayout layout;
        layout.chunksBeforeFormat =
            "junk" + std::string(reinterpret_cast<const char*>(&claimed), 4);
        folder.write("huge.wav", waveFile(layout, pcm16({1})));
        EXPECT_LT(reader.open("huge.wav"), 0) << claimed;
        EXPECT_EQ(log(),
                  "FAILED: mmioDescend  DX Code: E_FAIL\nFAILED: ReadMMIO  DX Code: E_FAIL\n")
            << claimed;
    }
}

TEST_F(WaveReaderTest, ReadingWithoutAFileOrBufferIsRefused) {
    BYTE bytes[2];
    DWORD read = 0;
    EXPECT_EQ(reader.read(bytes, 2, &read), CO_E_NOTINITIALIZED);
    folder.write("tone.wav", waveFile({}, pcm16({1})));
    ASSERT_EQ(reader.open("tone.wav"), S_OK);
    EXPECT_EQ(reader.read(nullptr, 2, &read), E_INVALIDARG);
}

} // namespace
