#include "host/option_settings.h"
#include "host/scenario_parser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

using namespace vrhost;
namespace fs = std::filesystem;

const char* const flight = "vessel A DG\nend\nrun r until 1\nend\n";

TEST(ScenarioOptions, NameTheRecordsKeysInAnyCaseWithOnOffOrWholeValues) {
    Scenario scenario = parseScenario(
        std::string("option PLAYRADARBIP on\noption volgpws 200\noption ATCDELAYFACTOR 2.5\n") +
            flight,
        "options.vrs");
    ASSERT_EQ(scenario.options.size(), 3u);
    EXPECT_EQ(scenario.options[0].name, "PLAYRADARBIP");
    EXPECT_EQ(scenario.options[0].value, 1.0);
    EXPECT_EQ(scenario.options[1].name, "VOLGPWS");
    EXPECT_EQ(scenario.options[1].value, 200.0);
    EXPECT_EQ(scenario.options[2].value, 2.5);
}

TEST(ScenarioOptions, AnUnknownKeyOrAFractionOfASwitchIsAFault) {
    for (const char* bad : {"option PLAYEVERYTHING on\n", "option PLAYGPWS 0.5\n",
                            "option VOLGPWS 1e12\n", "option VERSIONCONTROL 1\n"}) {
        EXPECT_THROW(parseScenario(std::string(bad) + flight, "bad.vrs"), ScenarioError) << bad;
    }
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class OptionFile : public testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() / ("vrhost-options-" + std::to_string(getpid()));
    fs::path file = folder / "Sound" / "Cfg" / "Zephyrin3.cfg";
    ~OptionFile() override { fs::remove_all(folder); }
};

TEST_F(OptionFile, HoldsTheSettingsOverTheFilesRecordForTheFlightOnly) {
    OptionRecord saved{};
    fillPluginDefaults(saved);
    saved.VOLRADAR = 99;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(&saved), sizeof saved);
    std::string before = readBytes(file);
    OptionFileOverride flightOptions(file, {{"PLAYRADARBIP", 1}});
    for (int read = 0; read < 2; ++read) {
        flightOptions.apply();
        std::string during = readBytes(file);
        ASSERT_EQ(during.size(), sizeof(OptionRecord));
        OptionRecord record{};
        std::memcpy(&record, during.data(), sizeof record);
        EXPECT_EQ(record.PLAYRADARBIP, 1);
        EXPECT_EQ(record.VOLRADAR, 99);
        flightOptions.restore();
        EXPECT_EQ(readBytes(file), before);
    }
}

TEST_F(OptionFile, WithoutAFileTheDefaultsAreTakenAndNoFileIsLeft) {
    {
        OptionFileOverride flightOptions(file, {{"PLAYCOUNTDOWNWHENTAKEOFF", 1}});
        flightOptions.apply();
        OptionRecord record = withSettings(readBytes(file), {});
        EXPECT_EQ(record.PLAYCOUNTDOWNWHENTAKEOFF, 1);
        EXPECT_EQ(record.VERSIONCONTROL, optionRecordVersion);
    }
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(OptionFile, WithoutSettingsTheFileIsLeftAlone) {
    OptionFileOverride noOptions(file, {});
    noOptions.apply();
    EXPECT_FALSE(fs::exists(file));
}

} // namespace
