#include "platform/clock.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/audio/sound_device.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/cabin_ambience.h"
#include "plugin/core/greetings.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/core/stock_slots.h"
#include "plugin/core/stock_sounds.h"
#include "plugin_sound_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;

class StockSoundsTest : public testsupport::PluginSoundTest {
protected:
    StockSoundsTest() { writeStockWaves(); }

    vrhost::Vessel& vesselOfSize(double size) {
        vrhost::VesselSpec spec;
        spec.size = size;
        return focusOn(spec);
    }
};

struct SizeCase {
    double size;
    const char* mainFile;
    float mainMaxDistance;
};

class MainThrustBySize : public StockSoundsTest, public testing::WithParamInterface<SizeCase> {};

// Scale is size ÷ 5 within 1 and 10 (small vessels count as 5 m); the far distance is 40 km
// per unit of scale, the main engine's three times that, or 3.2 times with the loud file.
TEST_P(MainThrustBySize, TheMainEngineFileAndReachFollowTheVesselSize) {
    const SizeCase& c = GetParam();
    vesselOfSize(c.size);
    loadStockSounds(allStockSounds);
    EXPECT_STREQ(stockSlot(MainThrust).fileName, c.mainFile);
    ASSERT_NE(bufferOf(c.mainFile), nullptr);
    EXPECT_FLOAT_EQ(bufferOf(c.mainFile)->parameters3D.flMaxDistance, c.mainMaxDistance);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MainThrustBySize,
                         testing::Values(SizeCase{3, "sound\\vessel\\mainext.wav", 120000},
                                         SizeCase{10, "sound\\vessel\\mainext.wav", 240000},
                                         SizeCase{15, "sound\\vessel\\mainextloud.wav", 384000},
                                         SizeCase{100, "sound\\vessel\\mainextloud.wav", 1280000}));

TEST_F(StockSoundsTest, AllStockSoundsLoadWithTheirLoaders) {
    vesselOfSize(10);
    loadStockSounds(allStockSounds);
    for (StockSlot pair : {MainThrust, HoverThrust, RetroThrust, AuxThrust, AirCond, WindAirspeed,
                           GroundRoll, WheelBrake, Crash, Docking, Undocking, RcsAttackFrontRear,
                           RcsSustainFrontRear, RcsAttackLeftRight, RcsSustainLeftRight}) {
        EXPECT_EQ(stockSlot(pair).isStereoPair, 1) << pair;
    }
    for (StockSlot mono :
         {Countdown, AttModeOff, Reentry, Touchdown, DockingRadio, RadarBip, Gpws10, Gpws2500}) {
        EXPECT_EQ(stockSlot(mono).is3D, 1) << mono;
        EXPECT_EQ(stockSlot(mono).isStereoPair, 0) << mono;
    }
    EXPECT_EQ(stockSlot(CabinAmbience).sound, nullptr);
    EXPECT_EQ(cabinAmbiences[8].registered, 1);
    EXPECT_STREQ(cabinAmbiences[8].fileName, "sound\\vessel\\ambient8.wav");
    EXPECT_EQ(cabinAmbiences[8].maxDistance, 50);
    EXPECT_EQ(cabinAmbiences[0].maxDistance, 100);
    EXPECT_EQ(frame.lastCameraInternal, cameraChangeRequested);
}

TEST_F(StockSoundsTest, SwitchingToAVesselOfTheSameClassReadsNothingFromDisk) {
    vesselOfSize(10);
    loadStockSounds(allStockSounds);
    int buffers = fake::bufferCount();
    int loaded = waveStatistics.loaded;
    loadStockSounds(allStockSounds);
    EXPECT_EQ(fake::bufferCount(), buffers);
    EXPECT_EQ(waveStatistics.loaded, loaded);
    EXPECT_EQ(waveStatistics.reused, loaded);
}

