// What the configuration dialog asks of the window that shows it (Qt on Linux, a Win32 dialog on
// Windows) and of the platform around it. Controls are named by their resource numbers.
#pragma once

#include "platform/win_types.h"

#include <string>

namespace tunedesk {

enum class DialogTimer {
    blinkWarning, // 100 ms
    dockingRadio, // 50 ms
    radioText,    // 2000 ms
    offlineMix,   // 50 ms, while the previews play to the offline output
};

enum class MessageKind { error, warning, information };

class DialogView {
public:
    virtual bool checked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;
    virtual std::string text(int id) const = 0;
    virtual void setText(int id, const std::string& text) = 0;
    virtual int selection(int id) const = 0;
    virtual void setSelection(int id, int index) = 0;
    virtual void setEnabled(int id, bool enabled) = 0;
    virtual void focus(int id) = 0;
    // A modal message box; returns when the user has closed it.
    virtual void showMessage(const std::string& text, const std::string& title,
                             MessageKind kind) = 0;
    virtual void startTimer(DialogTimer timer, int milliseconds) = 0;
    virtual void stopTimer(DialogTimer timer) = 0;
    // Ends the dialog, which then shows nothing more.
    virtual void close() = 0;
    // The window the sound device is created for.
    virtual HWND windowHandle() const = 0;

protected:
    ~DialogView() = default;
};

enum class ShellResult { opened, fileNotFound, pathNotFound, noAssociation, failed };

class PlatformServices {
public:
    // Opens a file or folder of the simulator tree (system path) with its application.
    virtual ShellResult openPath(const std::string& systemPath) = 0;
    virtual ShellResult openWebPage(const std::string& address) = 0;
    // Whether the simulator of this tree is running now.
    virtual bool simulatorRunning() = 0;

protected:
    ~PlatformServices() = default;
};

} // namespace tunedesk
