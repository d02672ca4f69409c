// Which file each Test button plays, at which volume, and how its cycle advances.
#include "config_program/model/dialog_ids.h"
#include "config_program/model/preview_sound.h"
#include "config_program/model/radio_test.h"
#include "config_program/model/test_previews.h"
#include "tunedesk_fixture.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> pressed(int button, int times) {
    tunedesk::TestCycles cycles;
    std::vector<std::string> files;
    for (int i = 0; i < times; ++i) {
        std::string together;
        for (const char* file : cycles.press(button).files)
            together += (together.empty() ? "" : " + ") + std::string(file);
        files.push_back(together);
    }
    return files;
}
} // namespace

TEST(TunedeskTests, EachButtonPlaysItsFilesAtItsRowsVolume) {
    struct Case {
        int button;
        const char* first;
        int32_t OptionRecord::*volume;
    };
    using R = OptionRecord;
    const Case cases[] = {
        {IDC_TESTCOUNTDOWN, "sound\\vessel\\countdown.wav", &R::VOLCOUNTDOWN},
        {IDC_TESTAIRCOND, "sound\\vessel\\aircond.wav", &R::VOLAIRCOND},
        {IDC_TESTMAINTHRUST, "sound\\vessel\\mainext.wav", &R::VOLMAINTHRUST},
        {IDC_TESTHOVERTHRUST, "sound\\vessel\\hover_int.wav", &R::VOLHOVERTHRUST},
        {IDC_TESTRETROTHRUST, "sound\\vessel\\retro.wav", &R::VOLRETROTHRUST},
        {IDC_TESTRADAR, "sound\\vessel\\radar_bip.wav", &R::VOLRADAR},
        {IDC_TESTWINDAIRSPEED, "sound\\vessel\\airspeed.wav", &R::VOLWINDAIRSPEED},
        {IDC_TESTLANDCLEARANCE, "sound\\vessel\\landclr.wav", &R::VOLLANDCLEARANCE},
        {IDC_TESTSONICBANG, "sound\\vessel\\sonicbang.wav", &R::VOLSONICBANG},
        {IDC_TESTREENTRY, "sound\\vessel\\reentryfar.wav", &R::VOLREENTRY},
        {IDC_TESTDOCKING, "sound\\vessel\\docking.wav", &R::VOLDOCKING},
        {IDC_TESTCABINAMBIENCE, "sound\\vessel\\ambient1.wav", &R::VOLCABINAMBIENCE},
        {IDC_TESTGPWS, "sound\\vessel\\-10.wav", &R::VOLGPWS},
        {IDC_TESTATTITUDEMODE, "sound\\vessel\\RcsattmodeRot.wav", &R::VOLATTITUDEMODE},
        {IDC_TESTLANDINGCRASH, "sound\\vessel\\Roll.wav", &R::VOLLANDINGCRASH},
        {IDC_TESTATTITUDETHRUST, "sound\\vessel\\AttFire.wav", &R::VOLATTITUDETHRUST},
        {IDC_TESTWINDAMBIANCE, "sound\\_CustomWindSounds\\Earth_default2.wav",
         &R::VOLWINDBASEAMBIENCE},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(tunedesk::isTestButton(c.button));
        tunedesk::TestCycles cycles;
        const tunedesk::TestPlay play = cycles.press(c.button);
        ASSERT_FALSE(play.files.empty()) << c.button;
        EXPECT_STREQ(play.files.front(), c.first);
        EXPECT_EQ(play.volume, c.volume) << c.first;
        EXPECT_EQ(play.followWithDockingRadio, c.button == IDC_TESTDOCKING);
    }
    EXPECT_FALSE(tunedesk::isTestButton(IDC_TESTRADIO));
    EXPECT_FALSE(tunedesk::isTestButton(IDC_SAVE_AND_EXIT));
}

TEST(TunedeskTests, TheCyclesOfSuccessivePresses) {
    EXPECT_EQ(pressed(IDC_TESTATTITUDEMODE, 3),
              (std::vector<std::string>{"sound\\vessel\\RcsattmodeRot.wav",
                                        "sound\\vessel\\RcsattmodeTrans.wav",
                                        "sound\\vessel\\RcsattmodeRot.wav"}));
    EXPECT_EQ(pressed(IDC_TESTLANDINGCRASH, 3),
              (std::vector<std::string>{"sound\\vessel\\Roll.wav", "sound\\vessel\\crash.wav",
                                        "sound\\vessel\\Roll.wav"}));
    const std::vector<std::string> ambience = pressed(IDC_TESTCABINAMBIENCE, 10);
    EXPECT_EQ(ambience[0], "sound\\vessel\\ambient1.wav");
    EXPECT_EQ(ambience[7], "sound\\vessel\\ambient8.wav");
    EXPECT_EQ(ambience[8], "sound\\vessel\\ambient0.wav");
    EXPECT_EQ(ambience[9], "sound\\vessel\\ambient1.wav");
    const std::vector<std::string> gpws = pressed(IDC_TESTGPWS, 13);
    EXPECT_EQ(gpws[1], "sound\\vessel\\-20.wav");
    EXPECT_EQ(gpws[5], "sound\\vessel\\-100.wav");
    EXPECT_EQ(gpws[11], "sound\\vessel\\-2500.wav");
    EXPECT_EQ(gpws[12], "sound\\vessel\\-10.wav");
    EXPECT_EQ(pressed(IDC_TESTWINDAMBIANCE, 1)[0],
              "sound\\_CustomWindSounds\\Earth_default2.wav + "
              "sound\\_CustomBaseSounds\\Earth_Cape Canaveral_12000_255_40.wav");
    EXPECT_EQ(pressed(IDC_TESTATTITUDETHRUST, 1)[0],
              "sound\\vessel\\AttFire.wav + sound\\vessel\\AttSustain.wav");
}

TEST(TunedeskTests, VolumeToAttenuation) {
    EXPECT_EQ(tunedesk::previewAttenuation(255), 0);
    EXPECT_EQ(tunedesk::previewAttenuation(254), 0);
    EXPECT_EQ(tunedesk::previewAttenuation(100), -3019);
    EXPECT_EQ(tunedesk::previewAttenuation(0), -4980);
}

TEST(TunedeskRadioTest, TheFolderIsCountedUpToSixty) {
    for (const auto& [waves, counted, message] :
         {std::tuple{0, 0, ""},
          std::tuple{6, 6, "Found 6/60 waves in folder 'radio\\140.300' sts-134"},
          std::tuple{75, 60, "Found 60/60 waves in folder 'radio\\140.300' sts-134"}}) {
        testsupport::ScratchFolder tree;
        tunedesktest::writeRadioWaves(tree, waves);
        tree.write("sound/radio/140.300 STS-134/notes.txt", "not a wave");
        const std::vector<std::string> found = tunedesk::findRadioTestWaves();
        EXPECT_EQ(static_cast<int>(found.size()), counted);
        EXPECT_EQ(tunedesk::radioFoundMessage(counted), message);
        if (counted > 0) {
            EXPECT_EQ(found.front(), "sound\\radio\\140.300 STS-134\\call 00.wav");
        }
    }
    EXPECT_EQ(tunedesk::radioPlayingMessage(0), "Playing Number 1 press test again for next one");
}
