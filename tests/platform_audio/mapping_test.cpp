// The mapping of DirectSound's units and coordinates onto the mixer's.
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/core/mapping.h"
#include "platform/audio/core/sample_conversion.h"

#include <gtest/gtest.h>

namespace platform::audio {
namespace {

TEST(Mapping, MillibelsBecomeLinearGain) {
    const std::pair<LONG, float> cases[] = {
        {0, 1.0f}, {-600, 0.501187f}, {-2000, 0.1f}, {-4980, 0.00323594f}, {-10000, 1e-5f}};
    for (auto [millibels, gain] : cases)
        EXPECT_NEAR(gainFromMillibels(millibels), gain, gain * 1e-4f) << millibels;
}

TEST(Mapping, FrequencyBecomesAPitchRatioAgainstTheWavesRate) {
    EXPECT_FLOAT_EQ(pitchRatio(44100, 22050), 2.0f);
    EXPECT_FLOAT_EQ(pitchRatio(DSBFREQUENCY_MAX, 11025), 200000.0f / 11025.0f);
    EXPECT_FLOAT_EQ(pitchRatio(DSBFREQUENCY_MIN, 44100), 100.0f / 44100.0f);
    EXPECT_FLOAT_EQ(pitchRatio(DSBFREQUENCY_ORIGINAL, 11025), 1.0f);
}

TEST(Mapping, ZIsNegatedForTheRightHandedMixer) {
    DS3DBUFFER parameters = default3DBufferParameters();
    parameters.vPosition = {1, 2, 3};
    parameters.vVelocity = {-4, 5, -6};
    parameters.vConeOrientation = {0, 0, 1};
    parameters.dwInsideConeAngle = 90;
    parameters.dwOutsideConeAngle = 30;
    parameters.lConeOutsideVolume = -2000;
    parameters.flMinDistance = 50;
    parameters.flMaxDistance = 15000;
    const SourcePlacement placement = sourcePlacement(parameters, 2.0f);
    EXPECT_EQ(placement.position, (Vector3{1, 2, -3}));
    EXPECT_EQ(placement.velocity, (Vector3{-4, 5, 6}));
    EXPECT_EQ(placement.direction, (Vector3{0, 0, -1}));
    EXPECT_FALSE(placement.listenerRelative);
    EXPECT_EQ(placement.referenceDistance, 50.0f);
    EXPECT_EQ(placement.maxDistance, 15000.0f);
    EXPECT_EQ(placement.rolloffFactor, 2.0f);
    EXPECT_EQ(placement.coneInnerDegrees, 30.0f) << "the narrower angle is the inside one";
    EXPECT_EQ(placement.coneOuterDegrees, 90.0f);
    EXPECT_NEAR(placement.coneOuterGain, 0.1f, 1e-6f);

    DS3DLISTENER listener = defaultListenerParameters();
    listener.flDistanceFactor = 0.3048f; // feet
    const ListenerPlacement heard = listenerPlacement(listener);
    EXPECT_EQ(heard.at, (Vector3{0, 0, -1}));
    EXPECT_EQ(heard.up, (Vector3{0, 1, 0}));
    EXPECT_NEAR(heard.speedOfSound, 343.3f / 0.3048f, 0.01f);
}

TEST(Mapping, ModesPlaceTheSourceRelativeToTheListener) {
    DS3DBUFFER parameters = default3DBufferParameters();
    parameters.vPosition = {7, 0, 7};
    parameters.dwMode = DS3DMODE_HEADRELATIVE;
    SourcePlacement placement = sourcePlacement(parameters, 1.0f);
    EXPECT_TRUE(placement.listenerRelative);
    EXPECT_EQ(placement.position, (Vector3{7, 0, -7}));

    parameters.dwMode = DS3DMODE_DISABLE;
    parameters.dwInsideConeAngle = 10;
    placement = sourcePlacement(parameters, 1.0f);
    EXPECT_TRUE(placement.listenerRelative);
    EXPECT_EQ(placement.position, Vector3{});
    EXPECT_EQ(placement.direction, Vector3{}) << "no cone";
    EXPECT_EQ(placement.rolloffFactor, 0.0f);
}

TEST(Mapping, TheMaximumDistanceIsMeasuredFromTheListenerUnlessHeadRelative) {
    DS3DBUFFER parameters = default3DBufferParameters();
    parameters.flMaxDistance = 10.0f;
    parameters.vPosition = {6, 0, 9};
    DS3DLISTENER listener = defaultListenerParameters();
    EXPECT_TRUE(isPastMaxDistance(parameters, listener));
    listener.vPosition = {0, 0, 5};
    EXPECT_FALSE(isPastMaxDistance(parameters, listener));
    parameters.dwMode = DS3DMODE_HEADRELATIVE;
    EXPECT_TRUE(isPastMaxDistance(parameters, listener));
    parameters.dwMode = DS3DMODE_DISABLE;
    EXPECT_FALSE(isPastMaxDistance(parameters, listener));
}

TEST(Mapping, PanTurnsTowardTheLouderSide) {
    EXPECT_EQ(panPlacement(DSBPAN_CENTER).position, Vector3{});
    EXPECT_NEAR(panPlacement(DSBPAN_RIGHT).position.x, 1.0f, 1e-4f);
    EXPECT_NEAR(panPlacement(DSBPAN_LEFT).position.x, -1.0f, 1e-4f);
    const float halfway = panPlacement(600).position.x;
    EXPECT_GT(halfway, 0.0f);
    EXPECT_LT(halfway, panPlacement(2000).position.x);
}

TEST(SampleConversion, RoundsAndClipsWithoutDither) {
    const float mix[] = {0.0f, 0.5f, -0.5f, 1.5f, -1.5f, 1.0f / 65536.0f};
    uint8_t eightBit[6];
    convertToPcm(mix, 6, 8, eightBit);
    EXPECT_EQ(std::vector<uint8_t>(eightBit, eightBit + 6),
              (std::vector<uint8_t>{128, 192, 64, 255, 0, 128}));
    uint8_t sixteenBit[12];
    convertToPcm(mix, 6, 16, sixteenBit);
    auto sample = [&](int index) {
        return int16_t(sixteenBit[2 * index] | sixteenBit[2 * index + 1] << 8);
    };
    EXPECT_EQ(sample(0), 0);
    EXPECT_EQ(sample(1), 16384);
    EXPECT_EQ(sample(2), -16384);
    EXPECT_EQ(sample(3), 32767);
    EXPECT_EQ(sample(4), -32768);
    EXPECT_EQ(sample(5), 0) << "half a step rounds to even";
}

} // namespace
} // namespace platform::audio
