#include "trace_timeline/trace_file.h"

#include <cmath>
#include <cstdlib>

namespace trace_timeline {

namespace {
constexpr size_t traceColumns = 5;

std::vector<std::string> splitColumns(const std::string& line) {
    std::vector<std::string> columns;
    size_t start = 0;
    while (true) {
        size_t tab = line.find('\t', start);
        columns.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) {
            return columns;
        }
        start = tab + 1;
    }
}
} // namespace

bool readNumber(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

std::vector<std::string> splitArguments(const std::string& arguments) {
    std::vector<std::string> parts;
    if (arguments.empty()) {
        return parts;
    }
    size_t start = 0;
    while (true) {
        size_t separator = arguments.find(", ", start);
        parts.push_back(arguments.substr(start, separator - start));
        if (separator == std::string::npos) {
            return parts;
        }
        start = separator + 2;
    }
}

Trace readTrace(std::istream& input, const std::vector<double>& runLengths) {
    Trace trace;
    trace.runStarts.push_back(0.0);
    double runTime = 0.0; // the run's own clock at the last call
    std::string line;
    for (int number = 1; std::getline(input, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        std::vector<std::string> columns = splitColumns(line);
        double time = 0.0;
        if (columns.size() != traceColumns) {
            trace.problems.push_back("trace:" + std::to_string(number) + ": " +
                                     std::to_string(columns.size()) + " columns, expected 5");
            continue;
        }
        if (!readNumber(columns[0], time) || time < 0.0) {
            trace.problems.push_back("trace:" + std::to_string(number) + ": bad time '" +
                                     columns[0] + "'");
            continue;
        }
        if (time < runTime) {
            size_t run = trace.runStarts.size() - 1;
            double length = run < runLengths.size() ? runLengths[run] : runTime;
            trace.runStarts.push_back(trace.runStarts.back() + length);
        }
        runTime = time;
        trace.calls.push_back({trace.runStarts.back() + time, std::move(columns[1]),
                               std::move(columns[2]), std::move(columns[3]),
                               std::move(columns[4])});
    }
    return trace;
}

} // namespace trace_timeline
