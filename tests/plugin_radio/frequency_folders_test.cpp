#include "plugin/radio/frequency_folders.h"
#include "plugin/radio/radio.h"
#include "plugin/radio/radio_controls.h"
#include "radio_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

extern "C" int SetFrequency(const char* frequency);

namespace {

using namespace zephyrin;

class FrequencyFoldersTest : public testsupport::RadioTest {
protected:
    void tune(const char* frequency) {
        std::snprintf(radio.comFrequency, sizeof radio.comFrequency, "%s", frequency);
        ScanFrequencyFolders();
        SelectFrequencyFolder();
    }

    std::vector<std::string> chatterWaves() const {
        return {radio.chatterWaves, radio.chatterWaves + radio.chatterWaveCount};
    }
};

TEST_F(FrequencyFoldersTest, TheFirstFolderWhoseNameHoldsTheFrequencyServesIt) {
    writeWave("Sound/radio/140.300 Tower/b.wav");
    writeWave("Sound/radio/140.300 Tower/a.wav");
    writeWave("Sound/radio/140.300 Tower/notes.txt");
    writeWave("Sound/radio/140.300/only.wav");
    writeWave("Sound/radio/296.800 Station/s.wav");
    struct Match {
        const char* frequency;
        std::vector<std::string> waves;
    };
    const Match cases[] = {
        {"140.300", {"sound\\radio\\140.300\\only.wav"}},
        {"296.800", {"sound\\radio\\296.800 Station\\s.wav"}},
        {"Tower", {"sound\\radio\\140.300 Tower\\a.wav", "sound\\radio\\140.300 Tower\\b.wav"}},
        {"140", {"sound\\radio\\140.300\\only.wav"}},
        {"121.500", {}},
        {"tower", {}}, // the name test is case-sensitive
    };
    for (const Match& c : cases) {
        SCOPED_TRACE(c.frequency);
        tune(c.frequency);
        EXPECT_EQ(radio.frequencyFolderCount, 3);
        EXPECT_EQ(chatterWaves(), c.waves);
        EXPECT_EQ(radio.sequentialMode, 0);
    }
}

TEST_F(FrequencyFoldersTest, AtMostSixtyFoldersAndSixtyWavesAreTaken) {
    for (int index = 0; index < 62; ++index) {
        char name[64];
        std::snprintf(name, sizeof name, "Sound/radio/%03d.000/w%02d.wav", index, index);
        writeWave(name);
        std::snprintf(name, sizeof name, "Sound/radio/000.000/w%02d.wav", index);
        writeWave(name);
    }
    tune("000.000");
    EXPECT_EQ(radio.frequencyFolderCount, 60);
    EXPECT_STREQ(radio.frequencyFolders[59], "059.000");
    EXPECT_EQ(radio.chatterWaveCount, 60);
}

TEST_F(FrequencyFoldersTest, APathThatDoesNotFitIsSkipped) {
    std::string longName(250, 'x');
    writeWave("Sound/radio/140.300/" + longName + ".wav");
    writeWave("Sound/radio/140.300/short.wav");
    tune("140.300");
    EXPECT_EQ(chatterWaves(), std::vector<std::string>{"sound\\radio\\140.300\\short.wav"});
}

TEST_F(FrequencyFoldersTest, SequenceFilesAreReadAsTheirRecordSays) {
    struct Program {
        const char* name;
        std::string file;
        int count;
        int timed;
        int loop;
    };
    std::string overLongName(70, 'n');
    const Program cases[] = {
        {"timed", sequenceFile(true, false, 0, 2, {{"a.wav", 0}, {"b.wav", 5}}), 2, 1, 0},
        {"looping", sequenceFile(false, true, 30, 1, {{"a.wav", 0}}), 1, 0, 1},
        {"count above 60", sequenceFile(true, false, 0, 61, {{"a.wav", 0}}), 60, 1, 0},
        {"negative count", sequenceFile(true, false, 0, -3, {{"a.wav", 0}}), 0, 1, 0},
        {"short file", sequenceFile(true, false, 0, 1, {{"a.wav", 0}}).substr(0, 560), 1, 1, 0},
        {"only the header", std::string(400, '\0'), 0, 0, 0},
    };
    for (const Program& c : cases) {
        SCOPED_TRACE(c.name);
        folder.write("Sound/radio/128.550 Launch/Sequential.cfg", c.file);
        tune("128.550");
        EXPECT_EQ(radio.sequentialMode, 1);
        EXPECT_EQ(radio.chatterWaveCount, c.count);
        EXPECT_EQ(radio.sequence.timed, c.timed);
        EXPECT_EQ(radio.sequence.loop, c.loop);
        if (c.count > 0) {
            EXPECT_STREQ(radio.chatterWaves[0], "sound\\radio\\128.550 Launch\\a.wav");
        }
    }
}

TEST_F(FrequencyFoldersTest, AnOverLongWaveNameIsCutAtItsField) {
    std::string file = sequenceFile(true, false, 0, 2, {{"", 0}, {"b.wav", 5}});
    file.replace(510 + 20, 60, std::string(60, 'n')); // runs into the next name
    folder.write("Sound/radio/128.550/Sequential.cfg", file);
    tune("128.550");
    ASSERT_EQ(radio.chatterWaveCount, 2);
    EXPECT_EQ(std::string(radio.chatterWaves[0]), "sound\\radio\\128.550\\" + std::string(59, 'n'));
    EXPECT_EQ(radio.sequence.times[1], 5);
}

TEST_F(FrequencyFoldersTest, ASwapToAShortProgramKeepsNoNamesOfTheLastOne) {
    folder.write("Sound/radio/128.550/Sequential.cfg",
                 sequenceFile(true, false, 0, 3, {{"a.wav", 0}, {"b.wav", 1}, {"c.wav", 2}}, true));
    folder.write("Sound/radio/296.800/Sequential.cfg",
                 sequenceFile(true, false, 0, 1, {{"z.wav", 0}}).substr(0, 700));
    tune("128.550");
    EXPECT_TRUE(sequentialProgramSuppressesCountdown());
    std::snprintf(radio.memFrequency, sizeof radio.memFrequency, "296.800");
    SwapFrequencies();
    EXPECT_STREQ(radio.comFrequency, "296.800");
    EXPECT_EQ(radio.chatterWaveCount, 1);
    EXPECT_STREQ(radio.sequence.names[1], "");
    EXPECT_FALSE(sequentialProgramSuppressesCountdown());
}

TEST_F(FrequencyFoldersTest, SetFrequencyRetunesAndRefusesTextsThatDoNotFit) {
    writeWave("Sound/radio/296.800/s.wav");
    tune("140.300");
    EXPECT_EQ(SetFrequency("296.800"), 1);
    EXPECT_EQ(radio.chatterWaveCount, 1);
    EXPECT_EQ(std::string(radio.comFrequencyText.text), "Com Frequency: 296.800Mhz");
    EXPECT_EQ(SetFrequency(nullptr), 0);
    EXPECT_EQ(SetFrequency(std::string(80, '1').c_str()), 0);
    EXPECT_STREQ(radio.comFrequency, "296.800");
    // Accepted but longer than the text buffer: the text is cut, not overrun.
    EXPECT_EQ(SetFrequency(std::string(79, '2').c_str()), 1);
    EXPECT_EQ(radio.chatterWaveCount, 0);
    EXPECT_EQ(radio.comFrequencyText.length, 39);
}

} // namespace
