// Tunedesk's dialog without its drawing: the option record and the controls, the Test previews
// and their cycles, the radio test, the timers, saving and the shell actions. A front end builds
// the controls of dialog_layout.def, forwards each command, timer and close to this object and
// shows what it sets.
#pragma once

#include "config_program/model/dialog_view.h"
#include "config_program/model/preview_sound.h"
#include "config_program/model/test_previews.h"
#include "shared/option_record.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tunedesk {

inline constexpr const char* dialogTitle = "Zephyrin 4.0 (3D) configuration program";
inline constexpr const char* messageTitle = "Tunedesk";
inline constexpr const char* manualPage = "doc\\Zephyrin Documentation\\index.html";
inline constexpr const char* musicFolder = "sound\\mp3";
inline constexpr const char* productPage = "https://voranth-sim.org/addons/zephyrin";
inline constexpr const char* simulatorRunningWarning =
    "Voranth is running!!!\n\nYour configuration changes will not be taken\nin account until you "
    "exit completely Voranth\nand relaunch it!\n\nClick ok to save and exit Tunedesk.";
inline constexpr const char* outdatedAddonWarningTitle = "Please pay attention";
inline constexpr const char* outdatedAddonWarning =
    "This will disable the flashing message on the lower screen when an addon use the old "
    "Zephyrin SDK 2.5 to play sound\nBe warned anyway that you will not be advised of one old "
    "addon an may be suprised and think that a strange sound behaviour\nis a bug wich is not... "
    "only an outdated addon using an outdated SDK. Thanks you.";
inline constexpr const char* noSoundDeviceStatus = "No sound device: Test plays nothing";

// The message for a shell action that failed, empty when it opened.
std::string shellFailureMessage(ShellResult result);

class ConfigDialogModel {
public:
    ConfigDialogModel(DialogView& view, PlatformServices& services);
    ~ConfigDialogModel();
    ConfigDialogModel(const ConfigDialogModel&) = delete;
    ConfigDialogModel& operator=(const ConfigDialogModel&) = delete;

    // The dialog's start, once its controls exist: the file into the controls, the sound device
    // and previews, the radio test folder, the intro sound and the blinking warning.
    void start();
    // A button or check box clicked, or the link label pressed.
    void command(int id);
    void timer(DialogTimer which);
    // The dialog ended from outside (window closed, the desktop's SIGTERM): as "Cancel and exit".
    void cancel();

    const OptionRecord& record() const { return record_; }
    bool hasSoundDevice() const { return device_.directSound() != nullptr; }
    // After "Save and exit" or "Cancel and exit": the dialog shows nothing more.
    bool ended() const { return ended_; }
    int radioTestCount() const { return static_cast<int>(radioWaves_.size()); }

private:
    void showRecord();
    // Dialog → record; false (with the message shown, the field focused) when a field is wrong.
    bool readControls();
    void applyThreeDRule();
    void test(int button);
    void testRadio();
    void play(const std::vector<const char*>& files, int volume);
    void save();
    void releaseSounds();
    void openInShell(ShellResult result);

    DialogView& view_;
    PlatformServices& services_;
    OptionRecord record_{};
    PreviewDevice device_;
    std::map<std::string, std::unique_ptr<CSound>> previews_;
    std::vector<std::unique_ptr<CSound>> radioWaves_;
    TestCycles cycles_;
    int radioIndex_ = 0;
    int blinkTicks_ = 0;
    std::string warningText_;
    int dockingRadioVolume_ = 0;
    bool ended_ = false;
};

} // namespace tunedesk
