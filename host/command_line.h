// The options of the vrhost program.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vrhost {

struct LocalDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct CommandLine {
    bool help = false;
    std::string scenarioPath;
    std::optional<LocalDate> date;
    bool withWindow = true;
    bool quiet = false;
    std::string pluginPath;       // empty: Modules/Plugin/libZephyrin.so beside the program
    std::string recordPath;       // offline rendering of the whole flight into this WAV file
    bool realtime = false;        // play on the sound card at real-time pace
    std::string tracePath;        // one line per call that changes what is heard
    std::string mfdDumpPath;      // the text of each MFD repaint, with its place and colour
    std::string mfdPictureFolder; // a PNG of each MFD repaint

    // Binaural rendering for headphones, real-time or recorded.
    bool headphones = false;
};

// Reads the arguments after the program name; on a fault returns nothing and says why in
// `error`.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& error);

// The text of --help.
std::string usage();

} // namespace vrhost