TEST_F(StockSoundsTest, AMonoAttitudeFileFallsBackTo2DJets) {
    writeWave("Sound/Vessel/attfire40stereo.wav", 1);
    vesselOfSize(10);
    loadStockSounds(allStockSounds);
    EXPECT_NE(log().find("Info: Failed loading stereo RCS wav for 3d RCS positionning, reverting "
                         "to 2d RCS (normal)"),
              std::string::npos);
    EXPECT_EQ(liveOptions.ALLOW3DRCSPOSITIONING, 0);
    EXPECT_STREQ(stockSlot(RcsAttackFrontRear).fileName, "sound\\vessel\\attfire.wav");
    EXPECT_STREQ(stockSlot(RcsSustainFrontRear).fileName, "sound\\vessel\\attsustain.wav");
    EXPECT_EQ(stockSlot(RcsAttackFrontRear).is3D, 0);
    EXPECT_EQ(stockSlot(RcsAttackLeftRight).sound, nullptr);
    EXPECT_EQ(stockSlot(RcsSustainLeftRight).sound, nullptr);
}

TEST_F(StockSoundsTest, AReplacementFileTakesThePlaceOfTheStockFile) {
    writeWave("Sound/_CustomVesselsSounds/Tug/engine.wav", 2);
    vesselOfSize(100);
    std::snprintf(vesselTable[LEGACY_SOUND_ID].replacementFile[replacementIndexOf(10)],
                  fileNameLength, "%s", "Sound\\_CustomVesselsSounds\\Tug\\engine.wav");
    loadStockSounds(allStockSounds);
    EXPECT_STREQ(stockSlot(MainThrust).fileName, "Sound\\_CustomVesselsSounds\\Tug\\engine.wav");
    // A replacement carries as far as the quiet file would.
    EXPECT_FLOAT_EQ(
        bufferOf("Sound\\_CustomVesselsSounds\\Tug\\engine.wav")->parameters3D.flMaxDistance,
        1200000.0f);
}

TEST_F(StockSoundsTest, OneStockIdReloadsOnlyItsGroup) {
    vesselOfSize(10);
    loadStockSounds(29);
    EXPECT_NE(stockSlot(Touchdown).sound, nullptr);
    EXPECT_EQ(stockSlot(MainThrust).sound, nullptr);
    EXPECT_EQ(stockSlot(Gpws10).sound, nullptr);
}

TEST_F(StockSoundsTest, TheReplacementStorageOrderNamesEveryStockId) {
    const int order[] = {42, 10, 11, 40, 41, 26, 24, 25, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                         21, 22, 23, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39};
    for (int index = 0; index < replaceableStockCount; ++index) {
        EXPECT_EQ(replacementIndexOf(order[index]), index);
    }
    EXPECT_EQ(replacementIndexOf(43), -1);
    EXPECT_EQ(replacementIndexOf(9), -1);
}

TEST_F(StockSoundsTest, NothingLoadsForARecordWithoutVessel) {
    vesselOfSize(10);
    run.currentVesselIndex = 3;
    int buffers = fake::bufferCount();
    loadStockSounds(allStockSounds);
    EXPECT_EQ(fake::bufferCount(), buffers);
}

TEST_F(StockSoundsTest, TheDebugDisplayDumpsEveryPosition) {
    vesselOfSize(2);
    classConfiguration.classDebugDisplay = 1;
    StockPosition& main = vesselTable[LEGACY_SOUND_ID].stockPosition[MainThrustPosition];
    main.configSet = 1;
    main.configLeft = {0, 0, -12};
    main.configRight = {1, 0, -12};
    loadStockSounds(allStockSounds);
    std::string text = log();
    EXPECT_NE(text.find("     SOUND DEBUG DISPLAY - DUMPING SOUND POSITION"), std::string::npos);
    EXPECT_NE(text.find("     Main Thrust              \tby config left(0.00,0.00,-12.00) "
                        "right(1.00,0.00,-12.00)"),
              std::string::npos);
    EXPECT_NE(text.find("     Retro Thrust             \tcalculated left(-1.25,0.00,2.50) "
                        "right(1.25,0.00,2.50)"),
              std::string::npos);
    EXPECT_NE(text.find("     Land touchdown           \tcalculated mono("), std::string::npos);
    EXPECT_NE(text.find("     END OF SOUND DEBUG DISPLAY - 3D MONO/STEREO STATE"),
              std::string::npos);
    EXPECT_FLOAT_EQ(bufferOf("sound\\vessel\\mainext.wav")->parameters3D.vPosition.z, -12.0f);
}

