// Tunedesk on a Linux desktop.
#include "config_program/model/dialog_ids.h"
#include "config_program/model/program_start.h"
#include "config_program/qt/config_dialog_qt.h"
#include "config_program/qt/platform_services_linux.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int endRequest[2] = {-1, -1};

// The desktop ends the program (SIGTERM at logout, SIGINT from a terminal): the dialog is told
// through the event loop and closes as "Cancel and exit" does.
void requestEnd(int) {
    const char signalled = 1;
    [[maybe_unused]] ssize_t written = ::write(endRequest[0], &signalled, 1);
}
constexpr int screenshotMaxWidth = 960;

int saveScreenshot(const std::string& path) {
    LinuxServices services;
    CZpConfigDlg dialog(services);
    dialog.model().command(IDC_DEFAULTOPTIONS);
    dialog.show();
    QApplication::processEvents();
    // The manual's pictures are at most 999 pixels a side.
    QPixmap picture = dialog.grab();
    if (picture.width() > screenshotMaxWidth)
        picture = picture.scaledToWidth(screenshotMaxWidth, Qt::SmoothTransformation);
    if (!picture.save(QString::fromStdString(path))) {
        std::fprintf(stderr, "Tunedesk: cannot write the screenshot %s\n", path.c_str());
        return 1;
    }
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    const tunedesk::CommandLine commandLine = tunedesk::parseCommandLine(argc, argv);
    if (commandLine.help) {
        std::fputs(tunedesk::usageText().c_str(), stdout);
        return 0;
    }
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "Tunedesk: %s\n\n%s", commandLine.error.c_str(),
                     tunedesk::usageText().c_str());
        return 2;
    }
    std::string error;
    if (!tunedesk::startPreviewOutput(commandLine, error)) {
        std::fprintf(stderr, "Tunedesk: %s\n", error.c_str());
        return 2;
    }

    QApplication application(argc, argv);
    application.setApplicationName("Tunedesk");
    if (!commandLine.screenshotPath.empty())
        return saveScreenshot(commandLine.screenshotPath);
    if (!tunedesk::enterProgramFolder())
        QMessageBox::critical(nullptr, tunedesk::messageTitle, tunedesk::cannotEnterProgramFolder);

    LinuxServices services;
    CZpConfigDlg dialog(services);
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, endRequest) == 0) {
        auto* notifier = new QSocketNotifier(endRequest[1], QSocketNotifier::Read, &dialog);
        QObject::connect(notifier, &QSocketNotifier::activated, &dialog, [&dialog] {
            char signalled = 0;
            [[maybe_unused]] ssize_t got = ::read(endRequest[1], &signalled, 1);
            // A message box open at that moment closes first, as the desktop closes it.
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
                    box->done(QMessageBox::Cancel);
            }
            dialog.reject();
        });
        std::signal(SIGTERM, requestEnd);
        std::signal(SIGINT, requestEnd);
    }
    dialog.start();
    if (!dialog.model().ended())
        dialog.exec();
    return 0;
}
