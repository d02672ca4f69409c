#include "config_program/model/config_dialog.h"

#include "config_program/model/dialog_ids.h"
#include "config_program/model/dialog_values.h"
#include "config_program/model/option_file.h"
#include "config_program/model/radio_test.h"
#include "platform/audio/audio_output.h"
#include "platform/file_system.h"

#include <cstdio>

namespace tunedesk {

namespace {
constexpr int blinkIntervalMs = 100;
// Three blanks and three restores: the warning ends visible.
constexpr int blinkTickCount = 6;
constexpr int dockingPollMs = 50;
constexpr int radioTextMs = 2000;
constexpr int offlineMixMs = 50;

bool fileExists(const char* systemPath) {
    FILE* file = platform::openFile(systemPath, "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}
} // namespace

std::string shellFailureMessage(ShellResult result) {
    switch (result) {
    case ShellResult::opened:
        return {};
    case ShellResult::fileNotFound:
        return "File not found   \n";
    case ShellResult::pathNotFound:
        return "Path not found   \n";
    case ShellResult::noAssociation:
        return "There is no application associated with the given filename extension   \n";
    case ShellResult::failed:
        break;
    }
    return "Unable to open   \n";
}

ConfigDialogModel::ConfigDialogModel(DialogView& view, PlatformServices& services)
    : view_(view), services_(services) {
    fillTunedeskDefaults(record_);
}

ConfigDialogModel::~ConfigDialogModel() {
    // Sounds before the device that made them; the view may be gone by now.
    previews_.clear();
    radioWaves_.clear();
    device_.release();
}

void ConfigDialogModel::start() {
    std::vector<std::string> messages;
    record_ = loadOptionFile(messages);
    for (const std::string& message : messages)
        view_.showMessage(message, messageTitle, MessageKind::error);
    // The desktop may have ended the dialog while the message was shown.
    if (ended_)
        return;
    showRecord();

    if (device_.create(view_.windowHandle())) {
        for (const char* file : previewFiles()) {
            auto sound = std::make_unique<CSound>();
            if (sound->create(device_.directSound(), file))
                previews_[file] = std::move(sound);
        }
        for (const std::string& wave : findRadioTestWaves()) {
            auto sound = std::make_unique<CSound>();
            sound->create(device_.directSound(), wave);
            radioWaves_.push_back(std::move(sound));
        }
        if (platform::audio::selectedOutput() == platform::audio::Output::Offline)
            view_.startTimer(DialogTimer::offlineMix, offlineMixMs);
    } else {
        radioWaves_.resize(findRadioTestWaves().size());
        view_.setText(IDC_STATUSLINE, noSoundDeviceStatus);
    }
    view_.setText(IDC_RADIOTESTTEXT, radioFoundMessage(radioTestCount()));

    if (!fileExists(noIntroSwitch))
        play({introSound}, 255);

    warningText_ = view_.text(IDC_WARNINGTEXT);
    blinkTicks_ = 0;
    view_.startTimer(DialogTimer::blinkWarning, blinkIntervalMs);
}

void ConfigDialogModel::showRecord() {
    const DialogValues values = dialogValuesOf(record_);
    for (const auto& [id, isChecked] : values.checks)
        view_.setChecked(id, isChecked);
    for (const auto& [id, text] : values.texts)
        view_.setText(id, text);
    view_.setSelection(IDC_MP3MODE, values.mp3Selection);
    applyThreeDRule();
}

bool ConfigDialogModel::readControls() {
    DialogValues values;
    for (const SwitchControl& control : switchControls())
        values.checks[control.id] = view_.checked(control.id);
    for (const NumberControl& control : numberControls())
        values.texts[control.id] = view_.text(control.id);
    values.texts[IDC_ATCDELAYFACTOR] = view_.text(IDC_ATCDELAYFACTOR);
    values.mp3Selection = view_.selection(IDC_MP3MODE);
    std::optional<ValidationFailure> failure = readDialogValues(values, record_);
    applyThreeDRule();
    if (failure) {
        view_.showMessage(failure->message, messageTitle, MessageKind::warning);
        view_.focus(failure->controlId);
        return false;
    }
    return true;
}

void ConfigDialogModel::applyThreeDRule() {
    const ThreeDEnabling enabling =
        threeDEnabling(view_.checked(IDC_ALLOW3DAUDIO), view_.checked(IDC_ALLOW3DCONE));
    view_.setEnabled(IDC_ALLOW3DCONE, enabling.projectionCone);
    view_.setEnabled(IDC_ALLOW3DMACHCONE, enabling.machConeSilence);
    view_.setEnabled(IDC_ALLOW3DRCS, enabling.rcsPositioning);
}

void ConfigDialogModel::command(int id) {
    if (ended_)
        return;
    if (isTestButton(id)) {
        test(id);
        return;
    }
    switch (id) {
    case IDC_TESTRADIO:
        testRadio();
        break;
    case IDC_ALLOW3DAUDIO:
    case IDC_ALLOW3DCONE:
        readControls();
        break;
    case IDC_NOOUTDATEDADDONWARNING:
        if (readControls() && record_.NOOUTDATEDADDONWARNING != 0)
            view_.showMessage(outdatedAddonWarning, outdatedAddonWarningTitle,
                              MessageKind::warning);
        break;
    case IDC_DEFAULTOPTIONS:
        fillTunedeskDefaults(record_);
        showRecord();
        break;
    case IDC_SAVE_AND_EXIT:
        save();
        break;
    case IDC_CANCEL_AND_EXIT:
        cancel();
        break;
    case IDC_HELPBUTTON:
        openInShell(services_.openPath(manualPage));
        break;
    case IDC_OPENMP3FOLDER:
        openInShell(services_.openPath(musicFolder));
        break;
    case IDC_LINK:
        openInShell(services_.openWebPage(productPage));
        break;
    default:
        break;
    }
}

void ConfigDialogModel::test(int button) {
    if (!readControls())
        return;
    const TestPlay plan = cycles_.press(button);
    const int volume = record_.*plan.volume;
    play(plan.files, volume);
    if (plan.followWithDockingRadio && previews_.count(dockingSound) != 0) {
        dockingRadioVolume_ = volume;
        view_.startTimer(DialogTimer::dockingRadio, dockingPollMs);
    }
}

void ConfigDialogModel::play(const std::vector<const char*>& files, int volume) {
    if (!hasSoundDevice()) {
        view_.setText(IDC_STATUSLINE, noSoundDeviceStatus);
        return;
    }
    std::string status;
    for (const char* file : files) {
        const auto preview = previews_.find(file);
        const bool played =
            preview != previews_.end() && SUCCEEDED(preview->second->Play(false, volume));
        status += (status.empty() ? "" : ", ") + std::string(played ? "" : "not found: ") + file;
    }
    view_.setText(IDC_STATUSLINE, status + " (volume " + std::to_string(volume) + ")");
}

void ConfigDialogModel::testRadio() {
    if (!readControls() || radioWaves_.empty())
        return;
    if (radioIndex_ >= radioTestCount())
        radioIndex_ = 0;
    CSound* wave = radioWaves_[radioIndex_].get();
    if (!hasSoundDevice() || wave == nullptr || !wave->isLoaded())
        view_.setText(IDC_STATUSLINE,
                      hasSoundDevice() ? "This radio wave cannot be played" : noSoundDeviceStatus);
    else
        wave->Play(false, record_.VOLATC);
    view_.setText(IDC_RADIOTESTTEXT, radioPlayingMessage(radioIndex_));
    view_.startTimer(DialogTimer::radioText, radioTextMs);
    radioIndex_ = (radioIndex_ + 1) % radioTestCount();
}

void ConfigDialogModel::timer(DialogTimer which) {
    switch (which) {
    case DialogTimer::blinkWarning:
        ++blinkTicks_;
        view_.setText(IDC_WARNINGTEXT, blinkTicks_ % 2 == 1 ? std::string() : warningText_);
        if (blinkTicks_ >= blinkTickCount)
            view_.stopTimer(DialogTimer::blinkWarning);
        break;
    case DialogTimer::dockingRadio: {
        const auto docking = previews_.find(dockingSound);
        if (docking != previews_.end() && docking->second->IsPlaying())
            break;
        view_.stopTimer(DialogTimer::dockingRadio);
        play({dockingRadioSound}, dockingRadioVolume_);
        break;
    }
    case DialogTimer::radioText:
        view_.stopTimer(DialogTimer::radioText);
        view_.setText(IDC_RADIOTESTTEXT, radioFoundMessage(radioTestCount()));
        break;
    case DialogTimer::offlineMix:
        platform::audio::renderOffline(offlineMixMs / 1000.0);
        break;
    }
}

void ConfigDialogModel::save() {
    if (!readControls())
        return;
    if (!saveOptionFile(record_))
        view_.showMessage(cannotSaveOptionFile, messageTitle, MessageKind::error);
    if (ended_)
        return;
    releaseSounds();
    if (services_.simulatorRunning())
        view_.showMessage(simulatorRunningWarning, messageTitle, MessageKind::information);
    ended_ = true;
    view_.close();
}

void ConfigDialogModel::cancel() {
    if (ended_)
        return;
    releaseSounds();
    ended_ = true;
    view_.close();
}

void ConfigDialogModel::releaseSounds() {
    for (DialogTimer running : {DialogTimer::dockingRadio, DialogTimer::offlineMix})
        view_.stopTimer(running);
    previews_.clear();
    radioWaves_.clear();
    device_.release();
}

void ConfigDialogModel::openInShell(ShellResult result) {
    const std::string message = shellFailureMessage(result);
    if (!message.empty())
        view_.showMessage(message, messageTitle, MessageKind::error);
}

} // namespace tunedesk
