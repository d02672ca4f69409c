// trace_timeline: draws the trace of a flight (vrhost --trace) as a timeline picture.
#include "trace_timeline/timeline_drawing.h"
#include "trace_timeline/trace_file.h"

#include "host/scenario_parser.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* usage =
    "Usage: trace_timeline --trace FLIGHT.tsv --svg OUT.svg [--scenario FLIGHT.vrs]\n"
    "                      [--width PIXELS] [--max-height PIXELS]\n"
    "\n"
    "Draws what a flight made heard, from the trace vrhost writes with --trace: one lane per\n"
    "sound file, a bar while a buffer plays with its volume, frequency and 3D distance along it,\n"
    "one-shots marked where they start, and how each play ended (stopped, released, ended,\n"
    "flight ended). With the flight's scenario, the camera's view and the scenario's events run\n"
    "along the top and each run is named. The picture is an SVG file a browser shows, laid out\n"
    "across --width pixels (1550) and shown scaled down where it is taller than --max-height.\n"
    "\n"
    "Exit status: 0 drawn, 1 a file cannot be read or written or the scenario is bad,\n"
    "             2 bad arguments.\n";

constexpr int exitFault = 1;
constexpr int exitBadArguments = 2;
constexpr size_t problemsShown = 10;

struct Arguments {
    std::string trace;
    std::string svg;
    std::string scenario;
    double width = trace_timeline::defaultTimelineWidth;
    double maxHeight = 0.0;
};

constexpr double largestSide = 100000.0;

std::optional<double> readPixels(const std::string& text) {
    double pixels = 0.0;
    if (!trace_timeline::readNumber(text, pixels) || pixels < 1.0 || pixels > largestSide) {
        return std::nullopt;
    }
    return pixels;
}

std::optional<Arguments> readArguments(int argc, char** argv, std::string& error) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (i + 1 >= argc) {
            error = argument.starts_with("--") ? argument + " needs a value"
                                               : "unknown argument '" + argument + "'";
            return std::nullopt;
        }
        std::string value = argv[++i];
        if (argument == "--trace") {
            arguments.trace = value;
        } else if (argument == "--svg") {
            arguments.svg = value;
        } else if (argument == "--scenario") {
            arguments.scenario = value;
        } else if (argument == "--width" || argument == "--max-height") {
            std::optional<double> pixels = readPixels(value);
            if (!pixels) {
                error = "bad " + argument + " '" + value + "': a number of pixels";
                return std::nullopt;
            }
            (argument == "--width" ? arguments.width : arguments.maxHeight) = *pixels;
        } else {
            error = "unknown argument '" + argument + "'";
            return std::nullopt;
        }
    }
    if (arguments.trace.empty() || arguments.svg.empty()) {
        error = "--trace and --svg are needed";
        return std::nullopt;
    }
    return arguments;
}

int fault(const std::string& message) {
    std::fprintf(stderr, "trace_timeline: %s\n", message.c_str());
    return exitFault;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(usage, stdout);
        return 0;
    }
    std::string error;
    std::optional<Arguments> arguments = readArguments(argc, argv, error);
    if (!arguments) {
        std::fprintf(stderr, "trace_timeline: %s\nTry 'trace_timeline --help'.\n", error.c_str());
        return exitBadArguments;
    }

    std::optional<vrhost::Scenario> scenario;
    if (!arguments->scenario.empty()) {
        try {
            scenario = vrhost::loadScenario(arguments->scenario);
        } catch (const vrhost::ScenarioError& scenarioError) {
            return fault(scenarioError.what());
        }
    }
    std::vector<double> runLengths;
    if (scenario) {
        for (const vrhost::Run& run : scenario->runs) {
            runLengths.push_back(run.endTime);
        }
    }

    std::ifstream input(arguments->trace, std::ios::binary);
    if (!input) {
        return fault("cannot read the trace " + arguments->trace);
    }
    trace_timeline::Trace trace = trace_timeline::readTrace(input, runLengths);

    trace_timeline::Timeline timeline;
    timeline.width = arguments->width;
    timeline.maxHeight = arguments->maxHeight;
    std::string traceName = std::filesystem::path(arguments->trace).filename().string();
    timeline.title = scenario ? std::filesystem::path(arguments->scenario).filename().string() +
                                    ": what was heard (" + traceName + ")"
                              : traceName + ": what was heard";
    double lastRunEnd = 0.0;
    for (size_t run = 0; run < trace.runStarts.size(); ++run) {
        double start = trace.runStarts[run];
        bool named = scenario && run < scenario->runs.size();
        timeline.runs.push_back(
            {start, named ? scenario->runs[run].name : std::to_string(run + 1)});
        if (named) {
            trace_timeline::ScenarioMarks marks =
                trace_timeline::runMarks(scenario->runs[run], start);
            timeline.marks.views.insert(timeline.marks.views.end(), marks.views.begin(),
                                        marks.views.end());
            timeline.marks.events.insert(timeline.marks.events.end(), marks.events.begin(),
                                         marks.events.end());
            lastRunEnd = start + scenario->runs[run].endTime;
        }
    }
    double lastCall = trace.calls.empty() ? 0.0 : trace.calls.back().time;
    timeline.end = std::max(lastRunEnd, lastCall);
    timeline.history = trace_timeline::soundHistory(trace, timeline.end);

    std::vector<std::string> problems = trace.problems;
    problems.insert(problems.end(), timeline.history.problems.begin(),
                    timeline.history.problems.end());
    for (size_t i = 0; i < problems.size() && i < problemsShown; ++i) {
        std::fprintf(stderr, "trace_timeline: skipped: %s\n", problems[i].c_str());
    }
    if (problems.size() > problemsShown) {
        std::fprintf(stderr, "trace_timeline: skipped %zu more lines\n",
                     problems.size() - problemsShown);
    }

    std::ofstream output(arguments->svg, std::ios::binary);
    output << trace_timeline::timelineSvg(timeline);
    output.close();
    if (!output) {
        return fault("cannot write " + arguments->svg);
    }
    std::printf("trace_timeline: %zu sounds, %zu plays in %.1f s drawn in %s\n",
                trace_timeline::laneSounds(timeline.history).size(), timeline.history.plays.size(),
                timeline.end, arguments->svg.c_str());
    return 0;
}
