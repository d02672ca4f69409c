#include "platform/clock.h"
#include "platform/keyboard.h"
#include "plugin/core/greetings.h"
#include "plugin/core/key_down.h"
#include "plugin/core/perf_timer.h"
#include "plugin/core/transpose_rotate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using namespace zephyrin;

// Each read of the counter costs the probe this long, as a slow counter would.
class SlowCounterTimer : public CPerfTimer {
public:
    explicit SlowCounterTimer(double costMs) : costSeconds(costMs / 1000) {}

protected:
    void afterCounterAccess() override { platform::advanceSimulatedClock(costSeconds); }

private:
    double costSeconds;
};

class StopwatchTest : public testing::Test {
protected:
    StopwatchTest() {
        platform::useSimulatedClock(true);
        platform::advanceSimulatedClock(1.0);
        CPerfTimer probe;
        CPerfTimer::calibrate(probe); // a counter that costs nothing to read
    }
    ~StopwatchTest() override { platform::useSimulatedClock(false); }

    static void wait(double ms) { platform::advanceSimulatedClock(ms / 1000); }
};

TEST_F(StopwatchTest, ElapsedTimeGrowsWhileRunningAndTheStopwatchKeepsRunning) {
    CPerfTimer timer(true);
    wait(40);
    EXPECT_DOUBLE_EQ(timer.ElapsedMs(), 40);
    wait(10);
    EXPECT_DOUBLE_EQ(timer.ElapsedMs(), 50);
    EXPECT_TRUE(timer.isRunning());
}

TEST_F(StopwatchTest, AStoppedStopwatchContinuesWithoutResetAndRestartsWithIt) {
    CPerfTimer timer(true);
    wait(30);
    timer.StopTimer();
    wait(100);
    EXPECT_DOUBLE_EQ(timer.ElapsedMs(), 30);
    timer.StartTimer(false);
    wait(5);
    EXPECT_DOUBLE_EQ(timer.ElapsedMs(), 35);
    timer.StartTimer(true);
    wait(5);
    EXPECT_DOUBLE_EQ(timer.ElapsedMs(), 5);
}

TEST_F(StopwatchTest, ANeverStartedStopwatchReadsZero) {
    CPerfTimer timer;
    wait(10);
    timer.StopTimer();
    EXPECT_EQ(timer.ElapsedMs(), 0);
}

TEST_F(StopwatchTest, TheCalibratedOverheadIsTakenOffAndShorterIntervalsReadZero) {
    SlowCounterTimer probe(0.002);
    CPerfTimer::calibrate(probe); // one start and stop costs 2 µs
    CPerfTimer shortInterval(true);
    shortInterval.StopTimer();
    EXPECT_EQ(shortInterval.ElapsedMs(), 0);
    CPerfTimer longer(true);
    wait(1);
    longer.StopTimer();
    EXPECT_NEAR(longer.ElapsedMs(), 1 - 0.002, 1e-9);
}

struct KeyCase {
    const char* name;
    char character;
    int heldVirtualKey;
    int heldScanCode; // in the host's keyboard state; 0: none
    bool passState;
    int expected;
};

class KeyDownTest : public testing::TestWithParam<KeyCase> {
protected:
    ~KeyDownTest() override {
        for (int key = 0; key < 256; ++key) {
            platform::setKeyDown(key, false);
        }
    }
};

TEST_P(KeyDownTest, TheKeyAndTheModifiersItNeedsMustBeHeld) {
    const KeyCase& c = GetParam();
    if (c.heldVirtualKey != 0) {
        platform::setKeyDown(c.heldVirtualKey, true);
    }
    char keyState[256] = {};
    if (c.heldScanCode != 0) {
        keyState[c.heldScanCode] = static_cast<char>(0x80);
    }
    EXPECT_EQ(KeyDown(c.character, c.passState ? keyState : nullptr), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyDownTest,
    testing::Values(KeyCase{"SpaceHeld", ' ', ' ', 0, false, 1},
                    KeyCase{"SpaceUp", ' ', 0, 0, false, 0},
                    KeyCase{"OtherKeyHeld", ' ', 'A', 0, false, 0},
                    KeyCase{"CapitalWithLeftShift", 'R', 'R', VRKEY_LSHIFT, true, 1},
                    KeyCase{"CapitalWithRightShift", 'R', 'R', VRKEY_RSHIFT, true, 1},
                    KeyCase{"CapitalWithoutShift", 'R', 'R', 0, true, 0},
                    KeyCase{"CapitalWithoutKeyboardState", 'R', 'R', 0, false, 0},
                    KeyCase{"SmallLetterNeedsNoShift", 'r', 'R', 0, false, 1}),
    [](const testing::TestParamInfo<KeyCase>& tested) { return tested.param.name; });

struct DateCase {
    const char* name;
    int day;
    int month;
    const char* file;
    const char* message;
};

class GreetingTest : public testing::TestWithParam<DateCase> {};

TEST_P(GreetingTest, ThreeDatesOfTheYearHaveAGreeting) {
    const DateCase& c = GetParam();
    std::tm date{};
    date.tm_mday = c.day;
    date.tm_mon = c.month - 1;
    date.tm_year = 2027 - 1900;
    char message[128] = "";
    const char* file = greetingOf(date, message, sizeof message);
    if (c.file == nullptr) {
        EXPECT_EQ(file, nullptr);
        EXPECT_STREQ(message, "");
        return;
    }
    ASSERT_NE(file, nullptr);
    EXPECT_STREQ(file, c.file);
    EXPECT_STREQ(message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, GreetingTest,
    testing::Values(DateCase{"Christmas", 25, 12, "Sound\\cfg\\jbls.tpc",
                             "Zephyrin wish you a merry christmas ! "},
                    DateCase{"NewYearsEve", 31, 12, "Sound\\cfg\\ny.tpc",
                             "Zephyrin say: Don't drink too much tonight :)  "},
                    DateCase{"NewYear", 1, 1, "Sound\\cfg\\ny1.tpc",
                             "Zephyrin whish you a HAPPY NEW YEAR 2027 ! :)"},
                    DateCase{"FirstOfDecember", 1, 12, nullptr, nullptr},
                    DateCase{"ChristmasEve", 24, 12, nullptr, nullptr}),
    [](const testing::TestParamInfo<DateCase>& tested) { return tested.param.name; });

TEST(TransposeRotateTest, TurnsAGlobalDirectionIntoTheFrameOfTheMatrix) {
    // The frame turned 90° about y: its x axis points along global -z.
    MATRIX3 frameToGlobal{0, 0, 1, 0, 1, 0, -1, 0, 0};
    VECTOR3 local = TransposeRotate(frameToGlobal, {0, 0, -1});
    EXPECT_DOUBLE_EQ(local.x, 1);
    EXPECT_DOUBLE_EQ(local.y, 0);
    EXPECT_DOUBLE_EQ(local.z, 0);
    MATRIX3 m{1, 2, 3, 4, 5, 6, 7, 8, 9};
    VECTOR3 v = TransposeRotate(m, {1, 10, 100});
    EXPECT_DOUBLE_EQ(v.x, 1 + 40 + 700);
    EXPECT_DOUBLE_EQ(v.y, 2 + 50 + 800);
    EXPECT_DOUBLE_EQ(v.z, 3 + 60 + 900);
}

} // namespace
