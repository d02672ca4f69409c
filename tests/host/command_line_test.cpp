#include "host/command_line.h"
#include "host/dynamic_library.h"

#include <gtest/gtest.h>

namespace {

using vrhost::parseCommandLine;

TEST(CommandLine, ReadsEveryOption) {
    std::string error;
    auto line = parseCommandLine({"--scenario", "flight.vrs", "--date", "2024-02-29", "--no-window",
                                  "--quiet", "--plugin", "libOther.so"},
                                 error);
    ASSERT_TRUE(line.has_value()) << error;
    EXPECT_EQ(line->scenarioPath, "flight.vrs");
    ASSERT_TRUE(line->date.has_value());
    EXPECT_EQ(line->date->year, 2024);
    EXPECT_EQ(line->date->month, 2);
    EXPECT_EQ(line->date->day, 29);
    EXPECT_FALSE(line->withWindow);
    EXPECT_TRUE(line->quiet);
    EXPECT_EQ(line->pluginPath, "libOther.so");
}

TEST(CommandLine, HelpNeedsNoScenario) {
    std::string error;
    auto line = parseCommandLine({"--help"}, error);
    ASSERT_TRUE(line.has_value());
    EXPECT_TRUE(line->help);
    EXPECT_NE(vrhost::usage().find("--scenario FILE"), std::string::npos);
    // The plug-in's own file name on this system: libZephyrin.so, or Zephyrin.dll on Windows.
    EXPECT_NE(vrhost::usage().find("Modules/Plugin/" +
                                   vrhost::dynamic_library::fileName("Zephyrin") + " beside"),
              std::string::npos);
}

TEST(CommandLine, HeadphonesGoWithRecordingOrRealTime) {
    for (const char* output : {"--record", "--realtime"}) {
        std::vector<std::string> arguments{"--scenario", "f.vrs", "--headphones", output};
        if (std::string(output) == "--record") {
            arguments.push_back("out.wav");
        }
        std::string error;
        auto line = parseCommandLine(arguments, error);
        ASSERT_TRUE(line.has_value()) << error;
        EXPECT_TRUE(line->headphones) << output;
    }
}

struct BadLine {
    std::vector<std::string> arguments;
    const char* error;
};

class CommandLineFaults : public testing::TestWithParam<BadLine> {};

TEST_P(CommandLineFaults, SayWhatIsWrong) {
    std::string error;
    EXPECT_FALSE(parseCommandLine(GetParam().arguments, error).has_value());
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CommandLineFaults,
    testing::Values(BadLine{{}, "no scenario given (--scenario FILE)"},
                    BadLine{{"--scenario"}, "--scenario needs a scenario file"},
                    BadLine{{"--scenario", "a.vrs", "--fast"}, "unknown option '--fast'"},
                    BadLine{{"--scenario", "a.vrs", "--date", "2023-02-29"},
                            "bad date '2023-02-29': expected YYYY-MM-DD, e.g. 2024-12-25"},
                    BadLine{{"--scenario", "a.vrs", "--date", "tomorrow"},
                            "bad date 'tomorrow': expected YYYY-MM-DD, e.g. 2024-12-25"}));

} // namespace
