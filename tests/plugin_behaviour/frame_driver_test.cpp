#include "platform/keyboard.h"
#include "plugin/audio/sound.h"
#include "plugin/behaviour/engine_sounds.h"
#include "plugin/behaviour/flight_display.h"
#include "plugin/behaviour/frame_driver.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/behaviour/listener.h"
#include "plugin/behaviour/sound_cones.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/core/stock_slots.h"
#include "plugin_sound_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

VRPLUGIN_CALLBACK void vrpcPreStep(double simTime, double simStep, double mjd);

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;

constexpr double frameSeconds = 1.0 / 60;
constexpr const char* mainFile = "sound\\vessel\\mainext.wav";

// A glider of 10 m with two main engines, a hover engine, retro and attitude jets, flown by the
// stand-in host at 60 frames per second.
class FrameDriverTest : public testsupport::PluginSoundTest {
protected:
    FrameDriverTest() : glider(focusOn(gliderSpec())) {
        writeStockWaves();
        glider.addThruster({THGROUP_MAIN}, {-1, 0, -8}, {0, 0, 1});
        glider.addThruster({THGROUP_MAIN}, {1, 0, -8}, {0, 0, 1});
        glider.addThruster({THGROUP_RETRO}, {0, 0, 6}, {0, 0, -1});
        glider.addThruster({THGROUP_HOVER}, {0, -1, 0}, {0, 1, 0});
        for (THGROUP_TYPE jet : {THGROUP_ATT_FORWARD, THGROUP_ATT_BACK, THGROUP_ATT_BANKLEFT,
                                 THGROUP_ATT_BANKRIGHT, THGROUP_ATT_PITCHUP}) {
            glider.addThruster({jet}, {0, 0, 0}, {0, 1, 0});
        }
        vrhost::world().setSystemStep(frameSeconds);
        vrhost::world().camera().internal = true;
        run.stockSoundsPending = 1;
        GetStartValue();
    }
    ~FrameDriverTest() override { platform::setKeyDown(' ', false); }

    static vrhost::VesselSpec gliderSpec() {
        vrhost::VesselSpec spec;
        spec.size = 10;
        return spec;
    }

    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            simTime += frameSeconds;
            vrpcPreStep(simTime, frameSeconds, 0);
        }
    }
    void frameAt(double time) {
        simTime = time;
        vrpcPreStep(simTime, frameSeconds, 0);
    }
    std::string debugLine() const { return vrapiDebugString(); }

    // The left and right buffers of a stereo pair, created one after the other; the file's
    // first pair when two slots hold it.
    const fake::BufferState& leftOf(const char* file) const {
        return fake::buffer(bufferOf(file)->id - 1);
    }
    const fake::BufferState& firstRightOf(const char* file) const {
        for (int id = 1; id <= fake::bufferCount(); ++id) {
            if (fake::buffer(id).name == file) {
                return fake::buffer(id + 1);
            }
        }
        return fake::buffer(1);
    }

    vrhost::Vessel& glider;
    double simTime = 0;
};

TEST_F(FrameDriverTest, FullMainThrustInTheCockpitAtSeaLevelPlaysLoudAndLow) {
    glider.setThrottle(1.0);
    frames(2);
    EXPECT_EQ(frame.mainLevel, 100);
    const fake::BufferState& right = *bufferOf(mainFile);
    EXPECT_TRUE(right.playing);
    EXPECT_TRUE(right.looping);
    EXPECT_EQ(right.volume, volumeToAttenuation(255));
    EXPECT_EQ(right.frequency, 15600u);
    EXPECT_TRUE(leftOf(mainFile).playing);
    EXPECT_EQ(run.airCondTargetFrequency, 24050.0f);
}

TEST_F(FrameDriverTest, ClosingTheThrottleStopsTheMainEngine) {
    glider.setThrottle(1.0);
    frames(2);
    glider.setThrottle(0.0);
    frames(1);
    EXPECT_FALSE(bufferOf(mainFile)->playing);
    EXPECT_EQ(engineLatches.mainPlaying, 0);
}

TEST_F(FrameDriverTest, AHalfRetroSettingPlaysTheRetroAndNotTheMain) {
    glider.setThrottle(-0.5);
    frames(2);
    EXPECT_EQ(frame.retroLevel, 50);
    EXPECT_EQ(frame.mainLevel, 0);
    EXPECT_TRUE(bufferOf("sound\\vessel\\retro.wav")->playing);
    EXPECT_FALSE(bufferOf(mainFile)->playing);
    EXPECT_EQ(run.airCondTargetFrequency, 22050.0f + 500.0f);
}

