#include "platform/result_codes.h"
#include "plugin/core/log.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

namespace {

using namespace zephyrin;
using testsupport::ScratchFolder;

std::string logContent(const ScratchFolder& folder) {
    logClose();
    return folder.read("Zephyrin_Log.txt");
}

struct BuildTextCase {
    const char* date;
    const char* time;
    const char* expected;
};

void PrintTo(const BuildTextCase& c, std::ostream* out) {
    *out << c.date << " " << c.time;
}

class BuildText : public testing::TestWithParam<BuildTextCase> {};

TEST_P(BuildText, PadsTheDayAndDropsTheSeconds) {
    char text[64];
    formatBuildText(GetParam().date, GetParam().time, text, sizeof text);
    EXPECT_STREQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, BuildText,
    testing::Values(BuildTextCase{"Nov 20 2012", "01:00:31", "Nov 20 2012 01:00"},
                    BuildTextCase{"Nov  5 2012", "23:59:59", "Nov 05 2012 23:59"}));

TEST(Log, BannerEmptiesTheFileAndNamesTheBuildAndHost) {
    ScratchFolder folder;
    folder.write("Zephyrin_Log.txt", "old run\n");
    createLogWithBanner(100830);
    EXPECT_EQ(logContent(folder), "********************************************************\n"
                                  "Zephyrin 4.0 (3D) Build Nov 20 2012 01:00\n"
                                  "********************************************************\n\n"
                                  "Voranth version: 100830\n");
}

TEST(Log, WritersFormatTheirLines) {
    ScratchFolder folder;
    logLine("plain");
    logText("Speaker", "stereo");
    logTextError(0, "Voranth directory: ", "\\sim\\");
    logTextError(DSERR_BUFFERLOST, "unable to load", "a.wav");
    logError(0, "fine");
    logError(E_INVALIDARG, "Init DirectSound error->");
    EXPECT_EQ(logDxTrace("Lock fail", DSERR_BUFFERLOST), DSERR_BUFFERLOST);
    EXPECT_EQ(logLoadTrace("CreateSoundBuffer", "b.wav", E_OUTOFMEMORY), E_OUTOFMEMORY);
    logFormat("pos %.1f", 2.5);
    logNote("Mp3", "track.mp3");
    logNumber("tracks", 2);
    EXPECT_EQ(logContent(folder), "plain\n"
                                  "Speaker stereo\n"
                                  "Voranth directory:  \\sim\\\n"
                                  "unable to load a.wav  DX Code: DSERR_BUFFERLOST\n"
                                  "fine \n"
                                  "Init DirectSound error->  DX Code: E_INVALIDARG\n"
                                  "FAILED: Lock fail  DX Code: DSERR_BUFFERLOST\n"
                                  "FAILED: CreateSoundBuffer b.wav DX Code: E_OUTOFMEMORY\n"
                                  "pos 2.5 \n"
                                  "Mp3 track.mp3\n"
                                  "tracks 2\n");
}

TEST(Log, PlayFailuresStopAfterTwentyOneLinesWhileOthersGoOn) {
    ScratchFolder folder;
    for (int i = 0; i < 30; ++i) {
        logPlayError(E_FAIL, "play failed");
        logError(E_FAIL, "load failed");
    }
    std::string content = logContent(folder);
    size_t playLines = 0;
    size_t loadLines = 0;
    for (size_t at = 0; (at = content.find("play failed", at)) != std::string::npos; ++at) {
        ++playLines;
    }
    for (size_t at = 0; (at = content.find("load failed", at)) != std::string::npos; ++at) {
        ++loadLines;
    }
    EXPECT_EQ(playLines, 21u);
    EXPECT_EQ(loadLines, 30u);
}

TEST(Log, ALineWriterDropsLinesPastItsBudgetAndANullLineCounts) {
    ScratchFolder folder;
    logLine(nullptr);
    for (int i = 1; i < logLineLimit; ++i) {
        logLine("kept");
    }
    logLine("dropped");
    std::string content = logContent(folder);
    EXPECT_EQ(content.find("dropped"), std::string::npos);
    EXPECT_EQ(content.size(), std::string("kept\n").size() * (logLineLimit - 1));
}

TEST(Log, AnUnwritableLogCostsOnlyTheLines) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.path() / "Zephyrin_Log.txt"); // cannot be opened
    logLine("lost");
    EXPECT_EQ(logDxTrace("Lock fail", DSERR_BUFFERLOST), E_FAIL);
    EXPECT_EQ(logDxTrace("fine", S_OK), S_OK);
    EXPECT_EQ(logOpen(), nullptr);
}

TEST(Log, MonoStereoLinesWaitForTheDump) {
    ScratchFolder folder;
    addMonoStereoLine("Stereo split in two channels for 3D:", "Sound\\Vessel\\main.wav");
    EXPECT_EQ(logContent(folder), "");
    flushMonoStereoLines();
    flushMonoStereoLines();
    EXPECT_EQ(logContent(folder),
              "     Stereo split in two channels for 3D:\t'Sound\\Vessel\\main.wav'\n");
}

} // namespace
