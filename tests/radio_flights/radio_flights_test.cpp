// The shipped flights of the radio and the music, flown end to end: what the trace hears and
// what the display draws.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path tree = VORANTH_TREE;

struct TraceRow {
    double time;
    std::string object, method, arguments, name;
};

class RadioFlights : public testing::Test {
protected:
    fs::path trace = fs::temp_directory_path() /
                     ("radio-flight-" + std::to_string(::getpid()) + "-" +
                      testing::UnitTest::GetInstance()->current_test_info()->name() + ".tsv");
    fs::path pictures = fs::path(trace).replace_extension(".pictures");
    fs::path dump = fs::path(trace).replace_extension(".mfd");
    ~RadioFlights() override {
        fs::remove(trace);
        fs::remove(dump);
        fs::remove_all(pictures);
    }

    // Flies a shipped scenario with a trace; returns what vrhost printed.
    std::string fly(const std::string& scenario, const std::string& options = "") {
        // Each flight starts from the radio the plug-in sets up when it has no saved one: other
        // flights of the tree save their own frequencies at their window close.
        fs::remove(tree / "Sound" / "Cfg" / "Radio.cfg");
        std::string command = (tree / "vrhost").string() + " --scenario " +
                              (tree / "Scenarios" / scenario).string() + " --trace " +
                              trace.string() + " " + options + " 2>&1";
        std::string output;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr) {
            return output;
        }
        char chunk[4096];
        size_t count;
        while ((count = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
            output.append(chunk, count);
        }
        int status = ::pclose(pipe);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
        return output;
    }

    // The trace rows of one method on sounds whose name contains `name`.
    std::vector<TraceRow> rows(const std::string& method, const std::string& name) const {
        std::vector<TraceRow> found;
        std::ifstream file(trace);
        std::string line;
        while (std::getline(file, line)) {
            std::vector<std::string> columns;
            std::stringstream cells(line);
            std::string cell;
            while (std::getline(cells, cell, '\t')) {
                columns.push_back(cell);
            }
            if (columns.size() == 5 && columns[2] == method &&
                columns[4].find(name) != std::string::npos) {
                found.push_back(
                    {std::stod(columns[0]), columns[1], columns[2], columns[3], columns[4]});
            }
        }
        return found;
    }
};

TEST_F(RadioFlights, LaunchControlPlaysItsProgramAtItsTimesFromTheSwap) {
    std::string output =
        fly("launch.vrs", "--mfd-dump " + dump.string() + " --mfd-png " + pictures.string());
    EXPECT_NE(output.find("input: \"128.5\" refused"), std::string::npos);
    EXPECT_NE(output.find("input: \"128.550\" accepted"), std::string::npos);
    EXPECT_NE(output.find("mfd| Com status: On (sequential)"), std::string::npos);
    EXPECT_NE(output.find("mfd| - Available frequencies Page 1 -"), std::string::npos);
    EXPECT_NE(output.find("mfd| 128.550 Launch Control"), std::string::npos);

    std::vector<std::string> program;
    for (const TraceRow& play : rows("Play", "128.550 Launch Control\\")) {
        if (play.time < 50) { // then the volume steps play samples
            char line[128];
            std::snprintf(line, sizeof line, "%.3f %s", play.time,
                          play.name.substr(play.name.rfind('\\') + 1).c_str());
            program.push_back(line);
        }
    }
    // The swap comes between frames after 5.975 s: 0, 9, 14, 20 and 35 s after that frame.
    EXPECT_EQ(program, (std::vector<std::string>{"6.000 1 poll.wav", "14.975 2 range.wav",
                                                 "20.000 3 flight.wav", "26.000 4 count.wav",
                                                 "41.000 5 tower.wav"}));
    EXPECT_EQ(rows("Play", "128.550 Launch Control\\").size(), 10u); // five volume samples
    EXPECT_NE(output.find("mfd| Com Frequency: 140.300Mhz"), std::string::npos);

    // The display's pieces of text with their places and colours, and a picture of each page.
    std::ifstream mfd(dump);
    std::stringstream content;
    content << mfd.rdbuf();
    std::string lines = content.str();
    EXPECT_NE(lines.find("3.000\t3\t2\t0xFFFFFF\tRadio / Radar / MP3\n"), std::string::npos);
    EXPECT_NE(lines.find("3.000\t7\t22\t0x00DC00\t---- VHF ----\n"), std::string::npos);
    EXPECT_NE(lines.find("6.000\t7\t31\t0x00DC00\tCom status: On (sequential)\n"),
              std::string::npos);
    EXPECT_NE(lines.find("\t0xC8C8C8\tSHF-K play mode (now:space ext)\n"), std::string::npos);
    std::ifstream picture(pictures / "mfd-6.000.png", std::ios::binary);
    char signature[8] = {};
    picture.read(signature, sizeof signature);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST_F(RadioFlights, TheDockingFlightHearsTheStationAndPlaysMusicOutsideInSpace) {
    fly("docking.vrs");
    std::vector<TraceRow> calls = rows("Play", "296.800 Station Approach\\");
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls.front().time, 5.0);

    std::vector<TraceRow> volumes = rows("SetVolume", "sound\\mp3\\");
    ASSERT_GE(volumes.size(), 4u);
    EXPECT_EQ(volumes[0].time, 64.025); // the first frame outside
    std::vector<std::string> firstSteps;
    for (size_t index = 0; index < 4; ++index) {
        firstSteps.push_back(volumes[index].arguments);
    }
    EXPECT_EQ(firstSteps, (std::vector<std::string>{"0", "-2500", "-2200", "-1900"}));
    // Back in the cockpit at 78 s the track runs on silently, and ends at its length.
    bool silencedInside = false;
    for (const TraceRow& volume : volumes) {
        silencedInside |= volume.time >= 78 && volume.arguments == "-10000";
    }
    EXPECT_TRUE(silencedInside);
    std::vector<TraceRow> stops = rows("Stop", "Low Gravity.mp3");
    ASSERT_GE(stops.size(), 2u);
    EXPECT_NEAR(stops[1].time, 64.025 + 38.0, 0.2);
}

TEST_F(RadioFlights, TheEntryFadesTheMusicOutAndStopsItInThickAir) {
    fly("radio_entry.vrs");
    std::vector<TraceRow> volumes = rows("SetVolume", "Orbit Dawn.mp3");
    ASSERT_FALSE(volumes.empty());
    double lastVolume = 0;
    for (const TraceRow& volume : volumes) {
        if (volume.time > 60 && volume.time < 75) {
            double value = std::stod(volume.arguments);
            EXPECT_LE(value, lastVolume + 1e-9) << volume.time; // only ever quieter
            lastVolume = value;
        }
    }
    EXPECT_LT(lastVolume, -9000);
    std::vector<TraceRow> stops = rows("Stop", "Orbit Dawn.mp3");
    ASSERT_GE(stops.size(), 2u);
    EXPECT_GT(stops[1].time, 74.0);
    EXPECT_FALSE(rows("Play", "sound\\vessel\\noise.wav").empty()); // the black-out static
}

} // namespace