TEST_F(FrameDriverTest, OutsideInVacuumTheMainEngineIsSilent) {
    glider.setAltitude(300000);
    glider.setThrottle(1.0);
    vrhost::world().camera().internal = false;
    frames(2);
    EXPECT_EQ(frame.vacuumAttenuation, 256);
    EXPECT_EQ(bufferOf(mainFile)->volume, volumeToAttenuation(0));
    EXPECT_EQ(bufferOf(mainFile)->frequency, 20070u);
}

TEST_F(FrameDriverTest, PastMach1TheMainEnginesConeLosesItsOutsideVolume) {
    glider.setThrottle(1.0);
    glider.setAirspeed(400);
    vrhost::world().camera().internal = false;
    frames(2);
    EXPECT_GT(frame.machNumber, 1.1);
    EXPECT_EQ(cones.machConeValue, 60);
    const DS3DBUFFER& cone = bufferOf(mainFile)->parameters3D;
    EXPECT_EQ(cone.dwInsideConeAngle, 120u);
    EXPECT_EQ(cone.dwOutsideConeAngle, 360u);
    EXPECT_EQ(cone.lConeOutsideVolume, static_cast<LONG>((255 - 180) * -39.2156));
    // Turned all the way from the thrust axis to the airflow: the sound goes out behind.
    EXPECT_FLOAT_EQ(cone.vConeOrientation.z, -1.0f);
    vrhost::world().camera().internal = true;
    frames(1);
    EXPECT_EQ(bufferOf(mainFile)->parameters3D.lConeOutsideVolume, 0);
}

TEST_F(FrameDriverTest, AOneFrameJumpAcrossMach1TurnsTheConeVolumeAlone) {
    // In straight flight the airflow runs along the thrust axis: the cone keeps its direction.
    glider.setThrottle(1.0);
    glider.setAirspeed(100);
    vrhost::world().camera().internal = false;
    frames(4);
    EXPECT_EQ(bufferOf(mainFile)->parameters3D.lConeOutsideVolume,
              static_cast<LONG>((255 - 240) * -39.2156));
    glider.setAirspeed(400);
    frames(4);
    EXPECT_EQ(bufferOf(mainFile)->parameters3D.lConeOutsideVolume,
              static_cast<LONG>((255 - 180) * -39.2156));
}

TEST_F(FrameDriverTest, ForwardJetsAloneSoundInTheSecondChannelOfTheSplitPair) {
    glider.setGroupLevel(THGROUP_ATT_FORWARD, 1.0);
    frames(2);
    // The front/rear attack pair is the file's first; the left/right pair stays silent.
    const fake::BufferState& second = firstRightOf("sound\\vessel\\attfire40stereo.wav");
    EXPECT_TRUE(second.playing);
    EXPECT_EQ(fake::buffer(second.id - 1).volume, volumeToAttenuation(0));
    EXPECT_FALSE(bufferOf("sound\\vessel\\attfire40stereo.wav")->playing);
    EXPECT_GT(second.volume, volumeToAttenuation(0));
    EXPECT_EQ(engineLatches.rcsActive, 1);
    glider.setGroupLevel(THGROUP_ATT_FORWARD, 0.0);
    frames(1);
    EXPECT_EQ(engineLatches.rcsActive, 0);
    EXPECT_FALSE(bufferOf("sound\\vessel\\attsustain40stereo1.wav")->playing);
}

TEST_F(FrameDriverTest, BankJetsAloneSoundThroughTheSingleJetSounds) {
    liveOptions.ALLOW3DRCSPOSITIONING = 0;
    glider.setGroupLevel(THGROUP_ATT_BANKLEFT, 1.0);
    frames(2);
    EXPECT_TRUE(bufferOf("sound\\vessel\\attfire.wav")->playing);
    EXPECT_TRUE(bufferOf("sound\\vessel\\attsustain.wav")->looping);
}

TEST_F(FrameDriverTest, GetStartValueStopsTheEnginesOfTheFormerFocus) {
    glider.setThrottle(1.0);
    frames(2);
    GetStartValue();
    EXPECT_FALSE(bufferOf(mainFile)->playing);
    EXPECT_EQ(engineLatches.mainPlaying, 0);
    std::string text = log();
    EXPECT_NE(text.find("Attempting GetStartValue initialisation..."), std::string::npos);
    EXPECT_NE(text.find("Passed GetStartValue - Ok"), std::string::npos);
}

TEST_F(FrameDriverTest, WithoutAFocusVesselTheFrameOnlyReportsIt) {
    frames(1);
    plugin.focusVessel = nullptr;
    int buffers = fake::bufferCount();
    frames(1);
    EXPECT_EQ(fake::bufferCount(), buffers);
    EXPECT_NE(log().find("ERROR vrpcPreStep Handle NULL"), std::string::npos);
}

