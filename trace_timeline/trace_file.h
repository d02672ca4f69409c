// The trace of a flight (vrhost --trace): one call of the sound library a line, with columns
// time, object, method, arguments and sound file, separated by tabs.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace trace_timeline {

struct TraceCall {
    double time = 0.0; // seconds from the start of the flight, runs one after the other
    std::string object;
    std::string method;
    std::string arguments;
    std::string sound;
};

struct Trace {
    std::vector<TraceCall> calls;
    // The flight time where each run of the flight starts; a run's own clock starts at zero.
    std::vector<double> runStarts;
    std::vector<std::string> problems; // "trace:LINE: what is wrong", one a skipped line
};

// A trace whose time goes back starts a new run there. The runs are laid one after the other:
// a run lasts `runLengths[i]` seconds where given (the scenario's), else until its last call.
Trace readTrace(std::istream& input, const std::vector<double>& runLengths);

// The arguments column split at ", ".
std::vector<std::string> splitArguments(const std::string& arguments);

// A number that is the whole of the text; false for anything else.
bool readNumber(const std::string& text, double& value);

} // namespace trace_timeline