TEST_F(StockSoundsTest, SwitchedOffOptionsStopTheirSlots) {
    vesselOfSize(10);
    loadStockSounds(allStockSounds);
    for (StockSlot slot : {MainThrust, Touchdown, Crash, Gpws500}) {
        PlayWave(stockSlot(slot), 1, 200, 0, 0, unusedRightVolume);
    }
    OptionRecord options = liveOptions;
    options.PLAYLANDINGANDGROUNDSOUND = 0;
    options.PLAYGPWS = 0;
    stopSlotsOfDisabledOptions(options);
    EXPECT_EQ(isSlotPlaying(stockSlot(MainThrust)), 1);
    EXPECT_EQ(isSlotPlaying(stockSlot(Touchdown)), 0);
    EXPECT_EQ(isSlotPlaying(stockSlot(Crash)), 0);
    EXPECT_EQ(isSlotPlaying(stockSlot(Gpws500)), 0);
}

TEST_F(StockSoundsTest, TheCalloutsComeFromTheClassFolderWhenTheVesselAsksForIt) {
    vesselOfSize(10);
    std::snprintf(classConfiguration.configClassName, sizeof classConfiguration.configClassName,
                  "%s", "Tug");
    writeWave("Sound/_CustomVesselsSounds/Tug/-2500.wav");
    loadGpwsCallouts(1);
    EXPECT_STREQ(stockSlot(Gpws2500).fileName, "Sound\\_CustomVesselsSounds\\Tug\\-2500.wav");
    EXPECT_EQ(stockSlot(Gpws10).sound, nullptr);
    loadGpwsCallouts(0);
    EXPECT_STREQ(stockSlot(Gpws10).fileName, "Sound\\Vessel\\-10.wav");
    EXPECT_EQ(stockSlot(Gpws10).maxDistance, 100);
}

TEST_F(StockSoundsTest, WithoutAClassNameNoCalloutComesFromAClassFolder) {
    loadGpwsCallouts(1);
    for (int slot = Gpws10; slot <= Gpws2500; ++slot) {
        EXPECT_EQ(stockSlots[slot].sound, nullptr);
    }
}

TEST_F(StockSoundsTest, TheFixedSoundsOfTheRunLoadWithTheirPlaces) {
    writeWave("Sound/Vessel/noise.wav");
    writeWave("Sound/Vessel/Sonicbang.wav", 2);
    writeWave("Sound/Vessel/Sonicbangfar.wav", 2);
    writeWave("Sound/Vessel/Sonicbangfar1.wav", 2);
    writeWave("Sound/Vessel/radiotune.wav");
    loadFixedRunSounds();
    EXPECT_EQ(stockSlot(Noise).is3D, 0);
    EXPECT_EQ(stockSlot(SonicBoomFar1).leftPosition.x, 50);
    EXPECT_EQ(stockSlot(SonicBoomFar).leftPosition.x, -50);
    EXPECT_EQ(stockSlot(SonicBoom).maxDistance, 10000);
    EXPECT_EQ(stockSlot(RadioTune).is3D, 1);
}

// The date is checked at the first window open of the process only.
TEST_F(StockSoundsTest, NewYearsEveGreetsOnceAProcess) {
    writeWave("Sound/cfg/ny.tpc");
    platform::setLocalDate(2026, 12, 31);
    CheckSpecialDate();
    EXPECT_STREQ(run.startMessage, "Zephyrin say: Don't drink too much tonight :)  ");
    EXPECT_STREQ(stockSlot(SpecialDate).fileName, "Sound\\cfg\\ny.tpc");
    run.startMessage[0] = '\0';
    platform::setLocalDate(2026, 12, 25);
    CheckSpecialDate();
    platform::clearLocalDate();
    EXPECT_STREQ(run.startMessage, "");
}

} // namespace
