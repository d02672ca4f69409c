#include "plugin/behaviour/callouts.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace zephyrin;

struct Crossing {
    double lastCalloutHeight;
    double height;
    int slot;
};

class GpwsCrossing : public testing::TestWithParam<Crossing> {};

TEST_P(GpwsCrossing, TheHighestThresholdPassedIsCalled) {
    const Crossing& c = GetParam();
    EXPECT_EQ(crossedGpwsCallout(c.lastCalloutHeight, c.height), c.slot)
        << c.lastCalloutHeight << " -> " << c.height;
}

INSTANTIATE_TEST_SUITE_P(Cases, GpwsCrossing,
                         testing::Values(Crossing{2600, 2499, Gpws2500},
                                         Crossing{2500, 2499, -1},    // already at the threshold
                                         Crossing{1001, 1000, -1},    // not below it yet
                                         Crossing{600, 150, Gpws500}, // several at once: one
                                         Crossing{150, 95, Gpws100},  // the lower ones wait
                                         Crossing{11, 9.9, Gpws10}, Crossing{9.9, 2, -1},
                                         Crossing{300, 600, -1})); // climbing

struct CountdownCase {
    const char* what;
    int32_t state;
    bool contact;
    int mainLevel;
    int hoverLevel;
    double altitude;
    int32_t nextState;
    bool countdown;
};

class CountdownStates : public testing::TestWithParam<CountdownCase> {};

TEST_P(CountdownStates, ThrustOnThePadCountsDownOnce) {
    const CountdownCase& c = GetParam();
    FrameState f{};
    f.mainLevel = c.mainLevel;
    f.hoverLevel = c.hoverLevel;
    f.altitude = c.altitude;
    CountdownStep step = nextCountdownStep(c.state, c.contact, f);
    EXPECT_EQ(step.state, c.nextState) << c.what;
    EXPECT_EQ(step.countdownStarts, c.countdown) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountdownStates,
    testing::Values(
        CountdownCase{"landed, engines quiet", countdownIdle, true, 0, 0, 2, countdownOnThePad,
                      false},
        CountdownCase{"flying, engines quiet", countdownIdle, false, 0, 0, 500, countdownIdle,
                      false},
        CountdownCase{"landed with thrust: no pad yet", countdownIdle, true, 0, 40, 2,
                      countdownIdle, false},
        CountdownCase{"hover on the pad", countdownOnThePad, true, 0, 1, 2, countdownGiven, true},
        CountdownCase{"main on the pad", countdownOnThePad, true, 30, 0, 2, countdownGiven, true},
        CountdownCase{"still quiet", countdownOnThePad, true, 0, 0, 2, countdownOnThePad, false},
        CountdownCase{"given: no second", countdownGiven, true, 100, 0, 2, countdownGiven, false},
        CountdownCase{"on the way up", countdownGiven, false, 100, 0, 12000, countdownIdle, false},
        CountdownCase{"15 km is past the band", countdownGiven, false, 100, 0, 15000,
                      countdownGiven, false}));

struct RadarCase {
    double distance;
    double size;
    int32_t gap;
    int frequency;
};

class RadarBands : public testing::TestWithParam<RadarCase> {};

TEST_P(RadarBands, TheBipQuickensAsTheGapCloses) {
    const RadarCase& c = GetParam();
    EXPECT_EQ(radarGap(c.distance, c.size), c.gap);
    EXPECT_EQ(radarBipFrequency(c.gap), c.frequency);
}

INSTANTIATE_TEST_SUITE_P(Cases, RadarBands,
                         testing::Values(RadarCase{45, 5, 40, 15675}, RadarCase{200, 0, 200, 14525},
                                         RadarCase{81.9, 31, 50, 15275},
                                         RadarCase{82, 31, 51, 15270},
                                         RadarCase{31.5, 0, 31, 16035},
                                         RadarCase{799.9, 0, 799, 11530}));

TEST(RadarGap, ASizeBeyondReasonSaturates) {
    EXPECT_EQ(radarGap(100, -1e300), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(radarGap(100, 1e300), std::numeric_limits<int32_t>::min());
}

TEST(AirConditioning, PitchMovesThreePercentOfTheWayEachFrame) {
    EXPECT_FLOAT_EQ(smoothedAirCondFrequency(22050, 24050), 0.97f * 22050 + 0.03f * 24050);
    float frequency = 22050;
    int frames = 0;
    while (frequency > 8100) {
        frequency = smoothedAirCondFrequency(frequency, 6000);
        ++frames;
    }
    // Switched off, the fans wind down in about a second at 60 frames per second.
    EXPECT_EQ(frames, 67);
}

} // namespace
