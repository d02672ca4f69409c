#include "plugin/core/main_configuration.h"
#include "plugin/radio/radio_config.h"
#include "plugin/radio/radio_controls.h"
#include "radio_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

using namespace zephyrin;

class RadioConfigTest : public testsupport::RadioTest {};

std::string radioFile(const std::string& com, const std::string& mem) {
    std::string bytes(160, '\0');
    bytes.replace(0, com.size(), com);
    bytes.replace(80, mem.size(), mem);
    return bytes;
}

struct Repair {
    const char* name;
    std::string file; // empty: no file
    const char* com;
    const char* mem;
};

TEST_F(RadioConfigTest, FrequenciesAreReadOrRepaired) {
    std::string longCom(80, '1'); // no NUL in the whole buffer
    const Repair cases[] = {
        {"kept", radioFile("128.550", "140.300"), "128.550", "140.300"},
        {"too short and too long", radioFile("12.5", "123.4567"), "140.300", "120.100"},
        {"empty", radioFile("", ""), "140.300", "120.100"},
        {"no end in the buffer", radioFile(longCom, "296.800"), "140.300", "296.800"},
        {"short file", std::string("130.100"), "130.100", "296.800"},
        {"no file", std::string(), "140.300", "296.800"},
    };
    for (const Repair& c : cases) {
        SCOPED_TRACE(c.name);
        radio = RadioState{};
        std::remove((folder.path() / "Sound/Cfg/Radio.cfg").string().c_str());
        if (!c.file.empty()) {
            folder.write("Sound/Cfg/Radio.cfg", c.file);
        }
        LoadRadioConfig();
        EXPECT_STREQ(radio.comFrequency, c.com);
        EXPECT_STREQ(radio.memFrequency, c.mem);
        EXPECT_EQ(std::string(radio.comFrequencyText.text, radio.comFrequencyText.length),
                  std::string("Com Frequency: ") + c.com + "Mhz");
        EXPECT_EQ(std::string(radio.memFrequencyText.text, radio.memFrequencyText.length),
                  std::string("Mem Frequency: ") + c.mem + "Mhz  (SHF-F)");
        EXPECT_EQ(radio.radarState, 2);
    }
}

TEST_F(RadioConfigTest, AMissingFileIsWrittenWithTheDefaultsAndSavedAtClose) {
    std::filesystem::create_directories(folder.path() / "Sound/Cfg");
    LoadRadioConfig();
    ASSERT_TRUE(folder.exists("Sound/Cfg/Radio.cfg"));
    EXPECT_EQ(folder.read("Sound/Cfg/Radio.cfg"), radioFile("140.300", "296.800"));
    ASSERT_TRUE(SetStandbyFrequency("121.500"));
    SwapFrequencies();
    SaveRadioConfig();
    EXPECT_EQ(folder.read("Sound/Cfg/Radio.cfg").substr(0, 8), std::string("121.500\0", 8));
    EXPECT_EQ(folder.read("Sound/Cfg/Radio.cfg").substr(80, 8), std::string("140.300\0", 8));
}

TEST_F(RadioConfigTest, TheVolumeLevelFollowsVolAtc) {
    struct Level {
        int volAtc;
        int level;
        int volAtcAfter;
    };
    for (Level c : {Level{134, 1, 105}, Level{135, 1, 135}, Level{0, 1, 105}, Level{200, 3, 200},
                    Level{255, 5, 255}}) {
        SCOPED_TRACE(c.volAtc);
        liveOptions.VOLATC = c.volAtc;
        LoadRadioConfig();
        EXPECT_EQ(radio.radioVolumeLevel, c.level);
        EXPECT_EQ(liveOptions.VOLATC, c.volAtcAfter);
    }
}

TEST_F(RadioConfigTest, VolumeStepsCycleThroughTheFiveLevels) {
    liveOptions.VOLATC = 195;
    LoadRadioConfig();
    int seen[6];
    for (int& volume : seen) {
        StepVolumeLevel();
        volume = liveOptions.VOLATC;
    }
    EXPECT_EQ(std::vector<int>(seen, seen + 6), (std::vector<int>{225, 255, 135, 165, 195, 225}));
}

TEST_F(RadioConfigTest, StandbyFrequencyNeedsSevenCharactersWithThePointAtIndexThree) {
    struct Entry {
        const char* text;
        bool accepted;
    };
    for (Entry c : {Entry{"121.500", true}, Entry{"abc.def", true}, Entry{"121.50", false},
                    Entry{"121.5000", false}, Entry{"1215.00", false}, Entry{"121,500", false},
                    Entry{"", false}, Entry{nullptr, false}}) {
        SCOPED_TRACE(c.text != nullptr ? c.text : "null");
        LoadRadioConfig();
        EXPECT_EQ(SetStandbyFrequency(c.text), c.accepted);
        EXPECT_STREQ(radio.memFrequency, c.accepted ? c.text : "296.800");
    }
}

TEST_F(RadioConfigTest, MuteTogglesOrSwitchesTheChatterOn) {
    LoadRadioConfig();
    liveOptions.PLAYRADIOATC = 1;
    ToggleMute();
    EXPECT_EQ(radio.radioMuted, 1);
    ToggleMute();
    EXPECT_EQ(radio.radioMuted, 0);

    liveOptions.PLAYRADIOATC = 0;
    radio.radioMuted = 1;
    ToggleMute();
    EXPECT_EQ(radio.radioMuted, 0);
    EXPECT_EQ(liveOptions.PLAYRADIOATC, 1);
    EXPECT_EQ(vesselTable[LEGACY_SOUND_ID].settings.PLAYRADIOATC, 1);
}

} // namespace
