#include "plugin/behaviour/frame_ticks.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using namespace zephyrin;

constexpr double interval60PerSecond = 1.0 / 60 - 0.0006;

std::vector<std::pair<int, int>> ticksOver(double frameStep, int frames) {
    FrameState f{};
    f.frameStep = frameStep;
    std::vector<std::pair<int, int>> ticks;
    for (int frame = 0; frame < frames; ++frame) {
        advanceProcessTick(f, interval60PerSecond);
        ticks.emplace_back(f.processTick, f.lateTick);
    }
    return ticks;
}

using Ticks = std::vector<std::pair<int, int>>;

TEST(ProcessTickTest, AtSixtyFramesPerSecondEveryFrameTicksBoth) {
    EXPECT_EQ(ticksOver(1.0 / 60, 4), (Ticks{{1, 1}, {1, 1}, {1, 1}, {1, 1}}));
}

TEST(ProcessTickTest, ALongFrameTicksBothAtOnce) {
    EXPECT_EQ(ticksOver(0.5, 2), (Ticks{{1, 1}, {1, 1}}));
}

TEST(ProcessTickTest, FastFramesSpreadEachTickOverTwoFrames) {
    // A hundred frames per second against sixty ticks: the late tick follows every tick.
    EXPECT_EQ(ticksOver(0.01, 8),
              (Ticks{{0, 0}, {1, 0}, {0, 1}, {1, 0}, {1, 1}, {0, 1}, {1, 0}, {0, 1}}));
}

TEST(ProcessTickTest, ALongFrameEmptiesTheAccumulator) {
    FrameState f{};
    f.frameStep = 0.01;
    advanceProcessTick(f, interval60PerSecond);
    f.frameStep = 0.5;
    advanceProcessTick(f, interval60PerSecond);
    EXPECT_EQ(f.processAccumulator, 0);
}

TEST(SlowTickTest, TicksFiveTimesASecond) {
    FrameState f{};
    f.frameStep = 0.06;
    std::vector<int> ticks;
    for (int frame = 0; frame < 8; ++frame) {
        advanceSlowTick(f);
        ticks.push_back(f.slowTick);
    }
    EXPECT_EQ(ticks, (std::vector<int>{0, 0, 0, 1, 0, 0, 1, 0}));
}

struct VacuumCase {
    double pressure;
    double dynPressure;
    bool wanted;
    int32_t expected;
};

class VacuumAttenuation : public testing::TestWithParam<VacuumCase> {};

TEST_P(VacuumAttenuation, ThinnerAirAttenuatesMore) {
    const VacuumCase& c = GetParam();
    EXPECT_EQ(vacuumAttenuationOf(c.pressure, c.dynPressure, c.wanted), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pressures, VacuumAttenuation,
    testing::Values(VacuumCase{101325, 0, true, 0}, VacuumCase{100, 0, true, 201},
                    VacuumCase{1, 0, true, 238}, VacuumCase{1, 100000, true, 228},
                    VacuumCase{1, 1e9, true, 208}, VacuumCase{0, 0, true, silenceOfSpace},
                    VacuumCase{-3, 0, true, silenceOfSpace}, VacuumCase{0, 0, false, 0}));

struct InternalCase {
    double pressure;
    bool reduces;
    double factor;
    int32_t expected;
};

class InternalVacuumAttenuation : public testing::TestWithParam<InternalCase> {};

TEST_P(InternalVacuumAttenuation, TheCockpitHearsTheEnginesFadeInThinAir) {
    const InternalCase& c = GetParam();
    EXPECT_EQ(internalVacuumAttenuationOf(c.pressure, c.reduces, c.factor), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pressures, InternalVacuumAttenuation,
    testing::Values(InternalCase{0, true, 1.0, 255}, InternalCase{101325, true, 1.0, 0},
                    InternalCase{1, true, 1.0, 238}, InternalCase{0, true, 0.5, 127},
                    InternalCase{0, true, 0.1, 25}, InternalCase{0, false, 1.0, 0}));

struct DistanceCase {
    double distance;
    int32_t massKg;
    DistanceAttenuations expected;
};

class DistanceAttenuation : public testing::TestWithParam<DistanceCase> {};

TEST_P(DistanceAttenuation, FartherCamerasHearLess) {
    const DistanceCase& c = GetParam();
    DistanceAttenuations a = distanceAttenuationsOf(c.distance, c.massKg);
    EXPECT_EQ(a.far, c.expected.far);
    EXPECT_EQ(a.medium, c.expected.medium);
    EXPECT_EQ(a.close, c.expected.close);
}

// Heavy vessels carry further: their far attenuation grows slower and starts 10 lower.
INSTANTIATE_TEST_SUITE_P(Distances, DistanceAttenuation,
                         testing::Values(DistanceCase{100, 10000, {8, 31, 49}},
                                         DistanceCase{10, 10000, {2, 10, -11}},
                                         DistanceCase{0, 10000, {0, 0, -40}},
                                         DistanceCase{1e6, 10000, {255, 255, 255}},
                                         DistanceCase{100, 50000, {0, 31, 49}},
                                         DistanceCase{1e6, 50000, {245, 255, 255}}));

} // namespace
