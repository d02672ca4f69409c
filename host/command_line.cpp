#include "host/command_line.h"

#include "host/dynamic_library.h"

#include <chrono>
#include <cstdio>

namespace vrhost {

namespace {
std::optional<LocalDate> readDate(const std::string& text) {
    LocalDate date;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &date.year, &date.month, &date.day, &rest) !=
        3) {
        return std::nullopt;
    }
    std::chrono::year_month_day calendar{std::chrono::year{date.year},
                                         std::chrono::month{static_cast<unsigned>(date.month)},
                                         std::chrono::day{static_cast<unsigned>(date.day)}};
    if (date.month < 1 || date.day < 1 || !calendar.ok()) {
        return std::nullopt;
    }
    return date;
}
} // namespace

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& error) {
    CommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&](const char* what) -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) {
                error = argument + " needs " + what;
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--scenario") {
            std::optional<std::string> path = value("a scenario file");
            if (!path) {
                return std::nullopt;
            }
            line.scenarioPath = *path;
        } else if (argument == "--date") {
            std::optional<std::string> text = value("a date YYYY-MM-DD");
            if (!text) {
                return std::nullopt;
            }
            line.date = readDate(*text);
            if (!line.date) {
                error = "bad date '" + *text + "': expected YYYY-MM-DD, e.g. 2024-12-25";
                return std::nullopt;
            }
        } else if (argument == "--plugin") {
            std::optional<std::string> path = value("a plug-in library");
            if (!path) {
                return std::nullopt;
            }
            line.pluginPath = *path;
        } else if (argument == "--record") {
            std::optional<std::string> path = value("a WAV file to write");
            if (!path) {
                return std::nullopt;
            }
            line.recordPath = *path;
        } else if (argument == "--realtime") {
            line.realtime = true;
        } else if (argument == "--headphones") {
            line.headphones = true;
        } else if (argument == "--trace") {
            std::optional<std::string> path = value("a trace file to write");
            if (!path) {
                return std::nullopt;
            }
            line.tracePath = *path;
        } else if (argument == "--mfd-dump") {
            std::optional<std::string> path = value("an MFD text file to write");
            if (!path) {
                return std::nullopt;
            }
            line.mfdDumpPath = *path;
        } else if (argument == "--mfd-png") {
            std::optional<std::string> path = value("a folder for the MFD pictures");
            if (!path) {
                return std::nullopt;
            }
            line.mfdPictureFolder = *path;
        } else if (argument == "--no-window") {
            line.withWindow = false;
        } else if (argument == "--quiet") {
            line.quiet = true;
        } else {
            error = "unknown option '" + argument + "'";
            return std::nullopt;
        }
    }
    if (line.realtime && !line.recordPath.empty()) {
        error = "--record renders offline and --realtime plays on the sound card: choose one";
        return std::nullopt;
    }
    if (!line.help && line.scenarioPath.empty()) {
        error = "no scenario given (--scenario FILE)";
        return std::nullopt;
    }
    return line;
}

std::string usage() {
    return "Usage: vrhost --scenario FILE [options]\n"
           "\n"
           "The stand-in Voranth simulator: loads the Zephyrin plug-in\n"
           "(Modules/Plugin/" +
           dynamic_library::fileName("Zephyrin") +
           " beside this program) and flies the runs of a\n"
           "scenario file (*.vrs) through it, frame by frame. The plug-in's sound is mixed\n"
           "offline, faster than real time and the same on every run, unless --realtime\n"
           "plays it on the sound card.\n"
           "\n"
           "Options:\n"
           "  --scenario FILE   the scenario to fly (relative to the current folder)\n"
           "  --date YYYY-MM-DD the local date the plug-in sees\n"
           "  --no-window       open each run without a window handle (the plug-in stays\n"
           "                    silent)\n"
           "  --quiet           print only faults, not the debug line, notes and progress\n"
           "  --plugin FILE     load this plug-in library instead of Zephyrin\n"
           "  --record OUT.wav  write the whole flight's sound to a WAV file, at the format\n"
           "                    the plug-in gives its primary buffer\n"
           "  --realtime        fly at real-time pace and play on the sound card (without\n"
           "                    one the plug-in takes its silent path)\n"
           "  --headphones      render binaural sound for headphones (HRTF), played or\n"
           "                    recorded (44100 Hz stereo); the plug-in's device then\n"
           "                    reports headphones\n"
           "  --trace OUT.tsv   write one line per call that changes what is heard\n"
           "  --mfd-dump FILE   write the text of each changed MFD repaint: time, x, y,\n"
           "                    colour (0x00BBGGRR) and text, tab-separated\n"
           "  --mfd-png DIR     draw each changed MFD repaint into DIR/mfd-TIME.png\n"
           "  --help            this text\n"
           "\n"
           "Prints, with the simulation time, the debug line whenever it changes, the\n"
           "annotations as they are created, changed and deleted, focus changes and the text\n"
           "of an open MFD. Exit code 0 after a complete flight, 1 for a bad scenario or a\n"
           "missing plug-in, 2 for bad options.\n";
}

} // namespace vrhost
