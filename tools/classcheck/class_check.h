// The class file checker: reads a vessel class file as the plug-in does and tells, for every
// line, what the plug-in takes from it or why it skips it.
#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace classcheck {

struct CheckRequest {
    std::string classFile;    // a native path; its name is the class's file-name form
    std::string scenarioFile; // optional: the vessel's animations come from here
    std::string vesselName;   // optional: which vessel of the scenario; default the first of
                              // the file's class
};

struct CheckResult {
    int parameters = 0; // what the plug-in's "parameters set" will say
    int skipped = 0;    // lines that are neither comments nor taken
};

// Writes "file:line: what happens" for every line and a summary. Returns nothing when the file
// or the scenario cannot be read (the reason is written to `errors`).
std::optional<CheckResult> checkClassFile(const CheckRequest& request, std::ostream& out,
                                          std::ostream& errors);

} // namespace classcheck
