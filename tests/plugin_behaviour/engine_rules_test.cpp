#include "plugin/behaviour/engine_sounds.h"

#include <gtest/gtest.h>

namespace {

using namespace zephyrin;

OptionRecord defaults() {
    OptionRecord options{};
    fillPluginDefaults(options);
    return options;
}

// What a frame would have computed: the view, the attenuations and the vessel's mass.
struct View {
    int cameraInternal;
    int internalVacuum;
    int vacuum;
    int far;
    int medium;
    int close;
    int32_t massKg;
};

FrameState frameOf(const View& view) {
    FrameState f{};
    f.cameraInternal = view.cameraInternal;
    f.internalVacuumAttenuation = view.internalVacuum;
    f.vacuumAttenuation = view.vacuum;
    f.farAttenuation = view.far;
    f.mediumAttenuation = view.medium;
    f.closeAttenuation = view.close;
    f.massKg = view.massKg;
    return f;
}

constexpr View cockpitAtSeaLevel{1, 0, 0, 0, 0, 0, 10000};
constexpr View cockpitInVacuum{1, 255, 0, 0, 0, 0, 10000};
constexpr View outsideInVacuum{0, 0, 256, 0, 0, 0, 10000};

struct MainCase {
    const char* name;
    View view;
    int level;
    bool slotIs3D;
    int volumeCap;
    int volume;
    int frequency;
};

class MainThrustRule : public testing::TestWithParam<MainCase> {};

TEST_P(MainThrustRule, VolumeAndPitchFollowTheLevelAndTheAttenuations) {
    const MainCase& c = GetParam();
    FrameState f = frameOf(c.view);
    f.mainLevel = c.level;
    OptionRecord options = defaults();
    options.VOLMAINTHRUST = c.volumeCap;
    SoundRequest request = mainThrustRequest(f, options, c.slotIs3D);
    EXPECT_EQ(request.volume, c.volume);
    EXPECT_EQ(request.frequency, c.frequency);
}

// Outside in vacuum the volume goes below 0, which the slot plays as silence.
INSTANTIATE_TEST_SUITE_P(
    Cases, MainThrustRule,
    testing::Values(
        MainCase{"FullInTheCockpitAtSeaLevel", cockpitAtSeaLevel, 100, true, 255, 255, 15600},
        MainCase{"FullInTheCockpitInVacuum", cockpitInVacuum, 100, true, 255, 232, 12540},
        MainCase{"HalfInTheCockpit", cockpitAtSeaLevel, 50, true, 255, 205, 14600},
        MainCase{"CockpitIgnoresTheCap", cockpitAtSeaLevel, 100, true, 100, 255, 15600},
        MainCase{"Outside3DInVacuum", outsideInVacuum, 100, true, 255, -1, 20070},
        MainCase{"Outside2DAt100m", {0, 0, 0, 8, 31, 49, 10000}, 100, false, 255, 247, 19200},
        MainCase{"Outside2DHeavyVessel", {0, 0, 0, 0, 31, 49, 50000}, 100, false, 255, 255, 20000},
        MainCase{"Outside2DFarAway", {0, 0, 0, 255, 255, 255, 10000}, 100, false, 255, 0, 18000},
        MainCase{"OutsideCapped", {0, 0, 0, 0, 0, 0, 10000}, 100, true, 200, 200, 27750}),
    [](const testing::TestParamInfo<MainCase>& tested) { return tested.param.name; });

TEST(MainThrustRuleTest, AnApproachingObserverHearsAHigherPitch) {
    FrameState f = frameOf({0, 0, 0, 0, 0, 0, 10000});
    f.mainLevel = 100;
    f.observerClosingSpeed = 100;
    EXPECT_EQ(mainThrustRequest(f, defaults(), false).frequency, 21100);
}

struct LiftCase {
    const char* name;
    LiftEngine engine;
    View view;
    int level;
    bool slotIs3D;
    int volumeCap;
    int volume;
    int frequency;
};

class LiftEngineRule : public testing::TestWithParam<LiftCase> {};

TEST_P(LiftEngineRule, VolumeAndPitchFollowTheLevelAndTheAttenuations) {
    const LiftCase& c = GetParam();
    OptionRecord options = defaults();
    options.VOLHOVERTHRUST = c.volumeCap;
    options.VOLRETROTHRUST = c.volumeCap;
    SoundRequest request =
        liftEngineRequest(c.engine, c.level, frameOf(c.view), options, c.slotIs3D);
    EXPECT_EQ(request.volume, c.volume);
    EXPECT_EQ(request.frequency, c.frequency);
}

INSTANTIATE_TEST_SUITE_P(Cases, LiftEngineRule,
                         testing::Values(LiftCase{"HoverInTheCockpit", LiftEngine::Hover,
                                                  cockpitAtSeaLevel, 100, true, 255, 255, 10320},
                                         LiftCase{"HoverInTheCockpitInVacuum", LiftEngine::Hover,
                                                  cockpitInVacuum, 100, true, 255, 234, 9300},
                                         LiftCase{"RetroInTheCockpitInVacuum", LiftEngine::Retro,
                                                  cockpitInVacuum, 100, true, 255, 232, 9300},
                                         LiftCase{"AuxInTheCockpitInVacuum", LiftEngine::Aux,
                                                  cockpitInVacuum, 100, true, 255, 232, 9300},
                                         LiftCase{"Hover2DOutside",
                                                  LiftEngine::Hover,
                                                  {0, 0, 0, 0, 30, 0, 10000},
                                                  100,
                                                  false,
                                                  255,
                                                  225,
                                                  12400},
                                         LiftCase{"Retro3DOutsideCapped",
                                                  LiftEngine::Retro,
                                                  {0, 0, 100, 0, 30, 0, 10000},
                                                  100,
                                                  true,
                                                  120,
                                                  120,
                                                  4180},
                                         LiftCase{"Hover3DOutsideInVacuum", LiftEngine::Hover,
                                                  outsideInVacuum, 100, true, 255, -1, -5904}),
                         [](const testing::TestParamInfo<LiftCase>& tested) {
                             return tested.param.name;
                         });

struct RcsCase {
    const char* name;
    RcsGroupLevels levels;
    bool split;
    View view;
    int level;
    bool attackIs3D;
    RcsRequest expected;
};

class RcsRule : public testing::TestWithParam<RcsCase> {};

TEST_P(RcsRule, TheChannelsFollowTheJetsThatFire) {
    const RcsCase& c = GetParam();
    RcsRequest r =
        rcsRequest(c.split, c.level, c.levels, frameOf(c.view), defaults(), c.attackIs3D);
    EXPECT_EQ(r.volume, c.expected.volume);
    EXPECT_EQ(r.firstChannel, c.expected.firstChannel);
    EXPECT_EQ(r.secondChannel, c.expected.secondChannel);
    EXPECT_EQ(r.attackFrequency, c.expected.attackFrequency);
    EXPECT_EQ(r.sustainFrequency, c.expected.sustainFrequency);
}

constexpr View outsideNear{0, 0, 0, 0, 0, 10, 10000};
constexpr View cockpitThinAir{1, 100, 0, 0, 0, 0, 10000};

INSTANTIATE_TEST_SUITE_P(Cases, RcsRule,
                         testing::Values(RcsCase{"ForwardAloneSoundsInTheSecondChannel",
                                                 {0, 0, 1, 0},
                                                 true,
                                                 outsideNear,
                                                 10,
                                                 true,
                                                 {255, 0, 255, 11025, 11025}},
                                         RcsCase{"BackAloneSoundsInTheFirstChannel",
                                                 {0, 1, 0, 0},
                                                 true,
                                                 outsideNear,
                                                 10,
                                                 true,
                                                 {255, 255, 0, 11025, 11025}},
                                         RcsCase{"RotationSoundsInBoth",
                                                 {1, 0, 0, 0},
                                                 true,
                                                 outsideNear,
                                                 10,
                                                 true,
                                                 {255, 255, 255, 11025, 11025}},
                                         RcsCase{"BankAloneLeavesThePairSilent",
                                                 {0, 0, 0, 1},
                                                 true,
                                                 outsideNear,
                                                 10,
                                                 true,
                                                 {255, 0, 0, 11025, 11025}},
                                         RcsCase{"SplitInTheCockpitInThinAir",
                                                 {1, 0, 0, 0},
                                                 true,
                                                 cockpitThinAir,
                                                 10,
                                                 true,
                                                 {225, 225, 225, 11005, 10725}},
                                         RcsCase{"Split2DNearTheCamera",
                                                 {1, 0, 0, 0},
                                                 true,
                                                 outsideNear,
                                                 5,
                                                 false,
                                                 {220, 220, 220, 11025, 11025}},
                                         RcsCase{"SingleBankAlone",
                                                 {0, 0, 0, 1},
                                                 false,
                                                 outsideNear,
                                                 10,
                                                 true,
                                                 {255, 255, 255, 11025, 11025}},
                                         RcsCase{"SingleInTheCockpitInThinAir",
                                                 {1, 0, 0, 0},
                                                 false,
                                                 cockpitThinAir,
                                                 10,
                                                 true,
                                                 {223, 223, 223, 9725, 9725}}),
                         [](const testing::TestParamInfo<RcsCase>& tested) {
                             return tested.param.name;
                         });

TEST(RcsLevelTest, WithoutAutopilotTheLevelFollowsTheSumOfTheGroups) {
    float smoothed = 0;
    EXPECT_EQ(rcsLevel({0.2, 0, 0.15, 0}, 0, smoothed), 5); // turning counts in both channels
    EXPECT_EQ(rcsLevel({0, 0, 0, 0.35}, 0, smoothed), 3);
    EXPECT_EQ(rcsLevel({1, 1, 1, 1}, 0, smoothed), 10);
    EXPECT_EQ(rcsLevel({}, 0, smoothed), 0);
    EXPECT_EQ(smoothed, 0);
}

TEST(RcsLevelTest, AnAutopilotsPulsesAreSmoothedAndKeepTheJetsFiring) {
    float smoothed = 0;
    int levels[8];
    const double pulses[8] = {1, 0, 1, 0, 0, 0, 0, 0};
    for (int frame = 0; frame < 8; ++frame) {
        levels[frame] = rcsLevel({0, 0, 0, pulses[frame]}, 1, smoothed);
    }
    const int expected[8] = {5, 2, 6, 3, 1, 0, 0, 0};
    for (int frame = 0; frame < 8; ++frame) {
        EXPECT_EQ(levels[frame], expected[frame]) << "frame " << frame;
    }
}

} // namespace
