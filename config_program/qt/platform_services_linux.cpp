#include "config_program/qt/platform_services_linux.h"

#include "platform/file_system.h"

#include <QDesktopServices>
#include <QUrl>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

tunedesk::ShellResult LinuxServices::openPath(const std::string& systemPath) {
    std::error_code error;
    const fs::path path = fs::absolute(platform::resolvePath(systemPath.c_str()), error);
    if (error)
        return tunedesk::ShellResult::failed;
    if (!fs::exists(path, error))
        return fs::is_directory(path.parent_path(), error) ? tunedesk::ShellResult::fileNotFound
                                                           : tunedesk::ShellResult::pathNotFound;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path.string())))
               ? tunedesk::ShellResult::opened
               : tunedesk::ShellResult::noAssociation;
}

tunedesk::ShellResult LinuxServices::openWebPage(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)))
               ? tunedesk::ShellResult::opened
               : tunedesk::ShellResult::noAssociation;
}

bool LinuxServices::simulatorRunning() {
    std::error_code error;
    const fs::path simulator = fs::weakly_canonical(fs::current_path(error) / "vrhost", error);
    if (error)
        return false;
    for (const fs::directory_entry& process : fs::directory_iterator("/proc", error)) {
        const std::string name = process.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::error_code unreadable;
        const fs::path executable = fs::read_symlink(process.path() / "exe", unreadable);
        if (!unreadable && executable == simulator)
            return true;
    }
    return false;
}
