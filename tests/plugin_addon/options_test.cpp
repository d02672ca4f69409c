#include "addon_fixture.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/core/stock_sounds.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {

using namespace zephyrin;
using testsupport::AddonTest;
namespace fake = platform::audio::fake;

constexpr int mainThrustClassKey = 3; // PLAYMAINTHRUST in the class file's key order

class OptionsTest : public AddonTest {
protected:
    OptionsTest() : glider(addVessel("DG-01")), tug(addVessel("Tug")) {
        id = GetVesselSoundID3(glider.GetHandle());
        tugId = GetVesselSoundID3(tug.GetHandle());
        moveFocusTo(glider);
        writeWave("Sound/Test/running.wav");
    }

    // Starts a looping sound in a stock slot.
    void start(StockSlot slot) {
        LoadWave(stockSlot(slot), "Sound\\Test\\running.wav", 0);
        playWaveSimple(stockSlot(slot), 1, 200);
    }
    bool playing(StockSlot slot) { return isSlotPlaying(stockSlot(slot)) == 1; }

    vrhost::Vessel& glider;
    vrhost::Vessel& tug;
    int id = -1;
    int tugId = -1;
};

TEST_F(OptionsTest, SwitchingOffStopsTheFocusVesselsSoundAtOnce) {
    start(MainThrust);
    start(Crash);
    EXPECT_EQ(SoundOption3(id, PLAYMAINTHRUST, 0), 1);
    EXPECT_EQ(vesselTable[id].settings.PLAYMAINTHRUST, 0);
    EXPECT_EQ(liveOptions.PLAYMAINTHRUST, 0);
    EXPECT_FALSE(playing(MainThrust));
    EXPECT_TRUE(playing(Crash));
    SoundOption3(id, PLAYLANDINGANDGROUNDSOUND, 0);
    EXPECT_FALSE(playing(Crash));
}

TEST_F(OptionsTest, AnotherVesselsOptionWaitsForItsFocus) {
    start(MainThrust);
    SoundOption3(tugId, PLAYMAINTHRUST, 0);
    EXPECT_EQ(vesselTable[tugId].settings.PLAYMAINTHRUST, 0);
    EXPECT_EQ(liveOptions.PLAYMAINTHRUST, 1);
    EXPECT_TRUE(playing(MainThrust));
    moveFocusTo(tug);
    EXPECT_EQ(liveOptions.PLAYMAINTHRUST, 0);
}

TEST_F(OptionsTest, TheClassFileHasTheLastWord) {
    classConfiguration.classOptionValue[mainThrustClassKey] = 2;
    SoundOption3(id, PLAYMAINTHRUST, 0);
    SoundOption3(tugId, PLAYMAINTHRUST, 0);
    EXPECT_EQ(liveOptions.PLAYMAINTHRUST, 1);
    EXPECT_EQ(vesselTable[tugId].settings.PLAYMAINTHRUST, 1);
    // Options the class file cannot set still pass.
    SoundOption3(tugId, AUTODISABLEAUTOPILOT, 1);
    EXPECT_EQ(liveOptions.AUTODISABLEAUTOPILOT, 1);
}

TEST_F(OptionsTest, StopAllStockSoundsSparesTheLandingAndTheBooms) {
    start(MainThrust);
    start(RadioChatter);
    start(Reentry);
    start(Touchdown);
    start(SonicBoom);
    SoundOption3(tugId, STOPALLSTOCKSOUNDS, 1);
    EXPECT_FALSE(playing(MainThrust));
    EXPECT_FALSE(playing(RadioChatter));
    EXPECT_FALSE(playing(Reentry));
    EXPECT_TRUE(playing(Touchdown));
    EXPECT_TRUE(playing(SonicBoom));
}

TEST_F(OptionsTest, UnknownOptionsAndIdsChangeNothing) {
    OptionRecord before = liveOptions;
    for (int option : {0, 2, 25, -1}) {
        EXPECT_EQ(SoundOption3(id, option, 0), 1);
    }
    for (int badId : {-1, 61, 1000000}) {
        EXPECT_EQ(SoundOption3(badId, PLAYMAINTHRUST, 0), 1);
    }
    EXPECT_EQ(std::memcmp(&before, &liveOptions, sizeof before), 0);
}

TEST_F(OptionsTest, TheTimerSwitchedOffClearsTheDebugLine) {
    vrapiDebugString()[0] = 'x';
    SoundOption3(id, DISPLAYTIMER, 0);
    EXPECT_EQ(vrapiDebugString()[0], '\0');
}

TEST_F(OptionsTest, AReplacementIsKeptPerVesselAndReloadedForTheFocus) {
    const char* engineFile = "Sound\\Addon\\engine.wav";
    EXPECT_EQ(ReplaceStockZephx3(tugId, engineFile, REPLACE_MAIN_THRUST), 1);
    EXPECT_STREQ(replacementFileOf(vesselTable[tugId], REPLACE_MAIN_THRUST), engineFile);
    EXPECT_STREQ(replacementFileOf(vesselTable[id], REPLACE_MAIN_THRUST), "");
    EXPECT_EQ(ReplaceStockZephx3(tugId, nullptr, REPLACEALLGPWSSOUND), 1);
    EXPECT_EQ(vesselTable[tugId].replaceAllGpws, 1);
    EXPECT_EQ(ReplaceStockZephx3(30, engineFile, REPLACE_MAIN_THRUST), 0);

    writeStockWaves();
    EXPECT_EQ(ReplaceStockZephx3(id, engineFile, REPLACE_MAIN_THRUST), 1);
    EXPECT_NE(bufferOf(engineFile), nullptr);
    int buffers = fake::bufferCount();
    EXPECT_EQ(ReplaceStockZephx3(id, "", REPLACE_ALL_STOCK_SOUNDS), 1);
    EXPECT_GT(fake::bufferCount(), buffers);
}

TEST_F(OptionsTest, TheClassFilesReplacementStays) {
    std::snprintf(classConfiguration.classReplacement[1], classPathSize, "%s", "Sound\\Class\\main.wav");
    ReplaceStockZephx3(id, "Sound\\Addon\\engine.wav", REPLACE_MAIN_THRUST);
    EXPECT_STREQ(replacementFileOf(vesselTable[id], REPLACE_MAIN_THRUST), "");
}

TEST_F(OptionsTest, TheAirConditioningIsTheFocusVesselsWithoutId) {
    run.airCondEnabled = 1;
    EXPECT_EQ(ControlAircond(0), 0);
    EXPECT_EQ(run.airCondEnabled, 1);
    moveFocusTo(addVessel("Stock"));
    EXPECT_EQ(ControlAircond(0), 1);
    EXPECT_EQ(run.airCondEnabled, 0);
}

} // namespace
