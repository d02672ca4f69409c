#include "plugin/core/advanced_configuration.h"
#include "plugin/core/log.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace {

using namespace zephyrin;
using testsupport::ScratchFolder;

constexpr const char* advancedPath = "Sound/Cfg/Editable_Advanced_Configuration.cfg";

std::string readWith(ScratchFolder& folder, const std::string& content) {
    folder.write(advancedPath, content);
    loadAdvancedConfiguration();
    logClose();
    return folder.read("Zephyrin_Log.txt");
}

TEST(AdvancedConfiguration, AMissingFileGivesTheDefaultsWithoutEcho) {
    ScratchFolder folder;
    loadAdvancedConfiguration();
    logClose();
    EXPECT_EQ(folder.read("Zephyrin_Log.txt"),
              "Error: Unable to load Editable_Advanced_Configuration.cfg, using default value\n");
    EXPECT_EQ(advancedConfiguration.primaryBufferFrequency, 22050);
    EXPECT_EQ(advancedConfiguration.primaryBufferBitRate, 16);
    EXPECT_DOUBLE_EQ(advancedConfiguration.dopplerFactor, 0.25);
    EXPECT_DOUBLE_EQ(advancedConfiguration.processIntervalSeconds, 1.0 / 60 - 0.0006);
    EXPECT_EQ(advancedConfiguration.maxAnimCheckPerFrame, 10);
}

TEST(AdvancedConfiguration, AFileWithoutKeysEchoesTheDefaults) {
    ScratchFolder folder;
    std::string log = readWith(folder, "nothing here\r\n");
    EXPECT_EQ(
        log, "Advanced Zephyrin settings: (Edit: 'Sound/cfg/Editable_Advanced_Configuration.cfg')\n"
             "-------------------------------\n"
             "Primary buffer\t\t\t22050hz 16bits  (default 22050/16)\n"
             "DopplerFactor\t\t\t1.00\t\t(default 1.00)\n"
             "VaccumAttenuationFactor\t\t1.00\t\t(default 1.00)\n"
             "SoundDistanceFactor\t\t1.00\t\t(default 1.00)\n"
             "MaxSoundProcessPerSecond\t60\t\t(default 60)\n"
             "MaxAnimCheckPerFrame\t\t10\t\t(default 10)\n"
             "PlayWhenVoranthInBackground\tfalse\t\t(default false)\n"
             "WriteInLogAllLoadedSound\tfalse\t\t(default false)\n"
             "-------------------------------\n\n");
}

TEST(AdvancedConfiguration, ValuesTakeTheirPermittedSetsAndRanges) {
    ScratchFolder folder;
    std::string log = readWith(folder, "PrimaryBufferFrequency=48000\n"
                                       "PrimaryBufferBitRate = 8\n"
                                       "DopplerFactor=20\n"
                                       "VaccumAttenuationFactor=0.01\n"
                                       "SoundDistanceFactor=2.5 / louder far away\n"
                                       "MaxSoundProcessPerSecond=30\n"
                                       "MaxAnimCheckPerFrame=12.9\n");
    EXPECT_EQ(advancedConfiguration.primaryBufferFrequency, 22050);
    EXPECT_EQ(advancedConfiguration.primaryBufferBitRate, 8);
    EXPECT_DOUBLE_EQ(advancedConfiguration.dopplerFactor, 2.0);
    EXPECT_DOUBLE_EQ(advancedConfiguration.vaccumAttenuationFactor, 0.1);
    EXPECT_DOUBLE_EQ(advancedConfiguration.soundDistanceFactor, 2.5);
    EXPECT_DOUBLE_EQ(advancedConfiguration.processIntervalSeconds, 1.0 / 60 - 0.0006);
    EXPECT_EQ(advancedConfiguration.maxAnimCheckPerFrame, 12);
    EXPECT_NE(log.find("DopplerFactor\t\t\t8.00\t\t(default 1.00)"), std::string::npos);
    EXPECT_NE(log.find("Primary buffer\t\t\t22050hz 8bits"), std::string::npos);
}

struct LineCase {
    const char* line;
    bool playInBackground;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    for (const char* at = c.line; *at != '\0'; ++at) {
        *out << (*at >= 32 && *at < 127 ? *at : '?');
    }
}

class BooleanLine : public testing::TestWithParam<LineCase> {};

TEST_P(BooleanLine, ReadsTrueOnlyWhereTheRulesSay) {
    ScratchFolder folder;
    readWith(folder, GetParam().line);
    EXPECT_EQ(advancedConfiguration.playWhenVoranthInBackground, GetParam().playInBackground)
        << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BooleanLine,
    testing::Values(LineCase{"PlayWhenVoranthInBackground=TRUE /comment\n", true},
                    LineCase{"PlayWhenVoranthInBackground=         true\n", true},   // 9 blanks
                    LineCase{"PlayWhenVoranthInBackground=          true\n", false}, // 10 blanks
                    LineCase{"PlayWhenVoranthInBackground= false\n", false},
                    LineCase{"PlayWhenVoranthInBackground=/true\n", false},
                    LineCase{"     PlayWhenVoranthInBackground=true\n", true},   // 5 blanks
                    LineCase{"      PlayWhenVoranthInBackground=true\n", false}, // 6 blanks
                    LineCase{"//PlayWhenVoranthInBackground=true\n", false},
                    LineCase{" /PlayWhenVoranthInBackground=true\n", false},
                    LineCase{"playwhenvoranthinbackground=true\n", false},
                    LineCase{"PlayWhenVoranthInBackground true\n", false},
                    LineCase{"PlayWhenVoranthInBackgroundAlways=true\n", true},
                    LineCase{"\xe9PlayWhenVoranthInBackground=true\n", false},
                    LineCase{"P", false}));

TEST(AdvancedConfiguration, NumbersThatAreNoNumbersRiseToTheLowerBound) {
    ScratchFolder folder;
    readWith(folder, "SoundDistanceFactor=loud\nMaxAnimCheckPerFrame=-4\n");
    EXPECT_DOUBLE_EQ(advancedConfiguration.soundDistanceFactor, 0.1);
    EXPECT_EQ(advancedConfiguration.maxAnimCheckPerFrame, 1);
}

TEST(AdvancedConfiguration, OnlyDecimalTextIsANumber) {
    struct NumberText {
        const char* text;
        double read; // before the clamp to 0.1 .. 10
    };
    for (const NumberText& number :
         {NumberText{"nan", 0}, NumberText{"inf", 0}, NumberText{"-infinity", 0},
          NumberText{"0x4", 0}, NumberText{"1e999", 0}, NumberText{"2.5e0x", 2.5},
          NumberText{" 3.", 3}, NumberText{".5", 0.5}}) {
        ScratchFolder folder;
        readWith(folder, std::string("SoundDistanceFactor=") + number.text + "\n");
        EXPECT_DOUBLE_EQ(advancedConfiguration.soundDistanceFactor, std::max(number.read, 0.1))
            << number.text;
    }
}

} // namespace
