#include "platform/file_system.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

namespace {

using testsupport::ScratchFolder;

std::string readAll(FILE* file) {
    std::string content;
    char chunk[64];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        content.append(chunk, count);
    }
    std::fclose(file);
    return content;
}

TEST(PathResolver, MatchesEachComponentIgnoringCase) {
    ScratchFolder folder;
    folder.write("sound/vessel/MainExt.wav", "x");
    EXPECT_EQ(platform::resolvePath("Sound\\Vessel\\mainext.wav"), "sound/vessel/MainExt.wav");
    EXPECT_EQ(platform::resolvePath("SOUND\\VESSEL\\MAINEXT.WAV"), "sound/vessel/MainExt.wav");
}

TEST(PathResolver, PrefersTheExactMatch) {
    ScratchFolder folder;
    folder.write("Sound/a.txt", "upper");
    folder.write("sound/a.txt", "lower");
    EXPECT_EQ(platform::resolvePath("sound\\a.txt"), "sound/a.txt");
    EXPECT_EQ(platform::resolvePath("Sound\\a.txt"), "Sound/a.txt");
    EXPECT_EQ(platform::resolvePath("SOUND\\a.txt"), "Sound/a.txt"); // first in byte order
}

TEST(PathResolver, CreatesNewFilesInTheExistingFolder) {
    ScratchFolder folder;
    folder.write("Sound/Cfg/keep", "");
    FILE* file = platform::openFile("sound\\cfg\\Zephyrin3.cfg", "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_TRUE(folder.exists("Sound/Cfg/Zephyrin3.cfg"));
    EXPECT_FALSE(folder.exists("sound"));
}

TEST(PathResolver, ResolvesAbsolutePathsInBackslashForm) {
    ScratchFolder folder;
    folder.write("Data/File.bin", "x");
    std::string systemForm = folder.path().string();
    for (char& c : systemForm) {
        if (c == '/') {
            c = '\\';
        }
    }
    EXPECT_EQ(platform::resolvePath((systemForm + "\\data\\file.BIN").c_str()),
              (folder.path() / "Data/File.bin").string());
}

TEST(TextMode, ReadsCrLfAsLfAndStopsAtCtrlZ) {
    ScratchFolder folder;
    folder.write("Windows.txt", "first\r\nsecond\r\n\rlone\x1atrailing");
    FILE* text = platform::openFile("windows.txt", "rt");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(readAll(text), "first\nsecond\n\rlone");

    FILE* binary = platform::openFile("windows.txt", "rb");
    ASSERT_NE(binary, nullptr);
    EXPECT_EQ(readAll(binary), std::string("first\r\nsecond\r\n\rlone\x1atrailing"));
}

TEST(TextMode, LinesReadWithFgetsAndSeekBack) {
    ScratchFolder folder;
    folder.write("lines.txt", "one\r\ntwo\r\n");
    FILE* text = platform::openFile("LINES.TXT", "r");
    ASSERT_NE(text, nullptr);
    char line[16];
    ASSERT_NE(std::fgets(line, sizeof line, text), nullptr);
    EXPECT_STREQ(line, "one\n");
    ASSERT_EQ(std::fseek(text, 0, SEEK_SET), 0);
    ASSERT_NE(std::fgets(line, sizeof line, text), nullptr);
    EXPECT_STREQ(line, "one\n");
    std::fclose(text);
}

TEST(TextMode, MissingFileGivesNull) {
    ScratchFolder folder;
    EXPECT_EQ(platform::openFile("Sound\\nothing.txt", "rt"), nullptr);
}

struct WildcardCase {
    const char* pattern;
    const char* name;
    bool matches;
};

void PrintTo(const WildcardCase& c, std::ostream* out) {
    *out << c.pattern << " ~ " << c.name;
}

class Wildcard : public testing::TestWithParam<WildcardCase> {};

TEST_P(Wildcard, MatchesAsTheWindowsFileSearch) {
    const WildcardCase& c = GetParam();
    EXPECT_EQ(platform::wildcardMatch(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Wildcard,
    testing::Values(WildcardCase{"*.wav", "engine.wav", true},
                    WildcardCase{"*.wav", "ENGINE.WAV", true},
                    WildcardCase{"*.wav", "engine.wave", false},
                    WildcardCase{"*.*", "README", true}, WildcardCase{"*", ".", true},
                    WildcardCase{"Earth_*.wav", "earth_default2.wav", true},
                    WildcardCase{"Earth_*.wav", "Mars_default.wav", false},
                    WildcardCase{"?.wav", "a.wav", true}, WildcardCase{"?.wav", "ab.wav", false},
                    WildcardCase{"*_*_*.wav", "Earth_Cape Canaveral_12000.wav", true}));

TEST(FolderSearch, ListsMatchesInNameOrderWithDotEntriesFirst) {
    ScratchFolder folder;
    folder.write("radio/b.wav", "");
    folder.write("radio/A.wav", "");
    folder.write("radio/c.txt", "");
    folder.write("radio/140.300 STS-134/x.wav", "");

    std::vector<platform::FolderEntry> waves = platform::findFiles("RADIO\\*.wav");
    ASSERT_EQ(waves.size(), 2u);
    EXPECT_EQ(waves[0].name, "A.wav");
    EXPECT_EQ(waves[1].name, "b.wav");

    std::vector<platform::FolderEntry> all = platform::findFiles("radio\\*.*");
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[0].name, ".");
    EXPECT_EQ(all[1].name, "..");
    EXPECT_EQ(all[2].name, "140.300 STS-134");
    EXPECT_TRUE(all[2].isFolder);
    EXPECT_FALSE(all[3].isFolder);
}

TEST(FolderSearch, MissingFolderGivesNothing) {
    ScratchFolder folder;
    EXPECT_TRUE(platform::findFiles("sound\\_CustomWindSounds\\*.wav").empty());
}

} // namespace
