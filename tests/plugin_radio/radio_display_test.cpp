#include "host/mfd.h"
#include "host/world.h"
#include "plugin/core/main_configuration.h"
#include "plugin/radio/frequency_folders.h"
#include "plugin/radio/radio_config.h"
#include "plugin/radio/radio_display.h"
#include "radio_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace zephyrin;

constexpr DWORD keyD = 0x20;
constexpr DWORD keyE = 0x12;
constexpr DWORD keyB = 0x30;
constexpr DWORD keyF = 0x21;
constexpr DWORD keyM = 0x32;
constexpr DWORD keyR = 0x13;

class RadioDisplayTest : public testsupport::RadioTest {
protected:
    RadioDisplayTest() {
        focusOn({});
        LoadRadioConfig();
    }

    std::unique_ptr<RadioMFD> open(DWORD width, DWORD height) {
        LRESULT object = radioDisplayMessageProc(MFD_OPENED, 0, width | (height << 16), 0);
        return std::unique_ptr<RadioMFD>(reinterpret_cast<RadioMFD*>(object));
    }

    std::vector<vrhost::DrawnText> paint(RadioMFD& display) {
        vrhost::TextSketchpad pad(7, 9);
        EXPECT_TRUE(display.Update(&pad));
        return pad.texts();
    }

    static const vrhost::DrawnText* find(const std::vector<vrhost::DrawnText>& texts,
                                         const std::string& text) {
        for (const vrhost::DrawnText& drawn : texts) {
            if (drawn.text == text) {
                return &drawn;
            }
        }
        return nullptr;
    }
};

TEST_F(RadioDisplayTest, LinesSitOnePitchApartFromTheCharacterSize) {
    struct Layout {
        DWORD width, height;
        int x, line1, line12;
    };
    // 256 x 256: characters 7 x 9, pitch 9; 400 x 300: 11 x 10, pitch 11.
    for (Layout c : {Layout{256, 256, 7, 22, 121}, Layout{400, 300, 11, 27, 148}}) {
        SCOPED_TRACE(c.width);
        auto display = open(c.width, c.height);
        auto texts = paint(*display);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0].text, "Radio / Radar / MP3");
        const vrhost::DrawnText* vhf = find(texts, "---- VHF ----");
        ASSERT_NE(vhf, nullptr);
        EXPECT_EQ(vhf->x, c.x);
        EXPECT_EQ(vhf->y, c.line1);
        EXPECT_EQ(vhf->colour, displayGreen);
        const vrhost::DrawnText* radar = find(texts, "No Objects detected");
        ASSERT_NE(radar, nullptr);
        EXPECT_EQ(radar->y, c.line12);
    }
}

TEST_F(RadioDisplayTest, TheRadioPageShowsTheRadioState) {
    auto display = open(256, 256);
    auto texts = paint(*display);
    const vrhost::DrawnText* status = find(texts, "Com status: Off (bad frequency)");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->colour, displayRed);
    EXPECT_NE(find(texts, "Com Frequency: 140.300Mhz"), nullptr);
    EXPECT_NE(find(texts, "Mem Frequency: 296.800Mhz  (SHF-F)"), nullptr);
    EXPECT_NE(find(texts, "Com Volume: 5  (SHF-V)"), nullptr);
    EXPECT_NE(find(texts, "Proximity radar : On (SHF-R)"), nullptr);
    EXPECT_EQ(find(texts, "---- MP3 ----"), nullptr); // no player

    display->ConsumeKeyBuffered(keyM);
    display->ConsumeKeyBuffered(keyR);
    texts = paint(*display);
    ASSERT_NE(find(texts, "Com Mute: On  (SHF-M)"), nullptr);
    EXPECT_EQ(find(texts, "Com Mute: On  (SHF-M)")->colour, displayRed);
    EXPECT_NE(find(texts, "Proximity radar : Off (SHF-R)"), nullptr);
    EXPECT_EQ(liveOptions.PLAYRADARBIP, 0);

    liveOptions.PLAYRADIOATC = 0;
    texts = paint(*display);
    EXPECT_EQ(find(texts, "ATC chatter disabled in options")->colour, displayRed);
    display->ConsumeKeyBuffered(keyM);
    EXPECT_NE(find(paint(*display), "Com Mute: Off  (SHF-M)"), nullptr);
}

