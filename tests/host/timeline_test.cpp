#include "host/timeline.h"

#include <gtest/gtest.h>

namespace {

using vrhost::Interpolation;
using vrhost::Track;

Track rampFrom2To4() {
    Track track;
    track.add(4.0, {20.0, 1.0});
    track.add(2.0, {10.0, 0.0}); // out of order on purpose
    return track;
}

TEST(Track, NothingBeforeTheFirstKeyframe) {
    EXPECT_FALSE(rampFrom2To4().valueAt(1.99).has_value());
}

struct Expected {
    double time;
    double first;
    double second;
};

class LinearTrack : public testing::TestWithParam<Expected> {};

TEST_P(LinearTrack, InterpolatesEveryValueAndHoldsTheLast) {
    auto values = rampFrom2To4().valueAt(GetParam().time);
    ASSERT_TRUE(values.has_value());
    EXPECT_DOUBLE_EQ((*values)[0], GetParam().first);
    EXPECT_DOUBLE_EQ((*values)[1], GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Times, LinearTrack,
                         testing::Values(Expected{2.0, 10.0, 0.0}, Expected{2.5, 12.5, 0.25},
                                         Expected{3.0, 15.0, 0.5}, Expected{4.0, 20.0, 1.0},
                                         Expected{90.0, 20.0, 1.0}));

TEST(Track, StepTrackHoldsUntilTheNextKeyframe) {
    Track track(Interpolation::Step);
    track.add(0.0, {1.0});
    track.add(5.0, {6.0});
    EXPECT_EQ(track.valueAt(4.999)->front(), 1.0);
    EXPECT_EQ(track.valueAt(5.0)->front(), 6.0);
}

TEST(Track, AutomaticValuesHoldInsteadOfBlending) {
    Track track;
    track.add(0.0, {3.0});
    track.add(2.0, {vrhost::automatic});
    track.add(4.0, {7.0});
    EXPECT_EQ(track.valueAt(1.0)->front(), 3.0);
    EXPECT_TRUE(vrhost::isAutomatic(track.valueAt(3.0)->front()));
    EXPECT_EQ(track.valueAt(4.0)->front(), 7.0);
}

TEST(Track, ALaterKeyframeAtTheSameTimeReplacesTheEarlier) {
    Track track;
    track.add(1.0, {1.0});
    track.add(1.0, {2.0});
    ASSERT_EQ(track.keyframes().size(), 1u);
    EXPECT_EQ(track.valueAt(1.0)->front(), 2.0);
}

} // namespace
