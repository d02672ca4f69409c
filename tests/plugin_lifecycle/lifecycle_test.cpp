#include "host/simulation.h"
#include "host/world.h"
#include "log_reader.h"
#include "platform/audio/dsound_fake.h"
#include "platform/module_path.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

extern "C" {
void InitModule(HINSTANCE module);
void ExitModule(HINSTANCE module);
void vrpcOpenRenderViewport(HWND window, DWORD width, DWORD height, BOOL fullscreen);
void vrpcCloseRenderViewport();
void vrpcPreStep(double simTime, double simStep, double mjd);
void vrpcFocusChanged(OBJHANDLE newFocus, OBJHANDLE oldFocus);
const char* ModuleDate();
int GetModuleVersion();
}

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;
using testsupport::LogReader;
using testsupport::ScratchFolder;

vrhost::PluginCallbacks linkedPlugin() {
    vrhost::PluginCallbacks callbacks;
    callbacks.initModule = InitModule;
    callbacks.exitModule = ExitModule;
    callbacks.openRenderViewport = vrpcOpenRenderViewport;
    callbacks.closeRenderViewport = vrpcCloseRenderViewport;
    callbacks.preStep = vrpcPreStep;
    callbacks.focusChanged = vrpcFocusChanged;
    callbacks.moduleDate = ModuleDate;
    callbacks.moduleVersion = GetModuleVersion;
    return callbacks;
}

