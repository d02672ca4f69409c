// The class file of the focus vessel read from the simulator folder and applied.
#include "plugin/addon/vessel_table.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/core/stock_sounds.h"
#include "plugin_sound_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using namespace zephyrin;

class ClassFileTest : public testsupport::PluginSoundTest {
protected:
    ClassFileTest() {
        vrhost::VesselSpec spec;
        spec.className = "Fleet\\Tug";
        spec.cameraOffset = {0.0, 1.5, 4.0};
        focusOn(spec);
    }
    ~ClassFileTest() override { resetAnimationState(); }

    void writeClassFile(const std::string& content) const {
        folder.write("Sound/_CustomVesselsSounds/TugB.cfg", content);
    }
    bool logHas(const std::string& text) const { return log().find(text) != std::string::npos; }
    VesselSoundRecord& record() const { return vesselTable[LEGACY_SOUND_ID]; }
};

TEST_F(ClassFileTest, ItsKeysSetTheLiveOptionsAndTheVesselRecord) {
    writeClassFile("// Tug sounds\n"
                   "PLAYMAINTHRUST = false\n"
                   "PLAYRADARBIP = true  // beeps near stations\n"
                   "PLAYGPWS = false\n" // too short: ignored
                   "REPLACE_MAIN_THRUST = engine.wav\n"
                   "REPLACEALLGPWSSOUND = true\n"
                   "3dRadioPos = {0.5,1,4}\n"
                   "3dMainThrustPos = {0,0,-12}{1,0,-12}\n");
    OptionRecord recordOptions = record().settings;
    readVesselClassConfiguration();

    EXPECT_STREQ(classConfiguration.configClassName, "TugB");
    EXPECT_EQ(liveOptions.PLAYMAINTHRUST, 0);
    EXPECT_EQ(liveOptions.PLAYRADARBIP, 1);
    EXPECT_EQ(liveOptions.PLAYGPWS, 1);
    EXPECT_EQ(record().settings.PLAYMAINTHRUST, recordOptions.PLAYMAINTHRUST);
    EXPECT_STREQ(record().replacementFile[replacementIndexOf(10)],
                 "Sound\\_CustomVesselsSounds\\TugB\\engine.wav");
    EXPECT_EQ(record().replaceAllGpws, 1);
    EXPECT_EQ(record().stockPosition[RadioPosition].configSet, 1);
    EXPECT_EQ(record().stockPosition[RadioPosition].configLeft.z, 4);
    EXPECT_EQ(record().stockPosition[MainThrustPosition].configRight.x, 1);
    EXPECT_EQ(record().stockPosition[HoverThrustPosition].configSet, 0);
    EXPECT_TRUE(logHas("Info: Sound config found for class: TugB. 6 parameters set.\n"));

    EXPECT_TRUE(classFileSetsOption(10));  // PLAYMAINTHRUST
    EXPECT_TRUE(classFileSetsOption(14));  // PLAYRADARBIP
    EXPECT_FALSE(classFileSetsOption(15)); // PLAYGPWS: its line was too short
    EXPECT_TRUE(classFileReplacesStockSound(10));
    EXPECT_TRUE(classFileReplacesStockSound(43));
    EXPECT_FALSE(classFileReplacesStockSound(11));
    EXPECT_FALSE(classFileReplacesStockSound(9));
}

TEST_F(ClassFileTest, AReplacementReachesTheSlotOfItsStockId) {
    // The key table and the record keep the replacements in different orders.
    writeStockWaves();
    writeWave("Sound/_CustomVesselsSounds/TugB/rotation.wav");
    writeClassFile("REPLACE_MODE_ROTATION = rotation.wav\n");
    readVesselClassConfiguration();
    loadStockSounds(allStockSounds);
    EXPECT_STREQ(stockSlot(AttModeRot).fileName, "Sound\\_CustomVesselsSounds\\TugB\\rotation.wav");
    EXPECT_STREQ(stockSlot(AttModeOff).fileName, "sound\\vessel\\RcsattmodeOff.wav");
    EXPECT_STREQ(stockSlot(AttModeTrans).fileName, "sound\\vessel\\RcsattmodeTrans.wav");
    EXPECT_STREQ(stockSlot(RcsAttackFrontRear).fileName, "sound\\vessel\\attfire40stereo.wav");
}

TEST_F(ClassFileTest, WithoutAFileNothingIsAppliedAndTheStateIsClear) {
    writeClassFile("PLAYMAINTHRUST = false\n");
    readVesselClassConfiguration();
    std::filesystem::remove(folder.path() / "Sound/_CustomVesselsSounds/TugB.cfg");
    liveOptions.PLAYMAINTHRUST = 1;
    readVesselClassConfiguration();
    EXPECT_EQ(liveOptions.PLAYMAINTHRUST, 1);
    EXPECT_FALSE(classFileSetsOption(10));
    EXPECT_TRUE(logHas("Info: No sound config found for class:  TugB\n"));
}

TEST_F(ClassFileTest, TheDebugDisplayLogsEveryLineAfterIt) {
    writeClassFile("PLAYMAINTHRUST = false\n"
                   "DISPLAYDEBUGHELP = true\n"
                   "PLAYHOVERTHRUST = true\n"
                   "REPLACE_MAIN_THRUST = engine.WAV extra\n"
                   "3dMainThrustPos = {0,0,-12}{1,0,20000}\n"
                   "3dHoverThrustPos = {0,0,-12}{1,0,2}\n"
                   "3dRetroThrustPos = {0,0,10001}\n"
                   "DISPLAYDEBUGHELP = false\n");
    readVesselClassConfiguration();
    std::string text = log();
    EXPECT_EQ(text.find("PLAYMAINTHRUST"), std::string::npos);
    const char* expected =
        " \n"
        "     ----------------------------------------------\n"
        "     SOUND DEBUG DISPLAY SET IN CONFIG: TugB\n"
        "     Camera cockpit offset: {0.0,1.5,4.0}\n"
        " \n"
        "     PLAYHOVERTHRUST\t'found, value: true'\n"
        "     REPLACE_MAIN_THRUST\t'Sound\\_CustomVesselsSounds\\TugB\\engine.WAV'\n"
        "     3dMainThrustPos\t'ERROR WITH RIGHT PARM >10000 or <-10000'\n"
        "     3dMainThrustPos\t'\tfound:(x=0.00 y=0.00 z=-12.00)'\n"
        "     3dHoverThrustPos\t'\tfound: Left:(x=0.00 y=0.00 z=-12.00) "
        "Right:(x=1.00 y=0.00 z=2.00)'\n"
        "     3dRetroThrustPos\t'ERROR WITH PARM >10000 or <-10000'\n"
        "     DISPLAYDEBUGHELP\t'found, value: false'\n"
        " \n"
        "     Total of 6 parameters found and set.\n"
        "     END OF SOUND DEBUG DISPLAY\n"
        "     ----------------------------------------------\n"
        " \n"
        "Info: Sound config found for class: TugB. 6 parameters set.\n";
    EXPECT_NE(text.find(expected), std::string::npos) << text;
    EXPECT_EQ(classConfiguration.classDebugDisplay, 1);
    EXPECT_EQ(record().stockPosition[RetroThrustPosition].configSet, 0);
}

TEST_F(ClassFileTest, AWindowsTextFileReadsAsOnWindows) {
    writeClassFile("DISPLAYTIMER=true\r\nPLAYMAINTHRUST = false\r\n");
    readVesselClassConfiguration();
    EXPECT_EQ(classConfiguration.classParameterCount, 1);
    EXPECT_EQ(liveOptions.PLAYMAINTHRUST, 0);
}

} // namespace
