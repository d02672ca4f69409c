#include "config_program/win32/platform_services_win32.h"

#include <shellapi.h>
#include <windows.h>

namespace {
tunedesk::ShellResult shellOpen(const char* verb, const std::string& target) {
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(nullptr, verb, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32)
        return tunedesk::ShellResult::opened;
    switch (result) {
    case SE_ERR_FNF:
        return tunedesk::ShellResult::fileNotFound;
    case SE_ERR_PNF:
        return tunedesk::ShellResult::pathNotFound;
    case SE_ERR_NOASSOC:
        return tunedesk::ShellResult::noAssociation;
    default:
        return tunedesk::ShellResult::failed;
    }
}
} // namespace

tunedesk::ShellResult WindowsServices::openPath(const std::string& systemPath) {
    // A folder opens with the shell's default verb, a document with "open".
    const DWORD attributes = ::GetFileAttributesA(systemPath.c_str());
    const bool isFolder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return shellOpen(isFolder ? nullptr : "open", systemPath);
}

tunedesk::ShellResult WindowsServices::openWebPage(const std::string& address) {
    return shellOpen("open", address);
}

bool WindowsServices::simulatorRunning() {
    return ::FindWindowA(nullptr, "Voranth Launchpad") != nullptr;
}
