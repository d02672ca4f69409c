// The platform around Tunedesk on Windows: the shell and the simulator's window.
#pragma once

#include "config_program/model/dialog_view.h"

class WindowsServices : public tunedesk::PlatformServices {
public:
    tunedesk::ShellResult openPath(const std::string& systemPath) override;
    tunedesk::ShellResult openWebPage(const std::string& address) override;
    // A top-level window titled "Voranth Launchpad".
    bool simulatorRunning() override;
};