TEST_F(RadioDisplayTest, TheRadarLineIsCutTo23CharactersAndColouredByDistance) {
    struct Contact {
        double centre, size;
        const char* text;
        DWORD colour;
    };
    const Contact cases[] = {
        {52.34, 40, "Object Distance : 12.34", displayRadarRed},
        {45, 40, "Object Distance : 5.00m", displayRadarRed},
        {80, 40, "Object Distance : 40.00", displayRadarOrange},
        {130, 40, "Object Distance : 90.00", displayRadarYellow},
        {1040, 40, "Object Distance : 1000.", displayGreen},
        {30, 40, "Object Distance : NEG  ", displayRadarRed},
        {5000, 40, "No Objects detected", displayGreen},
    };
    auto display = open(256, 256);
    for (const Contact& c : cases) {
        SCOPED_TRACE(c.text);
        showRadarContact(c.centre, c.size);
        const std::vector<vrhost::DrawnText> texts = paint(*display);
        const vrhost::DrawnText* line = find(texts, c.text);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->colour, c.colour);
    }
    showRadarContact(0, 0);
}

TEST_F(RadioDisplayTest, TheListPagesShowElevenFoldersEach) {
    for (int index = 0; index < 60; ++index) {
        char name[40];
        std::snprintf(name, sizeof name, "Sound/radio/%03d.500 Folder/a.wav", index);
        writeWave(name);
    }
    ScanFrequencyFolders();
    auto display = open(256, 256);
    display->ConsumeKeyBuffered(keyD);
    auto texts = paint(*display);
    EXPECT_NE(find(texts, "- Available frequencies Page 1 -"), nullptr);
    EXPECT_NE(find(texts, "000.500 Folder"), nullptr);
    EXPECT_NE(find(texts, "010.500 Folder"), nullptr);
    EXPECT_EQ(find(texts, "011.500 Folder"), nullptr);
    EXPECT_EQ(find(texts, "SHF-(B)ack    SHF-N(E)xt")->colour, displayBlue);

    for (int press = 0; press < 6; ++press) {
        display->ConsumeKeyBuffered(keyE);
    }
    texts = paint(*display);
    EXPECT_NE(find(texts, "- Available frequencies Page 6 -"), nullptr);
    EXPECT_NE(find(texts, "055.500 Folder"), nullptr);
    EXPECT_NE(find(texts, "059.500 Folder"), nullptr);
    EXPECT_EQ(texts.size(), 1u + 1 + 5 + 2); // title, heading, five folders, two hints

    for (int press = 0; press < 7; ++press) {
        display->ConsumeButton(11, 1);
    }
    EXPECT_EQ(radio.frequencyListPage, 0);
    EXPECT_TRUE(display->ConsumeButton(10, 1));
    EXPECT_EQ(radio.frequencyListPage, 1);
    EXPECT_FALSE(display->ConsumeButton(10, 2)); // a release
    EXPECT_FALSE(display->ConsumeButton(12, 1));
    EXPECT_FALSE(display->ConsumeButton(-1, 1));
    display->ConsumeKeyBuffered(keyD);
    EXPECT_NE(find(paint(*display), "---- VHF ----"), nullptr);
}

TEST_F(RadioDisplayTest, TheInputBoxTakesOnlyFrequenciesOfTheRightForm) {
    auto display = open(256, 256);
    display->ConsumeKeyBuffered(keyF);
    vrhost::InputBox& box = vrhost::world().inputBox();
    ASSERT_TRUE(box.isOpen());
    EXPECT_EQ(box.request()->title, "Enter frequency (format: xxx.xxx)");
    EXPECT_EQ(box.request()->visibleLength, 15);
    EXPECT_FALSE(box.answer("12.345"));
    EXPECT_STREQ(radio.memFrequency, "296.800");
    display->ConsumeKeyBuffered(keyF);
    EXPECT_TRUE(box.answer("128.550"));
    EXPECT_NE(find(paint(*display), "Mem Frequency: 128.550Mhz  (SHF-F)"), nullptr);
}

TEST_F(RadioDisplayTest, ButtonsHaveTheirLabelsAndMenu) {
    auto display = open(256, 256);
    std::vector<std::string> labels;
    for (int button = 0; button < 12; ++button) {
        const char* label = display->ButtonLabel(button);
        labels.emplace_back(label != nullptr ? label : "-");
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"MUT", "VOL", "FRQ", "SWP", "LST", "RAD", "PRV",
                                                "NXT", "OI", "MOD", "-", "-"}));
    const MFDBUTTONMENU* menu = nullptr;
    EXPECT_EQ(display->ButtonMenu(&menu), 10);
    ASSERT_NE(menu, nullptr);
    EXPECT_STREQ(menu[2].line1, "Choose frequency");
    EXPECT_EQ(menu[8].selchar, '3');
    EXPECT_FALSE(display->ConsumeKeyBuffered(0x1E)); // A is no key of the mode
}

} // namespace
