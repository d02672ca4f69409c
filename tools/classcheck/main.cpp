// classcheck: what the plug-in does with each line of a vessel class file.
#include "tools/classcheck/class_check.h"

#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr const char* usage =
    "usage: classcheck [--scenario FILE [--vessel NAME]] CLASSFILE\n"
    "\n"
    "Reads a vessel class file (Sound\\_CustomVesselsSounds\\<class>.cfg) the way the Zephyrin\n"
    "plug-in reads it and prints, for every line, \"file:line: \" and what the plug-in does with\n"
    "it: the key it sets and the value, or why the line is skipped. Files the lines name are\n"
    "looked for in the class folder beside the file (<class>\\).\n"
    "\n"
    "  --scenario FILE  a vrhost scenario with a vessel of this class: animation lines are\n"
    "                   checked against the vessel's animations\n"
    "  --vessel NAME    the vessel of the scenario (default: the first of the file's class)\n"
    "  --help           this text\n"
    "\n"
    "Exit status: 0 when every line but comments and empty lines is taken, 1 when a line is\n"
    "skipped or names a file that is not there, 2 for bad options or a file that cannot be read.\n";

} // namespace

int main(int argc, char** argv) {
    classcheck::CheckRequest request;
    for (int index = 1; index < argc; ++index) {
        std::string argument = argv[index];
        if (argument == "--help" || argument == "-h") {
            std::cout << usage;
            return 0;
        }
        if ((argument == "--scenario" || argument == "--vessel") && index + 1 < argc) {
            (argument == "--scenario" ? request.scenarioFile : request.vesselName) = argv[++index];
        } else if (argument.rfind("--", 0) == 0 || !request.classFile.empty()) {
            std::cerr << "classcheck: unexpected argument '" << argument << "'\n" << usage;
            return 2;
        } else {
            request.classFile = argument;
        }
    }
    if (request.classFile.empty()) {
        std::cerr << usage;
        return 2;
    }
    std::optional<classcheck::CheckResult> result =
        classcheck::checkClassFile(request, std::cout, std::cerr);
    if (!result) {
        return 2;
    }
    return result->skipped == 0 ? 0 : 1;
}
