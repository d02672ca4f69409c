#include "plugin/environment/base_sound_list.h"
#include "plugin/environment/wind_sound_list.h"
#include "plugin_sound_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace zephyrin;

size_t occurrences(const std::string& log, const std::string& text) {
    size_t count = 0;
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
        ++count;
    }
    return count;
}

class SoundLists : public testsupport::PluginSoundTest {
protected:
    void addWind(const std::string& name) const {
        folder.write("Sound/_CustomWindSounds/" + name, "x");
    }
    void addBase(const std::string& name) const {
        folder.write("Sound/_CustomBaseSounds/" + name, "x");
    }
};

TEST_F(SoundLists, WindFilesAreFiledUnderTheirPlanetIgnoringCase) {
    for (const char* name :
         {"Mars_storm.wav", "mars_calm.wav", "Earth_breeze.wav", "GenericBig_dense.wav",
          "NoSeparator.wav", "_nameless.wav", "notes.txt"}) {
        addWind(name);
    }
    listPlanetWindSounds();

    ASSERT_EQ(windPlanetCount, 3);
    const WindPlanet* mars = findWindPlanet("MARS");
    ASSERT_NE(mars, nullptr);
    EXPECT_EQ(mars->fileCount, 2);
    EXPECT_STREQ(mars->windFileNames[0], "mars_calm.wav"); // the folder's order: by name
    EXPECT_STREQ(mars->windFileNames[1], "Mars_storm.wav");
    EXPECT_EQ(findWindPlanet("Venus"), nullptr);
    EXPECT_NE(findWindPlanet("GenericBig"), nullptr);

    std::string text = log();
    EXPECT_EQ(occurrences(text, "Error with wind's wave filename: missing '_' separator. Read doc "
                                "about filename formating. NoSeparator.wav  DX Code: "
                                "E_INVALIDARG\n"),
              1u);
    EXPECT_EQ(occurrences(text, "_nameless.wav  DX Code: E_INVALIDARG\n"), 1u);
    EXPECT_EQ(occurrences(text, "  4 planet wind sound found\n"), 1u);
}

TEST_F(SoundLists, APlanetTakesAtMost50WindFiles) {
    for (int i = 0; i < 53; ++i) {
        addWind("Earth_" + std::to_string(100 + i) + ".wav");
    }
    listPlanetWindSounds();
    ASSERT_EQ(windPlanetCount, 1);
    EXPECT_EQ(windPlanetTable[0].fileCount, windFilesPerPlanet);
    EXPECT_NE(log().find("  50 planet wind sound found\n"), std::string::npos);
}

TEST_F(SoundLists, AWindNameTooLongForTheListIsSkippedNotCut) {
    addWind("Earth_" + std::string(93, 'a') + ".wav"); // 103 characters
    addWind("Earth_" + std::string(89, 'b') + ".wav"); // 99 characters
    listPlanetWindSounds();
    ASSERT_EQ(windPlanetCount, 1);
    EXPECT_EQ(windPlanetTable[0].fileCount, 1);
    EXPECT_EQ(std::string(windPlanetTable[0].windFileNames[0]).size(), 99u);
    EXPECT_NE(log().find("name too long"), std::string::npos);
}

TEST_F(SoundLists, MissingFoldersAreLoggedOnce) {
    listPlanetWindSounds();
    listBaseSounds();
    std::string text = log();
    EXPECT_EQ(occurrences(text, "Error finding planet wind sound files: Invalid_Handle_value\n"),
              1u);
    EXPECT_EQ(occurrences(text, "Error finding bases sound files: Invalid_Handle_value\n"), 1u);
    EXPECT_EQ(windPlanetCount, 0);
    EXPECT_EQ(baseSoundFileCount, 0);
}

struct BaseNameCase {
    const char* fileName;
    const char* error; // null: accepted
    double range;
    double altitude;
    double percent;
};

const BaseNameCase baseNames[] = {
    {"Earth_Cape_500_100_50.wav", nullptr, 2100, 256, 50},
    {"Earth_Cape Canaveral_12000_255_40.wav", nullptr, 12000, 256, 40},
    {"Mars_Olympus_99999_20000_250.wav", nullptr, 40000, 10000, 100},
    {"Moon_Base_5000_-3_-10.wav", nullptr, 5000, 256, 0},
    {"Earth_Cape_Canaveral_3000_500_50.wav",
     "Error with base's wave filename: There must be exactly 4 '_' separators. Read doc about "
     "filename formating.",
     0, 0, 0},
    {"Earth_Cape_3000_500.wav",
     "Error with base's wave filename: There must be exactly 4 '_' separators. Read doc about "
     "filename formating.",
     0, 0, 0},
    {"E_Cape_3000_500_50.wav",
     "Error with base's wave filename: planete name >50 or <2 char. Read doc about filename "
     "formating.",
     0, 0, 0},
    // A leading underscore is not one of the four and leaves no planet name.
    {"_Earth_Cape_3000_500_50.wav",
     "Error with base's wave filename: planete name >50 or <2 char. Read doc about filename "
     "formating.",
     0, 0, 0},
    {"Earth_C_3000_500_50.wav",
     "Error with base's wave filename: base name >50 or <2 char. Read doc about filename "
     "formating.",
     0, 0, 0},
};

TEST_F(SoundLists, BaseFileNamesByTheirGrammar) {
    for (const BaseNameCase& c : baseNames) {
        addBase(c.fileName);
    }
    addBase("Earth_" + std::string(51, 'b') + "_3000_500_50.wav");
    listBaseSounds();

    std::string text = log();
    int accepted = 0;
    for (const BaseNameCase& c : baseNames) {
        SCOPED_TRACE(c.fileName);
        if (c.error != nullptr) {
            EXPECT_EQ(occurrences(text, std::string(c.error) + " " + c.fileName +
                                            "  DX Code: E_INVALIDARG\n"),
                      1u);
            continue;
        }
        ++accepted;
        const BaseSoundFile* found = nullptr;
        for (int i = 0; i < baseSoundFileCount; ++i) {
            if (std::string(baseSoundFiles[i].fileName) == c.fileName) {
                found = &baseSoundFiles[i];
            }
        }
        ASSERT_NE(found, nullptr);
        EXPECT_DOUBLE_EQ(found->audibleRange, c.range);
        EXPECT_DOUBLE_EQ(found->fadeAltitude, c.altitude);
        EXPECT_DOUBLE_EQ(found->windPercent, c.percent);
    }
    EXPECT_EQ(baseSoundFileCount, accepted);
    EXPECT_EQ(occurrences(text, "base name >50 or <2 char"), 2u);
    EXPECT_EQ(occurrences(text, "bases sound found"), 1u);
    EXPECT_EQ(occurrences(text, "  4 bases sound found\n"), 1u);
}

TEST_F(SoundLists, ABaseNameReadsItsPlanetAndBase) {
    BaseSoundFile file{};
    ASSERT_TRUE(parseBaseFileName("Earth_Cape Canaveral_12000_255_40.wav", file));
    EXPECT_STREQ(file.planet, "Earth");
    EXPECT_STREQ(file.base, "Cape Canaveral");
    // Longer than its path can hold: skipped rather than cut.
    std::string tooLong =
        "Earth_" + std::string(40, 'c') + "_3000_500_" + std::string(200, '5') + ".wav";
    EXPECT_FALSE(parseBaseFileName(tooLong.c_str(), file));
}

} // namespace
