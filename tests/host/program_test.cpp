// vrhost as users run it: a scenario flown through the recording plug-in.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int exitCode = -1;
    std::string output; // standard output and error together
    std::vector<std::string> record;
};

class VrhostProgram : public testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("vrhost_test_" + std::to_string(::getpid()) + "_" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    Outcome run(const std::string& arguments) {
        std::filesystem::path recordFile = folder / "record.txt";
        std::string command = "cd '" + folder.string() + "' && VRHOST_RECORD='" +
                              recordFile.string() + "' '" VRHOST_PROGRAM "' " + arguments + " 2>&1";
        Outcome outcome;
        FILE* pipe = ::popen(command.c_str(), "r");
        std::array<char, 4096> buffer;
        size_t read = 0;
        while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
            outcome.output.append(buffer.data(), read);
        }
        int status = ::pclose(pipe);
        outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream record(recordFile);
        for (std::string line; std::getline(record, line);) {
            outcome.record.push_back(line);
        }
        return outcome;
    }

    std::vector<std::string> callbacksOnly(const std::vector<std::string>& record) {
        std::vector<std::string> names;
        for (const std::string& line : record) {
            names.push_back(line.substr(0, line.find(' ')));
        }
        return names;
    }

    std::filesystem::path folder;
    const std::string scenarios = SCENARIO_DIR;
};

TEST_F(VrhostProgram, CallsThePlugInInTheDocumentedOrder) {
    // The scenario path is relative to the folder vrhost starts in.
    std::filesystem::copy_file(scenarios + "/two_runs.vrs", folder / "two_runs.vrs");
    Outcome outcome = run("--plugin '" RECORDING_PLUGIN "' --scenario two_runs.vrs");
    ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
    const std::vector<std::string>& record = outcome.record;
    ASSERT_EQ(record.size(), 21u) << outcome.output;
    EXPECT_EQ(record[0], "InitModule module");
    EXPECT_EQ(record[1], "OpenRenderViewport window 1280x800 0 focus=Alpha");
    EXPECT_EQ(record[2],
              "PreStep 0.000 0.1000 51544.500000 focus=Alpha altitude=2.00 sysstep=0.1000");
    EXPECT_EQ(record[3],
              "PreStep 0.100 0.1000 51544.500001 focus=Alpha altitude=3.00 sysstep=0.1000");
    EXPECT_EQ(record[7], "FocusChanged new=Beta old=Alpha");
    EXPECT_EQ(record[8],
              "PreStep 0.500 0.1000 51544.500006 focus=Beta altitude=100.00 sysstep=0.1000");
    EXPECT_EQ(record[14], "CloseRenderViewport");
    EXPECT_EQ(record[15], "OpenRenderViewport window 1280x800 0 focus=Beta");
    // Time acceleration 10 from 0.2 s: a ten times longer simulation step, the same real one.
    EXPECT_EQ(record[18],
              "PreStep 0.200 1.0000 51544.500002 focus=Beta altitude=100.00 sysstep=0.1000");
    EXPECT_EQ(record[19], "CloseRenderViewport");
    EXPECT_EQ(record[20], "ExitModule module");
    std::vector<std::string> expectedOrder{"InitModule"};
    expectedOrder.push_back("OpenRenderViewport");
    expectedOrder.insert(expectedOrder.end(), 5, "PreStep");
    expectedOrder.push_back("FocusChanged");
    expectedOrder.insert(expectedOrder.end(), 6, "PreStep");
    expectedOrder.push_back("CloseRenderViewport");
    expectedOrder.push_back("OpenRenderViewport");
    expectedOrder.insert(expectedOrder.end(), 3, "PreStep");
    expectedOrder.push_back("CloseRenderViewport");
    expectedOrder.push_back("ExitModule");
    EXPECT_EQ(callbacksOnly(record), expectedOrder);
}

TEST_F(VrhostProgram, AddOnsNamedByTheScenarioHearEachCallbackAfterThePlugIn) {
    // Add-on paths are relative to the simulator's folder, where vrhost lives.
    std::filesystem::path addon = std::filesystem::relative(
        RECORDING_ADDON, std::filesystem::path(VRHOST_PROGRAM).parent_path());
    std::ofstream(folder / "addon.vrs") << "framerate 10\naddon " << addon.string() << "\n"
                                        << "vessel A DeltaGlider\nend\n"
                                        << "vessel B DeltaGlider\nend\n"
                                        << "run only until 0.1\n  0.1 focus B\nend\n";
    Outcome outcome = run("--plugin '" RECORDING_PLUGIN "' --scenario addon.vrs");
    ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
    std::vector<std::string> expected{
        "InitModule", "addon InitModule", "OpenRenderViewport",  "addon OpenRenderViewport",
        "PreStep",    "addon PreStep",    "FocusChanged",        "addon FocusChanged",
        "PreStep",    "addon PreStep",    "CloseRenderViewport", "addon CloseRenderViewport",
        "ExitModule", "addon ExitModule"};
    std::vector<std::string> calls;
    for (const std::string& line : outcome.record) {
        bool marked = line.rfind("addon ", 0) == 0;
        std::string rest = marked ? line.substr(6) : line;
        calls.push_back((marked ? "addon " : "") + rest.substr(0, rest.find(' ')));
    }
    EXPECT_EQ(calls, expected);
}

