#include "config_program/model/program_start.h"

#include "platform/audio/audio_output.h"
#include "platform/file_system.h"
#include "platform/module_path.h"

#include <chrono>
#include <cstring>

namespace tunedesk {

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine commandLine;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            commandLine.help = true;
        } else if (std::strcmp(argument, "--offline") == 0) {
            commandLine.offline = true;
        } else if (std::strcmp(argument, "--trace") == 0) {
            if (i + 1 >= argc) {
                commandLine.error = "--trace needs a file name";
                return commandLine;
            }
            commandLine.tracePath = argv[++i];
        } else if (std::strcmp(argument, "--screenshot") == 0) {
            if (i + 1 >= argc) {
                commandLine.error = "--screenshot needs a file name";
                return commandLine;
            }
            commandLine.screenshotPath = argv[++i];
        } else if (argument[0] == '-' && argument[1] == '-') {
            commandLine.error = std::string("unknown option ") + argument;
            return commandLine;
        }
        // Anything else is left to the window system's own options (Qt's -platform, ...).
    }
    return commandLine;
}

std::string usageText() {
    return "Tunedesk: the settings dialog of Zephyrin, the sound of the Voranth simulator.\n"
           "\n"
           "It shows the options of Sound\\Cfg\\Zephyrin3.cfg as check boxes, volume fields and\n"
           "the music mode, plays each sound at the volume typed beside it (Test), and writes the\n"
           "file on \"Save and exit\". It works in the folder it is installed in, the simulator\n"
           "tree's root: the options in Sound/Cfg/, the previews in Sound/Vessel/,\n"
           "Sound/_CustomWindSounds/, Sound/_CustomBaseSounds/ and\n"
           "Sound/radio/140.300 STS-134/, the manual in doc/Zephyrin Documentation/index.html.\n"
           "Sound/Cfg/nointro.txt, when present, silences the intro sound.\n"
           "\n"
           "Usage: Tunedesk [--trace FILE] [--offline] [--screenshot FILE]\n"
           "  --trace FILE  write one line per sound call as it happens (time, buffer, call,\n"
           "                arguments, file played)\n"
           "  --offline     mix the previews without a sound card\n"
           "  --screenshot FILE  save a picture of the dialog showing the defaults and end,\n"
           "                reading and writing no file and playing nothing\n"
           "  --help        this text\n";
}

bool enterProgramFolder() {
    const std::string executable = platform::executablePath();
    const size_t separator = executable.rfind('\\');
    return separator != std::string::npos &&
           platform::setCurrentFolder(executable.substr(0, separator + 1).c_str());
}

bool startPreviewOutput(const CommandLine& commandLine, std::string& error) {
    if (commandLine.offline)
        platform::audio::selectOutput(platform::audio::Output::Offline);
    if (commandLine.tracePath.empty())
        return true;
    const auto started = std::chrono::steady_clock::now();
    if (!platform::audio::startTrace(commandLine.tracePath, [started] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - started)
                .count();
        })) {
        error = "cannot write the trace " + commandLine.tracePath;
        return false;
    }
    return true;
}

} // namespace tunedesk
