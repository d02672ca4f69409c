// The dialog's behaviour through its model: start, Test previews heard through the platform's
// DirectSound (offline, traced), timers, saving, cancelling and the shell actions.
#include "config_program/model/config_dialog.h"
#include "config_program/model/dialog_ids.h"
#include "config_program/model/test_previews.h"
#include "fake_dialog.h"
#include "platform/audio/audio_output.h"
#include "tunedesk_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {
using tunedesk::DialogTimer;
using tunedesktest::recordBytes;
using tunedesktest::tunedeskDefaults;

constexpr const char* optionFile = "Sound/Cfg/Zephyrin3.cfg";

class TunedeskDialog : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(tree.path() / "Sound/Cfg");
        std::vector<std::string> previews(tunedesk::previewFiles().begin(),
                                          tunedesk::previewFiles().end());
        tunedesktest::writeWaves(tree, previews);
        tunedesktest::writeRadioWaves(tree, 3);
    }

    void start() {
        trace = std::make_unique<tunedesktest::PreviewTrace>((tree.path() / "trace.tsv").string());
        dialog = std::make_unique<tunedesk::ConfigDialogModel>(view, services);
        dialog->start();
    }

    void finishBlinking() {
        for (int tick = 0; tick < 6; ++tick)
            dialog->timer(DialogTimer::blinkWarning);
    }

    testsupport::ScratchFolder tree;
    tunedesktest::FakeView view;
    tunedesktest::FakeServices services;
    std::unique_ptr<tunedesktest::PreviewTrace> trace;
    std::unique_ptr<tunedesk::ConfigDialogModel> dialog;
};
} // namespace

TEST_F(TunedeskDialog, StartShowsTheFileAndPlaysTheIntro) {
    view.texts[IDC_WARNINGTEXT] = "Warning";
    start();
    EXPECT_EQ(tree.read(optionFile), recordBytes(tunedeskDefaults()));
    EXPECT_TRUE(view.checked(IDC_ALLOW3DAUDIO));
    EXPECT_FALSE(view.checked(IDC_PLAYRADARBIP));
    EXPECT_EQ(view.text(IDC_VOLRADAR), "220");
    EXPECT_EQ(view.text(IDC_ATCDELAYFACTOR), "20");
    EXPECT_EQ(view.mp3Selection, 1);
    EXPECT_EQ(view.text(IDC_RADIOTESTTEXT), "Found 3/60 waves in folder 'radio\\140.300' sts-134");
    EXPECT_EQ(trace->played(), std::vector<std::string>{"sound\\cfg\\Zp.tpc"});
    EXPECT_TRUE(view.messages.empty());

    // The warning blanks three times and ends visible.
    std::vector<std::string> shown;
    for (int tick = 0; tick < 6; ++tick) {
        ASSERT_TRUE(view.runs(DialogTimer::blinkWarning));
        dialog->timer(DialogTimer::blinkWarning);
        shown.push_back(view.text(IDC_WARNINGTEXT));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"", "Warning", "", "Warning", "", "Warning"}));
    EXPECT_FALSE(view.runs(DialogTimer::blinkWarning));
}

TEST_F(TunedeskDialog, NoIntroWithTheSwitchFile) {
    tree.write("Sound/Cfg/nointro.txt", "");
    start();
    EXPECT_TRUE(trace->played().empty());
}

TEST_F(TunedeskDialog, TestPlaysAtTheTypedVolume) {
    start();
    view.texts[IDC_VOLMAINTHRUST] = "100";
    dialog->command(IDC_TESTMAINTHRUST);
    const std::vector<std::string> volumes = trace->calls("SetVolume");
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.back(), "sound\\vessel\\mainext.wav\t-3019");
    EXPECT_EQ(trace->played().back(), "sound\\vessel\\mainext.wav");
    EXPECT_EQ(dialog->record().VOLMAINTHRUST, 100);
}

