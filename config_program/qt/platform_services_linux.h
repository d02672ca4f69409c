// The platform around Tunedesk on a Linux desktop: the desktop's opener and the simulator tree's
// running vrhost.
#pragma once

#include "config_program/model/dialog_view.h"

class LinuxServices : public tunedesk::PlatformServices {
public:
    tunedesk::ShellResult openPath(const std::string& systemPath) override;
    tunedesk::ShellResult openWebPage(const std::string& address) override;
    // A process whose executable is the vrhost of the current folder, the tree's root.
    bool simulatorRunning() override;
};
