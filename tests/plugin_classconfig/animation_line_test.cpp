#include "plugin/classconfig/animation_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace zephyrin;
using Outcome = AnimationLineOutcome;

constexpr const char* folder = "Sound\\_CustomVesselsSounds\\Tug\\";

std::string inFolder(const char* file) {
    return file[0] == '\0' ? std::string() : std::string(folder) + file;
}

TEST(AnimationLine, AMonoLineGivesThreeFilesAndOnePosition) {
    AnimationLine line = readAnimationLine(
        "Animation_2 = gear_move.wav, none, gear_lock.WAV (locked), ANIMPOS {0,-1,3}\n", "Tug");
    ASSERT_EQ(line.outcome, Outcome::Taken);
    EXPECT_EQ(line.form, AnimationForm::Mono);
    EXPECT_EQ(line.animation, 2);
    EXPECT_EQ(line.moveFile, inFolder("gear_move.wav"));
    EXPECT_STREQ(line.openFile, "");
    EXPECT_EQ(line.closeFile, inFolder("gear_lock.WAV"));
    EXPECT_FALSE(line.atRadioPosition);
    EXPECT_EQ(line.position.y, -1);
    EXPECT_EQ(line.positionRight.z, 3);
}

TEST(AnimationLine, AStereoLineGivesTwoPositionsAndMayUseTheRadioPosition) {
    AnimationLine line = readAnimationLine(
        "AnimationStereo_1 =door.wav,     open.wav,shut.wav, RADIOPOS {-1,0,2}{1,0,2}\n", "Tug");
    ASSERT_EQ(line.outcome, Outcome::Taken);
    EXPECT_EQ(line.form, AnimationForm::Stereo);
    EXPECT_EQ(line.openFile, inFolder("open.wav"));
    EXPECT_TRUE(line.atRadioPosition);
    EXPECT_EQ(line.position.x, -1);
    EXPECT_EQ(line.positionRight.x, 1);
}

TEST(AnimationLine, ASwitchLineGivesItsClick) {
    AnimationLine line = readAnimationLine("AnimationSwitch_4 = click.wav, {0.3,1.1,6.9}\n", "Tug");
    ASSERT_EQ(line.outcome, Outcome::Taken);
    EXPECT_EQ(line.form, AnimationForm::Switch);
    EXPECT_EQ(line.animation, 4);
    EXPECT_EQ(line.moveFile, inFolder("click.wav"));
    EXPECT_DOUBLE_EQ(line.position.z, 6.9);
}

struct RefusedCase {
    const char* line;
    Outcome outcome;
};

class RefusedAnimationLine : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedAnimationLine, MakesNoSet) {
    EXPECT_EQ(readAnimationLine(GetParam().line, "Tug").outcome, GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedAnimationLine,
    testing::Values(
        RefusedCase{"Anim_2 = a.wav, b.wav, c.wav, ANIMPOS {0,0,0}", Outcome::NotAnimation},
        RefusedCase{"animation_2 = move.wav, b.wav, c.wav, ANIMPOS {0,0,0}", Outcome::NotAnimation},
        RefusedCase{"AnimationMono_2 = move.wav, b.wav, c.wav, ANIMPOS {0,0,0}",
                    Outcome::UnknownForm},
        RefusedCase{"Animation_-1 = move.wav, b.wav, c.wav, ANIMPOS {0,0,0}", Outcome::BadNumber},
        RefusedCase{"Animation_201 = move.wav, b.wav, c.wav, ANIMPOS {0,0,0}", Outcome::BadNumber},
        RefusedCase{"Animation_x = move.wav, b.wav, c.wav, ANIMPOS {0,0,0}", Outcome::BadNumber},
        RefusedCase{"Animation_2 move.wav, b.wav, c.wav, ANIMPOS {0,0,0}", Outcome::MissingEquals},
        RefusedCase{"Animation_2 = move.wav, b.wav ANIMPOS", Outcome::MissingComma},
        RefusedCase{"Animation_2 = \x01move.wav, b.wav, c.wav, {0,0,0}", Outcome::ControlCharacter},
        RefusedCase{"Animation_2 = none, .wav, nothing, ANIMPOS {0,0,0}", Outcome::NoSound},
        RefusedCase{"Animation_2 = move.wav, none, none, ANIMPOS 0,0,0", Outcome::BadPosition},
        RefusedCase{"AnimationStereo_2 = move.wav, none, none, ANIMPOS {0,0,0}",
                    Outcome::BadPosition},
        RefusedCase{"AnimationSwitch_2 = click.wav, {0,0}", Outcome::BadPosition}));

TEST(AnimationLineLimits, APathThatDoesNotFitIsRefusedNotCut) {
    std::string line = "Animation_1 = " + std::string(100, 'm') + ".wav, none, none, {0,0,0}";
    EXPECT_EQ(readAnimationLine(line.c_str(), "Tug").outcome, Outcome::Taken);
    EXPECT_EQ(readAnimationLine(line.c_str(), std::string(30, 'T').c_str()).outcome,
              Outcome::PathTooLong);
}

} // namespace
