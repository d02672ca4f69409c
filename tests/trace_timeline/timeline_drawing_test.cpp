// The drawing's content: lanes, bars at the right times, the camera's views and the scenario's
// events; and the program that writes it.
#include "trace_timeline/timeline_drawing.h"

#include "host/scenario_parser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <sys/wait.h>

namespace trace_timeline {
namespace {

constexpr const char* hop = "vessel DG-01 DeltaGlider\n"
                            "end\n"
                            "run hop until 10\n"
                            "    2 camera external\n"
                            "    4 camera-mode observer\n"
                            "    6 camera cockpit\n"
                            "    3 press SPACE\n"
                            "    5 attmode rotation\n"
                            "end\n";

constexpr const char* hopTrace =
    "0.000\tbuffer1\tCreateSoundBuffer\tflags=0x000100a0 bytes=88200 format=1ch/22050Hz/16bit\t"
    "sound\\engine.wav\n"
    "0.000\tbuffer2\tCreateSoundBuffer\tflags=0x000100a0 bytes=22050 format=1ch/22050Hz/16bit\t"
    "sound\\jets & <valves>.wav\n"
    "1.000\tbuffer1\tPlay\t0, 0, 0x00000001\tsound\\engine.wav\n"
    "3.000\tbuffer2\tPlay\t0, 0, 0x00000000\tsound\\jets & <valves>.wav\n"
    "8.000\tbuffer1\tStop\t\tsound\\engine.wav\n";

// The attributes of every element of a class, in the order drawn.
std::vector<std::map<std::string, std::string>> elements(const std::string& svg,
                                                         const std::string& className) {
    std::vector<std::map<std::string, std::string>> found;
    std::regex element("<g class=\"" + className + "\"([^>]*)>");
    std::regex attribute("([a-z-]+)=\"([^\"]*)\"");
    for (auto match = std::sregex_iterator(svg.begin(), svg.end(), element);
         match != std::sregex_iterator(); ++match) {
        std::map<std::string, std::string> attributes;
        std::string text = (*match)[1];
        for (auto pair = std::sregex_iterator(text.begin(), text.end(), attribute);
             pair != std::sregex_iterator(); ++pair) {
            attributes[(*pair)[1]] = (*pair)[2];
        }
        found.push_back(attributes);
    }
    return found;
}

std::string drawHop(double width = defaultTimelineWidth, double maxHeight = 0.0) {
    vrhost::Scenario scenario = vrhost::parseScenario(hop, "hop.vrs");
    std::istringstream input(hopTrace);
    Timeline timeline;
    timeline.width = width;
    timeline.maxHeight = maxHeight;
    Trace trace = readTrace(input, {10.0});
    timeline.title = "hop";
    timeline.end = 10.0;
    timeline.runs = {{0.0, "hop"}};
    timeline.marks = runMarks(scenario.runs[0], 0.0);
    timeline.history = soundHistory(trace, timeline.end);
    return timelineSvg(timeline);
}

TEST(TimelineDrawing, OneLanePerSoundInTheOrderHeard) {
    std::vector<std::map<std::string, std::string>> lanes = elements(drawHop(), "lane");
    ASSERT_EQ(lanes.size(), 2u);
    EXPECT_EQ(lanes[0]["data-sound"], "sound\\engine.wav");
    EXPECT_EQ(lanes[1]["data-sound"], "sound\\jets &amp; &lt;valves&gt;.wav");
}

TEST(TimelineDrawing, BarsAtTheTimesTheSoundsPlayed) {
    std::vector<std::map<std::string, std::string>> plays = elements(drawHop(), "play");
    ASSERT_EQ(plays.size(), 2u);
    EXPECT_EQ(plays[0]["data-start"], "1.000");
    EXPECT_EQ(plays[0]["data-end"], "8.000");
    EXPECT_EQ(plays[0]["data-kind"], "loop");
    EXPECT_EQ(plays[0]["data-ended"], "stopped");
    EXPECT_EQ(plays[1]["data-start"], "3.000");
    EXPECT_EQ(plays[1]["data-end"], "3.500"); // half a second of samples
    EXPECT_EQ(plays[1]["data-kind"], "one-shot");
    EXPECT_EQ(plays[1]["data-ended"], "ended");
}

TEST(TimelineDrawing, TheCameraViewsAndEventsRunAlongTheTop) {
    std::string svg = drawHop();
    std::vector<std::map<std::string, std::string>> views = elements(svg, "view");
    std::vector<std::string> seen;
    for (auto& view : views) {
        seen.push_back(view["data-view"] + " " + view["data-start"] + "-" + view["data-end"]);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"cockpit 0.000-2.000", "track 2.000-4.000",
                                              "observer 4.000-6.000", "cockpit 6.000-10.000"}));
    std::vector<std::map<std::string, std::string>> events = elements(svg, "event");
    ASSERT_EQ(events.size(), 2u); // the key's release is no event of its own
    EXPECT_EQ(events[0]["data-time"], "3.000");
    EXPECT_NE(svg.find(">key SPACE</text>"), std::string::npos);
    EXPECT_NE(svg.find(">attmode rotation</text>"), std::string::npos);
}

TEST(TimelineDrawing, ATallDrawingIsShownScaledDownToFit) {
    std::smatch size;
    std::string natural = drawHop(990.0);
    std::regex rootSize("width=\"(\\d+)\" height=\"(\\d+)\"");
    ASSERT_TRUE(std::regex_search(natural, size, rootSize));
    EXPECT_EQ(size[1], "990");
    int height = std::stoi(size[2]);
    std::string fitted = drawHop(990.0, height / 2.0);
    EXPECT_NE(fitted.find("width=\"495\" height=\"" + std::to_string(height / 2) +
                          "\" viewBox=\"0 0 990 " + std::to_string(height) + "\""),
              std::string::npos);
}

int runProgram(const std::string& arguments) {
    std::string command =
        std::string("'") + TRACE_TIMELINE_PROGRAM + "' " + arguments + " >/dev/null 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(TraceTimelineProgram, DrawsATraceWithItsScenario) {
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / ("trace_timeline_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "hop.vrs") << hop;
    std::ofstream(folder / "hop.tsv") << hopTrace;
    std::string files = "--trace '" + (folder / "hop.tsv").string() + "' --scenario '" +
                        (folder / "hop.vrs").string() + "' --svg '" +
                        (folder / "hop.svg").string() + "'";
    EXPECT_EQ(runProgram(files), 0);
    std::ifstream written(folder / "hop.svg");
    std::stringstream svg;
    svg << written.rdbuf();
    EXPECT_EQ(elements(svg.str(), "play").size(), 2u);
    EXPECT_EQ(elements(svg.str(), "run").size(), 1u);
    EXPECT_EQ(runProgram("--trace '" + (folder / "missing.tsv").string() + "' --svg x.svg"), 1);
    EXPECT_EQ(runProgram("--svg x.svg"), 2);
    fs::remove_all(folder);
}

} // namespace
} // namespace trace_timeline