std::string systemForm(std::string path) {
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

// The lines of `text` that contain each of `expected`, in that order.
::testing::AssertionResult containsInOrder(const std::string& text,
                                           const std::vector<std::string>& expected) {
    size_t at = 0;
    for (const std::string& line : expected) {
        size_t found = text.find(line, at);
        if (found == std::string::npos) {
            return ::testing::AssertionFailure()
                   << "missing after offset " << at << ": \"" << line << "\"\nin:\n"
                   << text;
        }
        at = found + line.size();
    }
    return ::testing::AssertionSuccess();
}

// A simulator tree in a scratch folder, with the plug-in linked in and the stand-in world.
class Lifecycle : public testing::Test {
protected:
    Lifecycle() : simulation({linkedPlugin()}) {
        fake::reset();
        folder.write("Constell.bin", "");
        folder.write("Sound/Cfg/.keep", "");
        platform::overrideExecutablePath((systemForm(folder.path().string()) + "\\vrhost").c_str());
        vrhost::world().reset();
        glider = &vrhost::world().addVessel({.name = "GL-01", .className = "DeltaGlider"});
        shuttle = &vrhost::world().addVessel({.name = "SH-02", .className = "Shuttle"});
        vrhost::world().setFocus(*glider);
    }
    ~Lifecycle() override { platform::overrideExecutablePath(nullptr); }

    std::string log() { return logReader.fresh(); }

    ScratchFolder folder;
    LogReader logReader{folder};
    vrhost::Simulation simulation;
    vrhost::Vessel* glider = nullptr;
    vrhost::Vessel* shuttle = nullptr;
};

TEST_F(Lifecycle, ModuleStartWritesTheBannerAndRepairsTheConfiguration) {
    simulation.initModule();
    std::string lines = log();
    EXPECT_EQ(lines.rfind("********************************************************\n"
                          "Zephyrin 4.0 (3D) Build Nov 20 2012 01:00\n",
                          0),
              0u)
        << lines;
    EXPECT_TRUE(containsInOrder(
        lines, {"Voranth version: 100830\n",
                "Error: Unable to load Editable_Advanced_Configuration.cfg, using default value\n",
                "Voranth directory:  " + systemForm(folder.path().string()) + "\\\n",
                "Listing planets winds and bases sounds:\n",
                "Error, config file not found new one written OK\n",
                "Error, config file's version control is wrong... attempt to write a correct one\n",
                "New config file written ok !\n", "Passed initModule - Ok\n"}));
    EXPECT_EQ(folder.read("Sound/Cfg/Zephyrin3.cfg").size(), 248u);
    EXPECT_STREQ(ModuleDate(), "Nov 20 2012");

    simulation.exitModule();
    EXPECT_EQ(log(), "Passed ExitModule - Ok\n");
}

TEST_F(Lifecycle, ASecondModuleStartKeepsTheLog) {
    simulation.initModule();
    simulation.initModule();
    std::string lines = log();
    EXPECT_EQ(lines.find("Zephyrin 4.0 (3D) Build"), lines.rfind("Zephyrin 4.0 (3D) Build"));
    EXPECT_NE(lines.find("Passed initModule - Ok\n"), lines.rfind("Passed initModule - Ok\n"));
}

TEST_F(Lifecycle, AWindowRunOpensAndClosesTheDevice) {
    simulation.initModule();
    log();
    simulation.openViewport();
    EXPECT_TRUE(containsInOrder(
        log(), {"Attempting RenderViewport initialisation...\n",
                "Attempting GetStartValue initialisation...\n", "Passed GetStartValue - Ok\n",
                "Initialising directsound...\n",
                "   Attempt to create Primary buffer: 22050hz 16bits 3d: yes\n",
                "   3D primary buffer initialised OK\n", "directsound initialised - OK\n",
                "Passed RenderViewport - Ok\n", "Attempting Mp3 initialisation...\n",
                "MP3 ERROR-> no MP3 found in the mp3 directory\n", "Mp3 initialised - Ok\n",
                "Focus changed attempting to load vessel wave\n",
                "Focus changed load vessel wave - OK\n"}));
    EXPECT_EQ(run.soundsReady, 1);
    EXPECT_EQ(run.currentVesselIndex, LEGACY_SOUND_ID);
    EXPECT_EQ(vesselTable[LEGACY_SOUND_ID].vesselHandle, glider->GetHandle());

    simulation.closeViewport();
    EXPECT_TRUE(containsInOrder(log(), {"Attempting to close viewport...\n",
                                        "Attempting to kill DirectSound...\n",
                                        "Wav files Statistics:\n", "DirectSound killed - OK\n",
                                        "Passed CloseRenderViewport - Ok\n"
                                        "Exited to Voranth Launchpad - OK\n\n"}));
    EXPECT_EQ(plugin.device, nullptr);
    EXPECT_EQ(run.soundsReady, 0);
    EXPECT_EQ(fake::device().references, 0u);
}

TEST_F(Lifecycle, WithoutAWindowTheRunIsSilent) {
    simulation.initModule();
    log();
    simulation.openViewport(false);
    EXPECT_EQ(log(), "Attempting RenderViewport initialisation...\n"
                     "No windows handle, Zephyrin not initialized...\n");
    simulation.changeFocus(*shuttle);
    simulation.frame(0.02);
    EXPECT_EQ(log(), "");
    EXPECT_FALSE(fake::device().created);
}

TEST_F(Lifecycle, AFailedDeviceLeavesTheRunSilent) {
    fake::Failure noDriver;
    noDriver.method = "DirectSoundCreate8";
    noDriver.code = DSERR_NODRIVER;
    fake::addFailure(noDriver);
    simulation.initModule();
    log();
    simulation.openViewport();
    EXPECT_TRUE(containsInOrder(
        log(), {"Initialising directsound...\n",
                "FAILED: Failed to create DirectSound 8  DX Code: DSERR_NODRIVER\n",
                "Init DirectSound error->  DX Code: DSERR_NODRIVER\n",
                "\n!!!!!!!!!!!!!!!ERROR FAILED TO INITIALISE DIRECTSOUND!!!!!!!!!!!!!!!\n\n"}));
    EXPECT_EQ(run.soundsReady, 0);
    simulation.changeFocus(*shuttle);
    EXPECT_EQ(log(), "");
}

TEST_F(Lifecycle, FocusChangesActOnlyOnANewVesselWithADevice) {
    simulation.initModule();
    simulation.openViewport();
    log();
    vrpcFocusChanged(glider->GetHandle(), glider->GetHandle());
    vrpcFocusChanged(nullptr, glider->GetHandle());
    EXPECT_EQ(log(), "");

    simulation.changeFocus(*shuttle);
    EXPECT_TRUE(containsInOrder(
        log(), {"attempting focus change...\n", "Attempting GetStartValue initialisation...\n",
                "Focus changed attempting to load vessel wave\n",
                "Focus changed load vessel wave - OK\n", "focus changed - Ok\n"}));
    EXPECT_EQ(plugin.focusObject, shuttle->GetHandle());
    EXPECT_EQ(run.stockSoundsPending, 1);
}

TEST_F(Lifecycle, RecordSixtyIsRebuiltFromTheSavedOptionsAtEachFocusChange) {
    simulation.initModule();
    simulation.openViewport();
    vesselTable[LEGACY_SOUND_ID].settings.VOLMAINTHRUST = 3; // as an add-on would set it
    liveOptions.VOLMAINTHRUST = 3;
    simulation.changeFocus(*shuttle);
    EXPECT_EQ(vesselTable[LEGACY_SOUND_ID].vesselHandle, shuttle->GetHandle());
    EXPECT_EQ(vesselTable[LEGACY_SOUND_ID].settings.VOLMAINTHRUST, 255);
    EXPECT_EQ(liveOptions.VOLMAINTHRUST, 255);
}

TEST_F(Lifecycle, ARegisteredVesselBringsItsOwnOptionsAndQueuesItsWaves) {
    simulation.initModule();
    simulation.openViewport();
    vesselTable[4].vesselHandle = shuttle->GetHandle();
    vesselTable[4].settings.VOLMAINTHRUST = 100;
    std::snprintf(vesselTable[4].waveFileName[2], fileNameLength, "Sound\\Shuttle\\apu.wav");
    vesselTable[4].waveType[2] = 3;
    simulation.changeFocus(*shuttle);
    EXPECT_EQ(run.currentVesselIndex, 4);
    EXPECT_EQ(liveOptions.VOLMAINTHRUST, 100);
    EXPECT_EQ(run.addonWaveQueue.pendingCount, 1);
    EXPECT_EQ(run.addonWaveQueue.pending[2], 1);
    EXPECT_STREQ(run.addonWaveQueue.fileName[2], "Sound\\Shuttle\\apu.wav");
    EXPECT_EQ(run.addonWaveQueue.waveType[2], 3);
}

TEST_F(Lifecycle, OptionsSavedBetweenRunsApplyAtTheNextRun) {
    simulation.initModule();
    simulation.openViewport();
    OptionRecord edited;
    fillTunedeskDefaults(edited);
    edited.VOLRADAR = 17;
    folder.write("Sound/Cfg/Zephyrin3.cfg",
                 std::string(reinterpret_cast<const char*>(&edited), sizeof edited));
    EXPECT_NE(savedOptions.VOLRADAR, 17);
    simulation.closeViewport();
    EXPECT_EQ(savedOptions.VOLRADAR, 17);
    EXPECT_EQ(vesselTable[12].settings.VOLRADAR, 17);
}

struct WelcomeCase {
    const char* what;
    const char* fileContent; // null: no file
    bool shown;
};

void PrintTo(const WelcomeCase& c, std::ostream* out) {
    *out << c.what;
}

class WelcomeNotice : public Lifecycle, public testing::WithParamInterface<WelcomeCase> {};

TEST_P(WelcomeNotice, IsShownOnlyWhenTheSwitchFileAsksForIt) {
    if (GetParam().fileContent != nullptr) {
        folder.write("Sound/Cfg/NoWelcome.cfg", GetParam().fileContent);
    }
    simulation.initModule();
    simulation.openViewport();
    const auto& notes = vrhost::world().screen().annotations();
    ASSERT_EQ(notes.size(), GetParam().shown ? 1u : 0u);
    if (GetParam().shown) {
        EXPECT_EQ(notes.front().text.rfind("What's new in Zephyrin 4.0:\n\n", 0), 0u);
        EXPECT_DOUBLE_EQ(notes.front().x2, 0.9);
        EXPECT_DOUBLE_EQ(notes.front().colour.y, 0.5);
        EXPECT_EQ(plugin.welcomePending, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, WelcomeNotice,
                         testing::Values(WelcomeCase{"asked", "display welcome\r\n", true},
                                         WelcomeCase{"asked within the line",
                                                     "please display welcome now", true},
                                         WelcomeCase{"missing", nullptr, false},
                                         WelcomeCase{"emptied after dismissal", "", false},
                                         WelcomeCase{"other text", "display nothing", false}));

} // namespace
