// Sounds of the focus vessel's animations, heard through the scriptable DirectSound.
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/advanced_configuration.h"
#include "plugin_sound_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;

const std::string classFolder = "Sound\\_CustomVesselsSounds\\Lander\\";
const std::string gearMove = classFolder + "gear_move.wav";
const std::string gearLock = classFolder + "gear_lock.wav";
const std::string doorOpen = classFolder + "door_open.wav";
const std::string click = classFolder + "click.wav";

enum Animation { Gear, Door, Switch };

class AnimationSoundsTest : public testsupport::PluginSoundTest {
protected:
    AnimationSoundsTest() {
        vrhost::VesselSpec spec;
        spec.className = "Lander";
        vessel = &focusOn(spec);
        for (double defaultState : {1.0, 0.0, 0.0}) {
            int animation = vessel->addAnimation(defaultState);
            vessel->addAnimationComponent(animation, {});
        }
        for (const char* file : {"gear_move", "gear_lock", "door_open", "door_close", "click"}) {
            writeWave(std::string("Sound/_CustomVesselsSounds/Lander/") + file + ".wav");
        }
        folder.write("Sound/_CustomVesselsSounds/Lander.cfg",
                     "Animation_0 = gear_move.wav, none, gear_lock.wav, ANIMPOS {0,-1,3}\n"
                     "Animation_1 = none, door_open.wav, door_close.wav, RADIOPOS {0,0,0}\n"
                     "AnimationSwitch_2 = click.wav, {0.3,1.1,6.9}\n");
        setUp();
    }
    ~AnimationSoundsTest() override { resetAnimationState(); }

    void setUp() {
        InitAnimationSounds(vessel);
        readVesselClassConfiguration();
        DumpAnimations();
    }
    void moveTo(Animation animation, double state, int cameraInternal = 1) {
        vessel->setAnimationState(animation, state);
        UpdateAnimationSounds(vessel, cameraInternal);
    }
    // Play calls on the buffers that hold `file`.
    int playsOf(const std::string& file) const {
        int plays = 0;
        for (const fake::Call& call : fake::calls()) {
            if (call.method == "Play" && call.object.rfind("buffer", 0) == 0 &&
                fake::buffer(std::stoi(call.object.substr(6))).name == file) {
                ++plays;
            }
        }
        return plays;
    }
    bool playing(const std::string& file) const {
        const fake::BufferState* buffer = bufferOf(file);
        return buffer != nullptr && buffer->playing;
    }

    vrhost::Vessel* vessel = nullptr;
};

TEST_F(AnimationSoundsTest, TheGearLoopsWhileMovingAndLocksOnceAtZero) {
    EXPECT_EQ(classConfiguration.classParameterCount, 3);
    moveTo(Gear, 0.6);
    EXPECT_TRUE(playing(gearMove));
    EXPECT_TRUE(bufferOf(gearMove)->looping);
    moveTo(Gear, 0.3);
    EXPECT_EQ(playsOf(gearMove), 1) << "the same direction keeps the loop going";
    moveTo(Gear, 0.3);
    EXPECT_FALSE(playing(gearMove)) << "a gear that stops stops its sound";
    moveTo(Gear, 0.0);
    EXPECT_TRUE(playing(gearLock));
    EXPECT_FALSE(bufferOf(gearLock)->looping);
    moveTo(Gear, 0.2);
    EXPECT_EQ(playsOf(gearMove), 2) << "reversing the direction restarts the loop";
    moveTo(Gear, 0.0);
    EXPECT_EQ(playsOf(gearLock), 1);
    EXPECT_EQ(buffersNamed(gearLock), 1);
}

