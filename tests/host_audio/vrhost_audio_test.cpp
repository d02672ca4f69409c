// vrhost's sound options, flown end to end with the real plug-in and the real mixer.
#include "wave_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path tree = VORANTH_TREE;
const fs::path scenarios = SCENARIO_FOLDER;

struct Flight {
    int exitCode;
    std::string output;
};

Flight fly(const std::string& options) {
    std::string command = (tree / "vrhost").string() + " " + options + " 2>&1";
    Flight flight{-1, ""};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return flight;
    }
    char chunk[4096];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        flight.output.append(chunk, count);
    }
    int status = ::pclose(pipe);
    flight.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return flight;
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

uint32_t littleEndian32(const std::string& bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8 |
           static_cast<uint8_t>(bytes[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

std::vector<std::vector<std::string>> traceRows(const fs::path& path) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(readFile(path));
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> columns;
        std::string column;
        std::istringstream cells(line);
        while (std::getline(cells, column, '\t')) {
            columns.push_back(column);
        }
        rows.push_back(columns);
    }
    return rows;
}

class VrhostAudio : public testing::Test {
protected:
    fs::path scratch =
        fs::temp_directory_path() / ("vrhost-audio-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    VrhostAudio() { fs::create_directories(scratch); }
    ~VrhostAudio() override { fs::remove_all(scratch); }
};

TEST_F(VrhostAudio, RecordsTheWholeFlightAtThePrimaryFormat) {
    fs::path wav = scratch / "short.wav";
    Flight flight = fly("--quiet --scenario " + (scenarios / "short.vrs").string() + " --record " +
                        wav.string());
    ASSERT_EQ(flight.exitCode, 0) << flight.output;
    std::string bytes = readFile(wav);
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(littleEndian32(bytes, 24), 22050u);
    uint32_t dataBytes = littleEndian32(bytes, 40);
    EXPECT_EQ(dataBytes, bytes.size() - 44);
    double seconds = dataBytes / (22050.0 * 4);
    EXPECT_NEAR(seconds, 2.0, 0.06); // the frames of the run, a frame either way

    std::string log = readFile(tree / "Zephyrin_Log.txt");
    EXPECT_NE(log.find("   Attempt to create Primary buffer: 22050hz 16bits 3d: yes\n"),
              std::string::npos);
    EXPECT_NE(log.find("   3D primary buffer initialised OK\n"), std::string::npos);
    EXPECT_NE(log.find("directsound initialised - OK\n"), std::string::npos);
    EXPECT_NE(log.find("Wav files Statistics:\n"), std::string::npos);
}

TEST_F(VrhostAudio, HeadphonesRecordBinauralSoundAndTheDeviceSaysSo) {
    fs::path wav = scratch / "short.wav";
    Flight flight = fly("--quiet --headphones --scenario " + (scenarios / "short.vrs").string() +
                        " --record " + wav.string());
    ASSERT_EQ(flight.exitCode, 0) << flight.output;
    std::string bytes = readFile(wav);
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ(littleEndian32(bytes, 24), 44100u); // the rate of the HRTF data
    EXPECT_NEAR(littleEndian32(bytes, 40) / (44100.0 * 4), 2.0, 0.06);
    std::string log = readFile(tree / "Zephyrin_Log.txt");
    EXPECT_NE(log.find("   Speaker configuration: headphone.\n"), std::string::npos) << log;
}

TEST_F(VrhostAudio, TracesTheCallsWithTimeObjectMethodArgumentsAndName) {
    fs::path trace = scratch / "throttle.tsv";
    Flight flight = fly("--quiet --scenario " + (scenarios / "throttle.vrs").string() +
                        " --trace " + trace.string());
    ASSERT_EQ(flight.exitCode, 0) << flight.output;
    std::vector<std::vector<std::string>> rows = traceRows(trace);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front()[1], "DirectSound");
    EXPECT_EQ(rows.front()[2], "DirectSoundCreate8");
    bool namedBuffer = false;
    for (const auto& row : rows) {
        ASSERT_GE(row.size(), 4u);
        if (row.size() == 5 && row[2] == "CreateSoundBuffer" && !row[4].empty()) {
            namedBuffer = true;
        }
    }
    EXPECT_TRUE(namedBuffer);
}

TEST_F(VrhostAudio, TheMainEngineFollowsTheThrottleUpAndDown) {
    fs::path trace = scratch / "throttle.tsv";
    Flight flight = fly("--quiet --scenario " + (scenarios / "throttle.vrs").string() +
                        " --trace " + trace.string());
    ASSERT_EQ(flight.exitCode, 0) << flight.output;

    const std::string mainEngine = "sound\\vessel\\mainext.wav";
    double firstLoopingPlay = -1.0;
    double lastStop = -1.0;
    std::vector<int> frequenciesWhileOpening;
    for (const auto& row : traceRows(trace)) {
        if (row.size() < 5 || row[4] != mainEngine) {
            continue;
        }
        double time = std::stod(row[0]);
        if (row[2] == "Play" && row[3] == "0, 0, 0x00000001" && firstLoopingPlay < 0) {
            firstLoopingPlay = time;
        } else if (row[2] == "SetFrequency" && time < 2.5) {
            frequenciesWhileOpening.push_back(std::stoi(row[3]));
        } else if (row[2] == "Stop") {
            lastStop = time;
        }
    }
    EXPECT_GT(firstLoopingPlay, 1.0); // the throttle leaves 0 at 1 s
    EXPECT_LT(firstLoopingPlay, 1.5);
    ASSERT_GE(frequenciesWhileOpening.size(), 4u);
    for (size_t i = 1; i < frequenciesWhileOpening.size(); ++i) {
        EXPECT_GE(frequenciesWhileOpening[i], frequenciesWhileOpening[i - 1]);
    }
    EXPECT_GT(frequenciesWhileOpening.back(), frequenciesWhileOpening.front());
    EXPECT_GE(lastStop, 4.9); // closed at 5 s
}

TEST_F(VrhostAudio, RefusesRecordingAndRealTimeTogether) {
    Flight flight = fly("--scenario x.vrs --record a.wav --realtime");
    EXPECT_EQ(flight.exitCode, 2);
    EXPECT_NE(flight.output.find("choose one"), std::string::npos);
}

TEST_F(VrhostAudio, AnUnwritableRecordingIsAFault) {
    Flight flight = fly("--quiet --scenario " + (scenarios / "short.vrs").string() + " --record " +
                        (scratch / "missing" / "x.wav").string());
    EXPECT_EQ(flight.exitCode, 1);
    EXPECT_NE(flight.output.find("cannot write the recording"), std::string::npos);
}

TEST_F(VrhostAudio, RealTimeKeepsThePaceAndEndsNormallyWithOrWithoutASoundCard) {
    auto start = std::chrono::steady_clock::now();
    Flight flight = fly("--quiet --realtime --scenario " + (scenarios / "short.vrs").string());
    double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(flight.exitCode, 0) << flight.output;
    EXPECT_GE(elapsed, 1.9);
    std::string log = readFile(tree / "Zephyrin_Log.txt");
    bool opened = log.find("directsound initialised - OK\n") != std::string::npos;
    bool silent = log.find("ERROR FAILED TO INITIALISE DIRECTSOUND") != std::string::npos;
    EXPECT_TRUE(opened || silent) << log;
    EXPECT_NE(log.find("Passed ExitModule - Ok\n"), std::string::npos);
    if (silent) { // one line of vrhost's instead of the sound library's own
        EXPECT_EQ(flight.output.find("ALSA lib"), std::string::npos) << flight.output;
        EXPECT_EQ(flight.output.find("AL lib"), std::string::npos) << flight.output;
        EXPECT_NE(flight.output.find("vrhost: no sound card to play on"), std::string::npos)
            << flight.output;
    }
}

} // namespace
