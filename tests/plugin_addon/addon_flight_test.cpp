// The shipped flight of the example add-on, flown by vrhost with the real plug-in: the add-on's
// sounds are the ones heard.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path tree = VORANTH_TREE;
const fs::path testFolder = TEST_FOLDER;

// The program's standard output and its exit status.
std::string runAndRead(const std::string& command, int& exitCode) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        exitCode = -1;
        return output;
    }
    char chunk[4096];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        output.append(chunk, count);
    }
    int status = ::pclose(pipe);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

std::vector<std::string> linesStartingWith(const std::string& text, const std::string& prefix) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        if (line.rfind(prefix, 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

struct TraceRow {
    double time;
    std::string object;
    std::string method;
    std::string arguments;
    std::string name;
};

std::vector<TraceRow> traceRows(const fs::path& path) {
    std::vector<TraceRow> rows;
    std::istringstream lines(readFile(path));
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream columns(line);
        std::string field;
        while (std::getline(columns, field, '\t')) {
            fields.push_back(field);
        }
        fields.resize(5);
        rows.push_back({std::atof(fields[0].c_str()), fields[1], fields[2], fields[3], fields[4]});
    }
    return rows;
}

class AddonFlightTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const fs::path trace = fs::temp_directory_path() / "zephyrin-addon-flight.tsv";
        std::string command = (tree / "vrhost").string() + " --quiet --scenario '" +
                              (tree / "Scenarios" / "addon.vrs").string() + "' --trace '" +
                              trace.string() + "'";
        exitCode = std::system(command.c_str());
        rows = traceRows(trace);
        log = readFile(tree / "Zephyrin_Log.txt");
        fs::remove(trace);
    }

    // Every buffer made for a file name, with what was asked of it.
    static std::vector<const TraceRow*> callsOf(const std::string& fileName,
                                                const std::string& method) {
        std::map<std::string, bool> buffers;
        for (const TraceRow& row : rows) {
            if (row.method == "CreateSoundBuffer" && row.name == fileName) {
                buffers[row.object] = true;
            }
        }
        std::vector<const TraceRow*> calls;
        for (const TraceRow& row : rows) {
            if (buffers.count(row.object) != 0 && row.method == method) {
                calls.push_back(&row);
            }
        }
        return calls;
    }

    static int exitCode;
    static std::vector<TraceRow> rows;
    static std::string log;
};

int AddonFlightTest::exitCode = -1;
std::vector<TraceRow> AddonFlightTest::rows;
std::string AddonFlightTest::log;

TEST_F(AddonFlightTest, TheGliderIsHeardWithTheAddonsSounds) {
    ASSERT_EQ(exitCode, 0);
    EXPECT_NE(log.find("Vessel DG-01 requested an ID, returned= 0 OK"), std::string::npos);
    // The engines as a pair beamed backwards, played when the main engines run.
    std::vector<const TraceRow*> enginePlays = callsOf("Sound\\Vessel\\mainextloud.wav", "Play");
    ASSERT_GE(enginePlays.size(), 2u);
    EXPECT_GE(enginePlays.front()->time, 8.0);
    EXPECT_EQ(callsOf("Sound\\Vessel\\mainextloud.wav", "SetConeAngles").size(), 2u);
    EXPECT_FALSE(callsOf("Sound\\Vessel\\attsustain.wav", "Play").empty());
    EXPECT_FALSE(callsOf("Sound\\Vessel\\AuxThr.wav", "Play").empty());
    // The tower's clearance once, and the stock main engine switched off for this vessel.
    EXPECT_EQ(callsOf("Sound\\Vessel\\landClr.wav", "Play").size(), 1u);
    EXPECT_TRUE(callsOf("sound\\vessel\\mainext.wav", "Play").empty());
    // The add-on's own hover engine in place of the stock one.
    EXPECT_FALSE(callsOf("Sound\\Vessel\\retro.wav", "Play").empty());
}

} // namespace

namespace {

// An expected line ending in * matches any line that starts as it does.
bool matches(const std::string& expected, const std::string& line) {
    if (!expected.empty() && expected.back() == '*') {
        return line.rfind(expected.substr(0, expected.size() - 1), 0) == 0;
    }
    return expected == line;
}

TEST(ScenarioCallsTest, EveryFunctionAnswersTheScenariosCallsAndTheFlightGoesOn) {
    int exitCode = -1;
    std::string output = runAndRead((tree / "vrhost").string() + " --quiet --scenario '" +
                                        (testFolder / "calls.vrs").string() + "'",
                                    exitCode);
    EXPECT_EQ(exitCode, 0);
    std::vector<std::string> calls = linesStartingWith(output, "call: ");
    std::vector<std::string> expected =
        linesStartingWith(readFile(testFolder / "calls.expected"), "call: ");
    ASSERT_EQ(calls.size(), expected.size()) << output;
    for (size_t index = 0; index < calls.size(); ++index) {
        EXPECT_TRUE(matches(expected[index], calls[index]))
            << "expected " << expected[index] << "\n     got " << calls[index];
    }
}

} // namespace
