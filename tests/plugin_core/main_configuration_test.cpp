#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

namespace {

using namespace zephyrin;
using testsupport::ScratchFolder;

constexpr const char* configPath = "Sound/Cfg/Zephyrin3.cfg";
constexpr const char* versionWrong =
    "Error, config file's version control is wrong... attempt to write a correct one\n"
    "New config file written ok !\n";

std::string asBytes(const OptionRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

OptionRecord pluginDefaults() {
    OptionRecord defaults;
    fillPluginDefaults(defaults);
    return defaults;
}

class MainConfiguration : public testing::Test {
protected:
    MainConfiguration() { folder.write("Sound/Cfg/.keep", ""); }
    std::string log() {
        logClose();
        return folder.read("Zephyrin_Log.txt");
    }
    ScratchFolder folder;
};

TEST_F(MainConfiguration, AMissingFileIsWrittenWithThePluginDefaults) {
    loadMainConfiguration();
    EXPECT_EQ(log(),
              std::string("Error, config file not found new one written OK\n") + versionWrong);
    EXPECT_EQ(folder.read(configPath), asBytes(pluginDefaults()));
    EXPECT_EQ(asBytes(liveOptions), asBytes(pluginDefaults()));
    EXPECT_EQ(liveOptions.VOLCABINAMBIENCE, 250);
    EXPECT_EQ(liveOptions.VOLATTITUDEMODE, 240);
    EXPECT_EQ(liveOptions.VOLGPWS, 230);
}

TEST_F(MainConfiguration, AValidRecordIsTakenWhateverItsFieldsHold) {
    OptionRecord stored = pluginDefaults();
    stored.VOLMAINTHRUST = 12;
    stored.PLAYAUXTHRUST = 7;
    stored.ATCDELAYFACTOR = 3.5f;
    folder.write(configPath, asBytes(stored));
    loadMainConfiguration();
    EXPECT_EQ(log(), "");
    EXPECT_EQ(liveOptions.VOLMAINTHRUST, 12);
    EXPECT_EQ(liveOptions.PLAYAUXTHRUST, 7);
    EXPECT_FLOAT_EQ(liveOptions.ATCDELAYFACTOR, 3.5f);
}

struct DamagedFile {
    const char* what;
    std::string bytes;
};

void PrintTo(const DamagedFile& c, std::ostream* out) {
    *out << c.what;
}

class DamagedMainConfiguration : public MainConfiguration,
                                 public testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedMainConfiguration, IsReplacedByTheDefaults) {
    folder.write(configPath, GetParam().bytes);
    loadMainConfiguration();
    EXPECT_EQ(log(), versionWrong) << GetParam().what;
    EXPECT_EQ(folder.read(configPath), asBytes(pluginDefaults()));
    EXPECT_EQ(liveOptions.VERSIONCONTROL, optionRecordVersion);
}

OptionRecord withVersion(double version) {
    OptionRecord record = pluginDefaults();
    record.VOLMAINTHRUST = 1;
    record.VERSIONCONTROL = version;
    return record;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedMainConfiguration,
    testing::Values(DamagedFile{"247 bytes",
                                asBytes(withVersion(optionRecordVersion)).substr(0, 247)},
                    DamagedFile{"wrong version", asBytes(withVersion(7543245235.0))},
                    DamagedFile{"empty", ""}));

TEST_F(MainConfiguration, ALongerFileIsReadForItsFirstRecord) {
    OptionRecord stored = pluginDefaults();
    stored.VOLRADAR = 99;
    folder.write(configPath, asBytes(stored) + "trailing bytes");
    loadMainConfiguration();
    EXPECT_EQ(log(), "");
    EXPECT_EQ(liveOptions.VOLRADAR, 99);
}

TEST_F(MainConfiguration, WithoutThreeDAudioItsDependentsAreOffButTheFileKeepsThem) {
    OptionRecord stored = pluginDefaults();
    stored.ALLOW3DAUDIO = 0;
    folder.write(configPath, asBytes(stored));
    loadMainConfiguration();
    EXPECT_EQ(liveOptions.ALLOW3DPROJECTIONCONE, 0);
    EXPECT_EQ(liveOptions.ALLOW3DMACHCONESILENCE, 0);
    EXPECT_EQ(liveOptions.ALLOW3DRCSPOSITIONING, 0);
    EXPECT_EQ(folder.read(configPath), asBytes(stored));
}

TEST_F(MainConfiguration, WithoutConesTheMachConeSilenceIsOff) {
    OptionRecord stored = pluginDefaults();
    stored.ALLOW3DPROJECTIONCONE = 0;
    folder.write(configPath, asBytes(stored));
    loadMainConfiguration();
    EXPECT_EQ(liveOptions.ALLOW3DMACHCONESILENCE, 0);
    EXPECT_EQ(liveOptions.ALLOW3DRCSPOSITIONING, 1);
}

TEST(MainConfigurationWithoutFolder, RunsOnTheDefaultsWhenTheFileCannotBeWritten) {
    ScratchFolder folder; // no Sound\Cfg folder: nothing can be created
    loadMainConfiguration();
    logClose();
    EXPECT_EQ(folder.read("Zephyrin_Log.txt"),
              "Error, config file not found and unable to write it\n"
              "Error, config file's version control is wrong... attempt to write a correct one\n"
              "Error, unable to write config file\n");
    EXPECT_EQ(asBytes(liveOptions), asBytes(pluginDefaults()));
}

TEST(OptionRecordDefaults, TunedeskWritesFullVolumesWhereThePluginDoesNot) {
    OptionRecord tunedesk;
    fillTunedeskDefaults(tunedesk);
    OptionRecord plugin = pluginDefaults();
    EXPECT_EQ(tunedesk.VOLCABINAMBIENCE, 255);
    EXPECT_EQ(tunedesk.VOLATTITUDEMODE, 255);
    EXPECT_EQ(tunedesk.VOLGPWS, 255);
    tunedesk.VOLCABINAMBIENCE = plugin.VOLCABINAMBIENCE;
    tunedesk.VOLATTITUDEMODE = plugin.VOLATTITUDEMODE;
    tunedesk.VOLGPWS = plugin.VOLGPWS;
    EXPECT_EQ(asBytes(tunedesk), asBytes(plugin));
}

} // namespace