TEST_F(TunedeskDialog, AttitudeModeTestPlaysRotationThenTranslation) {
    tree.write("Sound/Cfg/nointro.txt", "");
    start();
    dialog->command(IDC_TESTATTITUDEMODE);
    dialog->command(IDC_TESTATTITUDEMODE);
    EXPECT_EQ(trace->played(), (std::vector<std::string>{"sound\\vessel\\RcsattmodeRot.wav",
                                                         "sound\\vessel\\RcsattmodeTrans.wav"}));
}

TEST_F(TunedeskDialog, DockingIsFollowedByItsRadioCallAtTheSameVolume) {
    tree.write("Sound/Cfg/nointro.txt", "");
    start();
    view.texts[IDC_VOLDOCKING] = "60";
    dialog->command(IDC_TESTDOCKING);
    ASSERT_TRUE(view.runs(DialogTimer::dockingRadio));
    EXPECT_EQ(view.timers[DialogTimer::dockingRadio], 50);
    dialog->timer(DialogTimer::dockingRadio); // still docking
    EXPECT_EQ(trace->played().size(), 1u);
    view.texts[IDC_VOLDOCKING] = "255";
    platform::audio::renderOffline(0.5);
    dialog->timer(DialogTimer::dockingRadio);
    EXPECT_EQ(trace->played(), (std::vector<std::string>{"sound\\vessel\\docking.wav",
                                                         "sound\\vessel\\docking_radio.wav"}));
    EXPECT_EQ(trace->calls("SetVolume").back(), "sound\\vessel\\docking_radio.wav\t-3803");
    EXPECT_FALSE(view.runs(DialogTimer::dockingRadio));
}

TEST_F(TunedeskDialog, RadioTestPlaysWaveAfterWaveAndRestoresItsText) {
    tree.write("Sound/Cfg/nointro.txt", "");
    start();
    for (int press = 0; press < 4; ++press)
        dialog->command(IDC_TESTRADIO);
    const std::string folder = "sound\\radio\\140.300 STS-134\\";
    EXPECT_EQ(trace->played(),
              (std::vector<std::string>{folder + "call 00.wav", folder + "call 01.wav",
                                        folder + "call 02.wav", folder + "call 00.wav"}));
    EXPECT_EQ(view.text(IDC_RADIOTESTTEXT), "Playing Number 1 press test again for next one");
    EXPECT_EQ(view.timers[DialogTimer::radioText], 2000);
    dialog->timer(DialogTimer::radioText);
    EXPECT_EQ(view.text(IDC_RADIOTESTTEXT), "Found 3/60 waves in folder 'radio\\140.300' sts-134");
    EXPECT_FALSE(view.runs(DialogTimer::radioText));
}

TEST_F(TunedeskDialog, AFieldOutOfRangeStopsTestAndSave) {
    start();
    const size_t playsAtStart = trace->played().size();
    view.texts[IDC_ATCMAXDELAY] = "3601";
    view.checks[IDC_PLAYRADARBIP] = true;
    dialog->command(IDC_TESTRADAR);
    dialog->command(IDC_SAVE_AND_EXIT);
    EXPECT_EQ(view.messages,
              std::vector<std::string>(2, "Please enter an integer between 0 and 3600."));
    EXPECT_EQ(view.focused, IDC_ATCMAXDELAY);
    EXPECT_EQ(trace->played().size(), playsAtStart);
    EXPECT_EQ(tree.read(optionFile), recordBytes(tunedeskDefaults()));
    EXPECT_FALSE(view.closed);
}

