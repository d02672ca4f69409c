// What Tunedesk does before its dialog opens: its command line, its folder and where the
// previews play.
#pragma once

#include <string>

namespace tunedesk {

inline constexpr const char* cannotEnterProgramFolder = "CDDir->Unable to find directory\n";

struct CommandLine {
    bool help = false;
    std::string tracePath;      // --trace FILE: one line per sound call, written as it happens
    bool offline = false;       // --offline: previews are mixed but not played on a sound card
    std::string screenshotPath; // --screenshot FILE: a picture of the dialog with the defaults
    std::string error;          // an unknown option or a missing value
};

CommandLine parseCommandLine(int argc, const char* const* argv);
std::string usageText();

// Makes the folder of the program's executable the current folder, where the simulator tree's
// "Sound" folder is found.
bool enterProgramFolder();

// Chooses the previews' output and starts the trace; false with `error` set when the trace
// cannot be written.
bool startPreviewOutput(const CommandLine& commandLine, std::string& error);

} // namespace tunedesk