TEST_F(VrhostProgram, AMissingAddOnIsSaidClearly) {
    std::ofstream(folder / "addon.vrs") << "addon Modules/NoSuchAddon.so\n"
                                        << "vessel A DeltaGlider\nend\nrun only until 1\nend\n";
    Outcome outcome = run("--plugin '" RECORDING_PLUGIN "' --scenario addon.vrs");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.output.find("vrhost: cannot load "), std::string::npos) << outcome.output;
    EXPECT_NE(outcome.output.find("NoSuchAddon.so"), std::string::npos);
}

TEST_F(VrhostProgram, PrintsTheDebugLineWithTheSimulationTime) {
    Outcome outcome =
        run("--plugin '" RECORDING_PLUGIN "' --scenario '" + scenarios + "/two_runs.vrs'");
    ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
    EXPECT_NE(outcome.output.find("[   0.90 s] debug: frame 10\n"), std::string::npos)
        << outcome.output;
    EXPECT_NE(outcome.output.find("[   0.50 s] focus: Beta\n"), std::string::npos);
    EXPECT_NE(outcome.output.find("(Jan 02 2000, version 1)"), std::string::npos);
}

TEST_F(VrhostProgram, NoWindowGivesANullWindowAndQuietPrintsNothing) {
    Outcome outcome = run("--plugin '" RECORDING_PLUGIN "' --no-window --quiet --scenario '" +
                          scenarios + "/two_runs.vrs'");
    ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
    EXPECT_EQ(outcome.output, "");
    ASSERT_GT(outcome.record.size(), 15u);
    EXPECT_EQ(outcome.record[1], "OpenRenderViewport null 1280x800 0 focus=Alpha");
    EXPECT_EQ(outcome.record[15], "OpenRenderViewport null 1280x800 0 focus=Beta");
}

TEST_F(VrhostProgram, ABadScenarioIsNamedByFileAndLine) {
    Outcome outcome =
        run("--plugin '" RECORDING_PLUGIN "' --scenario '" + scenarios + "/bad_keyword.vrs'");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output, scenarios +
                                  "/bad_keyword.vrs:5: unknown keyframe or event 'teleport' "
                                  "(throttle, hover, rcs, user, altitude, airspeed, vspeed, "
                                  "attitude, contact, status, brakes, anim, fuel, camera, "
                                  "camera-mode, cockpit-mode, camera-distance, warp, focus, "
                                  "keydown, keyup, press, dock, attmode, navmode, observer, mfd, "
                                  "input, call)\n");
    EXPECT_TRUE(outcome.record.empty());
}

TEST_F(VrhostProgram, AMissingPlugInIsSaidClearly) {
    Outcome outcome = run("--plugin missing.so --scenario '" + scenarios + "/two_runs.vrs'");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.output.find("vrhost: the plug-in " + (folder / "missing.so").string() +
                                  " is missing"),
              std::string::npos)
        << outcome.output;
}

TEST_F(VrhostProgram, BadOptionsPointToHelp) {
    Outcome outcome = run("--scenario");
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.output, "vrhost: --scenario needs a scenario file\nTry 'vrhost --help'.\n");
    Outcome help = run("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output.rfind("Usage: vrhost --scenario FILE [options]\n", 0), 0u);
}

struct ShippedFlight {
    const char* file;
    int frames;
};

class ShippedScenarios : public VrhostProgram, public testing::WithParamInterface<ShippedFlight> {};

TEST_P(ShippedScenarios, ParseAndFlyToTheEnd) {
    Outcome outcome =
        run("--plugin '" RECORDING_PLUGIN "' --quiet --scenario '" SHIPPED_SCENARIOS "/" +
            std::string(GetParam().file) + "'");
    ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
    std::vector<std::string> names = callbacksOnly(outcome.record);
    EXPECT_EQ(std::count(names.begin(), names.end(), "PreStep"), GetParam().frames);
    EXPECT_EQ(names.back(), "ExitModule");
}

INSTANTIATE_TEST_SUITE_P(Flights, ShippedScenarios,
                         testing::Values(ShippedFlight{"demo.vrs", 90 * 40 + 1},
                                         ShippedFlight{"docking.vrs", 120 * 40 + 1},
                                         ShippedFlight{"hard_landing.vrs", 75 * 40 + 1}),
                         [](const testing::TestParamInfo<ShippedFlight>& flight) {
                             std::string file = flight.param.file;
                             return file.substr(0, file.find('.'));
                         });

} // namespace
