// The dialog's window and platform as the model sees them, kept in tables: what each control
// shows, which timers run, the messages shown and the shell actions asked for.
#pragma once

#include "config_program/model/dialog_view.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tunedesktest {

class FakeView : public tunedesk::DialogView {
public:
    bool checked(int id) const override { return checks.count(id) != 0 && checks.at(id); }
    void setChecked(int id, bool value) override { checks[id] = value; }
    std::string text(int id) const override { return texts.count(id) != 0 ? texts.at(id) : ""; }
    void setText(int id, const std::string& value) override { texts[id] = value; }
    int selection(int) const override { return mp3Selection; }
    void setSelection(int, int index) override { mp3Selection = index; }
    void setEnabled(int id, bool enabled) override {
        if (enabled)
            disabled.erase(id);
        else
            disabled.insert(id);
    }
    void focus(int id) override { focused = id; }
    void showMessage(const std::string& message, const std::string& title,
                     tunedesk::MessageKind) override {
        messages.push_back(message);
        titles.push_back(title);
    }
    void startTimer(tunedesk::DialogTimer timer, int milliseconds) override {
        timers[timer] = milliseconds;
    }
    void stopTimer(tunedesk::DialogTimer timer) override { timers.erase(timer); }
    void close() override { closed = true; }
    HWND windowHandle() const override { return nullptr; }

    bool runs(tunedesk::DialogTimer timer) const { return timers.count(timer) != 0; }

    std::map<int, bool> checks;
    std::map<int, std::string> texts;
    int mp3Selection = -1;
    std::set<int> disabled;
    int focused = 0;
    std::vector<std::string> messages;
    std::vector<std::string> titles;
    std::map<tunedesk::DialogTimer, int> timers;
    bool closed = false;
};

class FakeServices : public tunedesk::PlatformServices {
public:
    tunedesk::ShellResult openPath(const std::string& path) override {
        opened.push_back(path);
        return result;
    }
    tunedesk::ShellResult openWebPage(const std::string& address) override {
        opened.push_back(address);
        return result;
    }
    bool simulatorRunning() override { return running; }

    tunedesk::ShellResult result = tunedesk::ShellResult::opened;
    bool running = false;
    std::vector<std::string> opened;
};

} // namespace tunedesktest