TEST_F(AnimationSoundsTest, QuickClicksRotateOverThreeBuffers) {
    for (double state : {1.0, 0.0, 1.0, 0.0}) {
        moveTo(Switch, state);
    }
    EXPECT_EQ(buffersNamed(click), 3);
    EXPECT_EQ(playsOf(click), 4);
    int first = 0;
    for (int id = 1; id <= fake::bufferCount() && first == 0; ++id) {
        first = fake::buffer(id).name == click ? id : 0;
    }
    int firstPlays = 0;
    for (const std::string& call : fake::callTexts("Play")) {
        firstPlays += call.rfind("buffer" + std::to_string(first) + ".", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(firstPlays, 2) << "the fourth click plays on the first buffer again";
}

TEST_F(AnimationSoundsTest, AJumpToOpenPlaysTheOpenSoundWithoutTheLoop) {
    moveTo(Door, 0.4);
    moveTo(Door, 1.0);
    EXPECT_TRUE(playing(doorOpen));
    EXPECT_EQ(bufferOf(classFolder + "door_close.wav"), nullptr);
    EXPECT_EQ(buffersNamed(gearMove), 0);
}

TEST_F(AnimationSoundsTest, OutsideTheAnimationsPlaySilentlyUntilTheCockpitAgain) {
    moveTo(Gear, 0.5, 0);
    ASSERT_TRUE(playing(gearMove));
    LONG outside = bufferOf(gearMove)->volume;
    SetAnimationView(0);
    SetAnimationView(1);
    EXPECT_GT(bufferOf(gearMove)->volume, outside);
    SetAnimationView(0);
    EXPECT_EQ(bufferOf(gearMove)->volume, outside);
}

TEST_F(AnimationSoundsTest, TheFirstPassInTheVirtualCockpitOnlyTakesTheStates) {
    vrhost::world().camera().cockpitMode = COCKPIT_VIRTUAL;
    vessel->setAnimationState(Door, 1.0);
    moveTo(Gear, 0.5);
    EXPECT_EQ(buffersNamed(gearMove), 0);
    EXPECT_EQ(buffersNamed(doorOpen), 0);
    moveTo(Gear, 0.4);
    EXPECT_TRUE(playing(gearMove));
    EXPECT_EQ(buffersNamed(doorOpen), 0);
}

TEST_F(AnimationSoundsTest, ASetPerTickWindowVisitsEverySetInTurn) {
    advancedConfiguration.maxAnimCheckPerFrame = 1;
    moveTo(Door, 1.0); // tick 1 looks at the gear only
    EXPECT_EQ(buffersNamed(doorOpen), 0);
    UpdateAnimationSounds(vessel, 1); // tick 2: the door
    EXPECT_TRUE(playing(doorOpen));
}

TEST_F(AnimationSoundsTest, AChangedAnimationTableSilencesTheSetsItMoved) {
    moveTo(Gear, 0.5);
    ASSERT_TRUE(playing(gearMove));
    vessel->removeAnimation(Switch);
    moveTo(Gear, 0.4);
    EXPECT_TRUE(playing(gearMove)) << "only the switch lost its animation";
    vessel->removeAnimation(Gear);
    UpdateAnimationSounds(vessel, 1);
    EXPECT_FALSE(playing(gearMove)) << "a dropped set does not loop on";
    vessel->setAnimationState(0, 1.0); // the door, now first in the table
    UpdateAnimationSounds(vessel, 1);
    EXPECT_EQ(buffersNamed(doorOpen), 0);
}

TEST_F(AnimationSoundsTest, TheDumpDescribesTheSetsAndTheAnimations) {
    folder.write("Sound/_CustomVesselsSounds/Lander.cfg",
                 "DISPLAYDEBUGHELP = true\n"
                 "Animation_0 = gear_move.wav, none, gear_lock.wav, ANIMPOS {0,-1,3}\n"
                 "Animation_7 = gear_move.wav, none, gear_lock.wav, ANIMPOS {0,-1,3}\n");
    setUp();
    std::string text = log();
    EXPECT_NE(text.find("     Anim #0 set\t\t(see below Animations section for details)\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("     ----------------------------------------------\n"
                        "     SOUND DEBUG DISPLAY - ANIMATIONS\n \n"),
              std::string::npos);
    EXPECT_NE(text.find("     Anim #0 mono set:\n           Move: '" + gearMove +
                        "' open: '' close: '" + gearLock +
                        "'\n           pos: (0.00,-1.00,3.00) (ANIMPOS)\n"),
              std::string::npos);
    EXPECT_NE(text.find("     Animation #0 - ROTATE\tMesh #0 Group #-         ref(0.00,0.00,0.00) "
                        "angle(0.0\xB0)\n"),
              std::string::npos);
    EXPECT_EQ(text.find("Anim #7"), std::string::npos);
    EXPECT_NE(text.find("Info: Sound config found for class: Lander. 1 parameters set."),
              std::string::npos);
}

} // namespace
