// Tunedesk on Windows.
#include "config_program/model/program_start.h"
#include "config_program/win32/config_dialog_win32.h"
#include "config_program/win32/platform_services_win32.h"
#include "platform/audio/windows/direct_sound_route.h"

#include <commctrl.h>
#include <cstdlib>
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const tunedesk::CommandLine commandLine = tunedesk::parseCommandLine(__argc, __argv);
    if (commandLine.help || !commandLine.error.empty()) {
        const std::string text = commandLine.error.empty()
                                     ? tunedesk::usageText()
                                     : commandLine.error + "\n\n" + tunedesk::usageText();
        ::MessageBoxA(nullptr, text.c_str(), tunedesk::messageTitle, MB_OK);
        return commandLine.help ? 0 : 2;
    }
    std::string error;
    if (!tunedesk::startPreviewOutput(commandLine, error)) {
        ::MessageBoxA(nullptr, error.c_str(), tunedesk::messageTitle, MB_OK | MB_ICONERROR);
        return 2;
    }
    if (!commandLine.tracePath.empty())
        platform::audio::routeDirectSoundThroughTrace(::GetModuleHandleA(nullptr));
    if (!tunedesk::enterProgramFolder())
        ::MessageBoxA(nullptr, tunedesk::cannotEnterProgramFolder, tunedesk::messageTitle,
                      MB_OK | MB_ICONERROR);

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    WindowsServices services;
    CZpConfigDlg dialog(services);
    dialog.run(instance);
    return 0;
}
