// The Qt dialog under the offscreen platform, driven through its widgets as a user would: each
// control is found by its resource number.
#include "config_program/model/dialog_ids.h"
#include "config_program/qt/config_dialog_qt.h"
#include "config_program/qt/platform_services_linux.h"
#include "platform/audio/audio_output.h"
#include "tunedesk_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using tunedesktest::recordBytes;
using tunedesktest::tunedeskDefaults;

constexpr const char* optionFile = "Sound/Cfg/Zephyrin3.cfg";

// Closes every message box as it opens and keeps its text.
class MessageCatcher {
public:
    MessageCatcher() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(window);
                if (box != nullptr && box->isVisible()) {
                    texts.push_back(box->text().toStdString());
                    box->done(QMessageBox::Ok);
                }
            }
        });
        poll_.start(5);
    }
    std::vector<std::string> texts;

private:
    QTimer poll_;
};

class QtDialog : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(tree.path() / "Sound/Cfg");
        tree.write("Sound/Cfg/nointro.txt", "");
    }

    void open() {
        dialog = std::make_unique<CZpConfigDlg>(services);
        dialog->start();
        dialog->show();
    }

    template <typename Widget> Widget* control(int id) {
        auto* widget = dialog->findChild<Widget*>(QString::number(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }

    void type(int id, const char* text) {
        QLineEdit* edit = control<QLineEdit>(id);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    void click(int id) { QTest::mouseClick(control<QPushButton>(id), Qt::LeftButton); }

    testsupport::ScratchFolder tree;
    LinuxServices services;
    MessageCatcher messages;
    std::unique_ptr<CZpConfigDlg> dialog;
};
} // namespace

TEST_F(QtDialog, StartWithoutAFileWritesTheDefaults) {
    open();
    EXPECT_EQ(tree.read(optionFile), recordBytes(tunedeskDefaults()));
    EXPECT_EQ(dialog->windowTitle(), "Zephyrin 4.0 (3D) configuration program");
    EXPECT_TRUE(control<QCheckBox>(IDC_ALLOW3DAUDIO)->isChecked());
    EXPECT_EQ(control<QLineEdit>(IDC_VOLRADAR)->text(), "220");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(QtDialog, ChangingAFieldAndSavingWritesExactlyThatByte) {
    open();
    type(IDC_VOLRADAR, "17");
    click(IDC_SAVE_AND_EXIT);
    OptionRecord expected = tunedeskDefaults();
    expected.VOLRADAR = 17;
    EXPECT_EQ(tree.read(optionFile), recordBytes(expected));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(QtDialog, TheFieldsTakeOnlyDigitsAndTheFactorADecimalPoint) {
    open();
    type(IDC_VOLATC, "1-2a3");
    EXPECT_EQ(control<QLineEdit>(IDC_VOLATC)->text(), "123");
    type(IDC_ATCDELAYFACTOR, "2.5.1");
    EXPECT_EQ(control<QLineEdit>(IDC_ATCDELAYFACTOR)->text(), "2.51");
}

TEST_F(QtDialog, CancelWritesNothing) {
    OptionRecord saved = tunedeskDefaults();
    saved.VOLGPWS = 3;
    tree.write(optionFile, recordBytes(saved));
    open();
    type(IDC_VOLGPWS, "200");
    QTest::mouseClick(control<QCheckBox>(IDC_PLAYRADARBIP), Qt::LeftButton);
    click(IDC_CANCEL_AND_EXIT);
    EXPECT_EQ(tree.read(optionFile), recordBytes(saved));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(QtDialog, AFieldOutOfRangeShowsTheMessageAndKeepsTheDialogOpen) {
    open();
    type(IDC_VOLRADAR, "300");
    click(IDC_SAVE_AND_EXIT);
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Please enter an integer between 0 and 255."});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(tree.read(optionFile), recordBytes(tunedeskDefaults()));
}

TEST_F(QtDialog, TheThreeDBoxesFollowAllow3DAudio) {
    open();
    QTest::mouseClick(control<QCheckBox>(IDC_ALLOW3DAUDIO), Qt::LeftButton);
    for (int id : {IDC_ALLOW3DCONE, IDC_ALLOW3DMACHCONE, IDC_ALLOW3DRCS})
        EXPECT_FALSE(control<QCheckBox>(id)->isEnabled()) << id;
    QTest::mouseClick(control<QCheckBox>(IDC_ALLOW3DAUDIO), Qt::LeftButton);
    for (int id : {IDC_ALLOW3DCONE, IDC_ALLOW3DMACHCONE, IDC_ALLOW3DRCS})
        EXPECT_TRUE(control<QCheckBox>(id)->isEnabled()) << id;
}

TEST_F(QtDialog, SavingWhileTheTreesSimulatorRunsWarns) {
    std::filesystem::copy_file("/bin/sleep", tree.path() / "vrhost");
    const pid_t simulator = ::fork();
    if (simulator == 0) {
        ::execl((tree.path() / "vrhost").c_str(), "vrhost", "30", nullptr);
        ::_exit(127);
    }
    QTest::qWait(100);
    open();
    click(IDC_SAVE_AND_EXIT);
    ::kill(simulator, SIGTERM);
    ::waitpid(simulator, nullptr, 0);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0].rfind("Voranth is running!!!", 0), 0u);
    EXPECT_EQ(tree.read(optionFile), recordBytes(tunedeskDefaults()));
}

TEST_F(QtDialog, NoWarningWithoutTheSimulator) {
    open();
    click(IDC_SAVE_AND_EXIT);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(QtDialog, TheRadioFolderLabel) {
    for (const auto& [waves, label] :
         {std::pair{6, "Found 6/60 waves in folder 'radio\\140.300' sts-134"},
          std::pair{75, "Found 60/60 waves in folder 'radio\\140.300' sts-134"}}) {
        std::filesystem::remove_all(tree.path() / "sound");
        tunedesktest::writeRadioWaves(tree, waves);
        open();
        EXPECT_EQ(control<QLabel>(IDC_RADIOTESTTEXT)->text().toStdString(), label);
        click(IDC_CANCEL_AND_EXIT);
    }
}

TEST_F(QtDialog, TestButtonsPlayThroughTheTrace) {
    tunedesktest::writeWaves(tree,
                             {"sound\\vessel\\RcsattmodeRot.wav",
                              "sound\\vessel\\RcsattmodeTrans.wav", "sound\\vessel\\mainext.wav"});
    tunedesktest::PreviewTrace trace((tree.path() / "trace.tsv").string());
    open();
    click(IDC_TESTATTITUDEMODE);
    click(IDC_TESTATTITUDEMODE);
    type(IDC_VOLMAINTHRUST, "100");
    click(IDC_TESTMAINTHRUST);
    EXPECT_EQ(trace.played(), (std::vector<std::string>{"sound\\vessel\\RcsattmodeRot.wav",
                                                        "sound\\vessel\\RcsattmodeTrans.wav",
                                                        "sound\\vessel\\mainext.wav"}));
    EXPECT_EQ(trace.calls("SetVolume").back(), "sound\\vessel\\mainext.wav\t-3019");
    EXPECT_EQ(control<QLabel>(IDC_STATUSLINE)->text().toStdString(),
              "sound\\vessel\\mainext.wav (volume 100)");
    click(IDC_CANCEL_AND_EXIT);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every dialog plays to the offline output, on machines with a sound card or without.
    platform::audio::selectOutput(platform::audio::Output::Offline);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