TEST_F(TunedeskDialog, DefaultThenSaveWritesTheDefaults) {
    OptionRecord changed = tunedeskDefaults();
    changed.PLAYAUXTHRUST = 0;
    changed.VOLRESERVED = 9;
    changed.VOLGPWS = 12;
    changed.MP3MODE = 5;
    tree.write(optionFile, recordBytes(changed));
    start();
    EXPECT_EQ(view.text(IDC_VOLGPWS), "12");
    dialog->command(IDC_DEFAULTOPTIONS);
    EXPECT_EQ(view.text(IDC_VOLGPWS), "255");
    EXPECT_EQ(tree.read(optionFile), recordBytes(changed)) << "nothing written before Save";
    dialog->command(IDC_SAVE_AND_EXIT);
    EXPECT_EQ(tree.read(optionFile), recordBytes(tunedeskDefaults()));
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TunedeskDialog, SaveWritesTheChangedFieldAndWarnsWhileTheSimulatorRuns) {
    start();
    view.texts[IDC_VOLRADAR] = "17";
    services.running = true;
    dialog->command(IDC_SAVE_AND_EXIT);
    OptionRecord expected = tunedeskDefaults();
    expected.VOLRADAR = 17;
    EXPECT_EQ(tree.read(optionFile), recordBytes(expected));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].rfind("Voranth is running!!!\n\n", 0), 0u);
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(dialog->hasSoundDevice());
}

TEST_F(TunedeskDialog, CancelWritesNothingAndReleasesTheDevice) {
    start();
    view.texts[IDC_VOLRADAR] = "17";
    dialog->command(IDC_CANCEL_AND_EXIT);
    EXPECT_EQ(tree.read(optionFile), recordBytes(tunedeskDefaults()));
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(dialog->hasSoundDevice());
    const std::vector<std::string> releases = trace->calls("Release");
    EXPECT_FALSE(releases.empty());
    dialog->command(IDC_TESTMAINTHRUST); // the ended dialog does nothing more
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TunedeskDialog, ThreeDBoxesFollowAllow3DAudio) {
    start();
    view.checks[IDC_ALLOW3DAUDIO] = false;
    dialog->command(IDC_ALLOW3DAUDIO);
    EXPECT_EQ(view.disabled, (std::set<int>{IDC_ALLOW3DCONE, IDC_ALLOW3DMACHCONE, IDC_ALLOW3DRCS}));
    view.checks[IDC_ALLOW3DCONE] = false;
    view.checks[IDC_ALLOW3DAUDIO] = true;
    dialog->command(IDC_ALLOW3DAUDIO);
    EXPECT_EQ(view.disabled, std::set<int>{IDC_ALLOW3DMACHCONE});
    view.checks[IDC_ALLOW3DCONE] = true;
    dialog->command(IDC_ALLOW3DCONE);
    EXPECT_TRUE(view.disabled.empty());
}

TEST_F(TunedeskDialog, OutdatedAddonBoxWarnsWhenChecked) {
    start();
    view.checks[IDC_NOOUTDATEDADDONWARNING] = true;
    dialog->command(IDC_NOOUTDATEDADDONWARNING);
    ASSERT_EQ(view.titles, std::vector<std::string>{"Please pay attention"});
    view.checks[IDC_NOOUTDATEDADDONWARNING] = false;
    dialog->command(IDC_NOOUTDATEDADDONWARNING);
    EXPECT_EQ(view.messages.size(), 1u);
}

TEST_F(TunedeskDialog, ShellActionsAndTheirErrors) {
    start();
    dialog->command(IDC_HELPBUTTON);
    dialog->command(IDC_OPENMP3FOLDER);
    dialog->command(IDC_LINK);
    EXPECT_EQ(services.opened[0], "doc\\Zephyrin Documentation\\index.html");
    EXPECT_EQ(services.opened[1], "sound\\mp3");
    EXPECT_EQ(services.opened[2].rfind("https://", 0), 0u);
    EXPECT_TRUE(view.messages.empty());
    for (const auto& [result, message] :
         {std::pair{tunedesk::ShellResult::fileNotFound, "File not found   \n"},
          std::pair{tunedesk::ShellResult::pathNotFound, "Path not found   \n"},
          std::pair{tunedesk::ShellResult::noAssociation,
                    "There is no application associated with the given filename extension   \n"}}) {
        services.result = result;
        dialog->command(IDC_HELPBUTTON);
        EXPECT_EQ(view.messages.back(), message);
    }
}
