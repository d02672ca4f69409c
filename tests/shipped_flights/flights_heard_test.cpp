// Each shipped flight flown by vrhost with the default sound pack: the sounds it is there for
// start in its trace, in the order the flight calls for them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path tree = VORANTH_TREE;

struct Start {
    double time;
    std::string file;
};

// The non-looping plays and the first play of each loop, from a trace file.
std::vector<Start> startsIn(const fs::path& trace) {
    std::vector<Start> starts;
    std::ifstream lines(trace);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> columns;
        std::istringstream cells(line);
        std::string column;
        while (std::getline(cells, column, '\t')) {
            columns.push_back(column);
        }
        if (columns.size() == 5 && columns[2] == "Play" &&
            (starts.empty() || starts.back().file != columns[4])) {
            starts.push_back({std::stod(columns[0]), columns[4]});
        }
    }
    return starts;
}

std::vector<Start> fly(const std::string& scenario) {
    fs::path trace = fs::temp_directory_path() /
                     ("flight-" + std::to_string(getpid()) + "-" + scenario + ".tsv");
    std::string command = (tree / "vrhost").string() + " --quiet --scenario '" +
                          (tree / "Scenarios" / scenario).string() + "' --trace '" +
                          trace.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::vector<Start> starts = startsIn(trace);
    fs::remove(trace);
    return starts;
}

// The time of the first start of `file` at or after `after`; -1 when there is none.
double startOf(const std::vector<Start>& starts, const std::string& file, double after = 0) {
    for (const Start& start : starts) {
        if (start.file == file && start.time >= after) {
            return start.time;
        }
    }
    return -1;
}

// Every file starts, each after the one before it.
void expectInOrder(const std::vector<Start>& starts, const std::vector<std::string>& files) {
    double after = 0;
    for (const std::string& file : files) {
        double time = startOf(starts, file, after);
        EXPECT_GE(time, 0) << file << " does not start after " << after << " s";
        after = time >= 0 ? time : after;
    }
}

std::string vessel(const std::string& file) {
    return "sound\\vessel\\" + file;
}

std::string callout(int height) {
    return "Sound\\Vessel\\-" + std::to_string(height) + ".wav";
}

// The demo's vessel class brings its own callouts.
std::string classCallout(int height) {
    return "Sound\\_CustomVesselsSounds\\Kestrel\\-" + std::to_string(height) + ".wav";
}

TEST(ShippedFlights, TheDemoCountsDownClicksCallsOutLandsRollsAndBrakes) {
    std::vector<Start> starts = fly("demo.vrs");
    expectInOrder(starts, {vessel("RcsattmodeTrans.wav"), vessel("RcsattmodeRot.wav"),
                           vessel("countdown.wav"), classCallout(200), classCallout(100),
                           classCallout(50), classCallout(40), classCallout(30), classCallout(20),
                           classCallout(10), vessel("land.wav"), vessel("roll.wav"),
                           vessel("brake.wav")});
    EXPECT_GE(startOf(starts, vessel("aircond.wav")), 0);
    bool cabinHeard = false;
    for (const Start& start : starts) {
        cabinHeard = cabinHeard || start.file.rfind(vessel("ambient"), 0) == 0;
    }
    EXPECT_TRUE(cabinHeard);
}

TEST(ShippedFlights, TheDockingFlightBipsWarnsDocksAndUndocksWithTheRadioCalls) {
    std::vector<Start> starts = fly("docking.vrs");
    expectInOrder(starts, {vessel("radar_bip.wav"), vessel("radar_close.wav"),
                           vessel("docking.wav"), vessel("docking_radio.wav"),
                           vessel("Undocking.wav"), vessel("undocking_radio.wav")});
    // The station's call waits for the clang to end.
    EXPECT_GT(startOf(starts, vessel("docking_radio.wav")) - startOf(starts, vessel("docking.wav")),
              1.0);
}

TEST(ShippedFlights, TheHardLandingIsClearedCalledOutAndCrashesWithoutAThump) {
    std::vector<Start> starts = fly("hard_landing.vrs");
    expectInOrder(starts,
                  {vessel("landClr.wav"), callout(2500), callout(1000), callout(500), callout(400),
                   callout(300), callout(200), callout(100), callout(50), callout(40), callout(30),
                   callout(20), callout(10), vessel("crash.wav"), vessel("roll.wav")});
    EXPECT_LT(startOf(starts, vessel("land.wav")), 0);
}

} // namespace