TEST_F(FrameDriverTest, TheListenerSitsAtTheCockpit) {
    frames(1);
    const DS3DLISTENER& listener = fake::device().listener;
    EXPECT_NEAR(listener.vPosition.x, 0.0f, 1e-3);
    EXPECT_NEAR(listener.vPosition.y, 1.0f, 1e-3);
    EXPECT_NEAR(listener.vPosition.z, 5.0f, 1e-3);
    EXPECT_NEAR(listener.vOrientFront.z, 1.0f, 1e-3);
}

TEST_F(FrameDriverTest, SpaceDismissesTheWelcomeNoticeForGood) {
    writeWave("Sound/cfg/wlcm.wav");
    loadWelcomeSound();
    run.welcomeAnnotation = vrapiCreateAnnotation(true, 1.0, {1, 0.5, 0.2});
    plugin.welcomePending = 1;
    frames(1);
    EXPECT_TRUE(bufferOf("Sound\\cfg\\wlcm.wav")->playing);
    platform::setKeyDown(' ', true);
    frames(1);
    EXPECT_EQ(run.welcomeAnnotation, nullptr);
    EXPECT_FALSE(bufferOf("Sound\\cfg\\wlcm.wav")->playing);
    // Created in the configuration folder as it is spelt on disk.
    ASSERT_TRUE(folder.exists("Sound/cfg/NoWelcome.cfg"));
    EXPECT_EQ(folder.read("Sound/cfg/NoWelcome.cfg"), "");
}

TEST_F(FrameDriverTest, TheGreetingStaysOnTheDebugLineForTwelveSeconds) {
    std::strcpy(run.startMessage, "Zephyrin wish you a merry christmas ! ");
    frameAt(1);
    EXPECT_EQ(debugLine(), "Zephyrin wish you a merry christmas ! ");
    frameAt(11.9);
    EXPECT_EQ(debugLine(), "Zephyrin wish you a merry christmas ! ");
    frameAt(12.1);
    EXPECT_EQ(debugLine(), "");
    EXPECT_STREQ(run.startMessage, "");
}

TEST_F(FrameDriverTest, TheLiftOffCounterStartsAtZeroAndStopsAfter300Seconds) {
    liveOptions.DISPLAYTIMER = 1;
    glider.setGroundContact(true);
    frameAt(1.0);
    frameAt(2.0);
    glider.setGroundContact(false);
    frameAt(2.5);
    EXPECT_EQ(debugLine(), " T+0s ");
    frameAt(10.2);
    EXPECT_EQ(debugLine(), " T+8s ");
    frameAt(301.9);
    EXPECT_EQ(debugLine(), " T+299s ");
    frameAt(302.1);
    EXPECT_EQ(debugLine(), "");
    EXPECT_EQ(liftOffTimer.state, 0);
}

TEST_F(FrameDriverTest, TheOutdatedAddonWarningBlinksForElevenSeconds) {
    std::strcpy(plugin.legacyWarningText, "old add-on");
    run.legacyWarningTimer = 160;
    vrhost::world().setSystemStep(0.1);
    int shown = 0;
    for (int step = 1; step <= 120; ++step) {
        frameAt(step * 0.1);
        shown += debugLine() == "old add-on" ? 1 : 0;
    }
    EXPECT_EQ(run.legacyWarningTimer, 1.0f);
    EXPECT_EQ(debugLine(), "");
    // Two frames of every eleven are the gap.
    EXPECT_GE(shown, 85);
    EXPECT_LE(shown, 95);
}

} // namespace

namespace {

class FrameWithout3DTest : public testsupport::PluginSoundTest {
protected:
    FrameWithout3DTest() : PluginSoundTest(false) {
        writeStockWaves();
        vrhost::VesselSpec spec;
        spec.size = 10;
        vrhost::Vessel& glider = focusOn(spec);
        glider.addThruster({THGROUP_MAIN}, {0, 0, -8}, {0, 0, 1});
        glider.setThrottle(1.0);
        glider.setAirspeed(340);
        vrhost::world().setSystemStep(1.0 / 60);
        vrhost::world().camera().internal = false;
        run.stockSoundsPending = 1;
    }
};

TEST_F(FrameWithout3DTest, NoModeDistanceConeOrListenerCallIsMade) {
    for (int frame = 1; frame <= 3; ++frame) {
        vrpcPreStep(frame / 60.0, 1.0 / 60, 0);
    }
    vrhost::world().camera().internal = true;
    vrpcPreStep(4 / 60.0, 1.0 / 60, 0);
    EXPECT_TRUE(bufferOf("sound\\vessel\\mainext.wav")->playing);
    for (const char* method : {"SetMode", "SetMinDistance", "SetConeAngles", "SetOrientation",
                               "SetVelocity", "SetPosition"}) {
        EXPECT_TRUE(platform::audio::fake::callTexts(method).empty()) << method;
    }
}

} // namespace
