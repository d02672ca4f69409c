// The DSP pieces the pack is built from: filters, loops, levels, noise, speech trimming.
#include "soundpack/dsp/biquad.h"
#include "soundpack/dsp/levels.h"
#include "soundpack/dsp/loop.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/noise.h"
#include "soundpack/dsp/oscillator.h"
#include "soundpack/io/speech.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace soundpack {
namespace {

double rmsDb(const Samples& samples, size_t skipFrames) {
    double sum = 0.0;
    for (size_t i = skipFrames; i < samples.size(); ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return 10.0 * std::log10(sum / static_cast<double>(samples.size() - skipFrames));
}

struct FilterCase {
    const char* name;
    BiquadCoefficients coefficients;
    double toneHz;
    double expectedGainDb;
};

class FilterResponse : public testing::TestWithParam<FilterCase> {};

TEST_P(FilterResponse, ShapesASteadyToneAsDesigned) {
    const FilterCase& c = GetParam();
    const Samples tone = sine(standardRateHz, standardRateHz, steadyHz(c.toneHz));
    const Samples out = filtered(tone, c.coefficients);
    // Skip the first tenth of a second, where the filter settles.
    const size_t settle = standardRateHz / 10;
    EXPECT_NEAR(rmsDb(out, settle) - rmsDb(tone, settle), c.expectedGainDb, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Biquad, FilterResponse,
    testing::Values(
        FilterCase{"LowPassPassesBass", lowPass(standardRateHz, 1000, 0.7071), 100, 0.0},
        FilterCase{"LowPassCornerIsMinus3Db", lowPass(standardRateHz, 1000, 0.7071), 1000, -3.0},
        // -24 dB in the analogue prototype; the bilinear transform adds 2 dB this close to Nyquist.
        FilterCase{"LowPassCutsTwoOctavesUp", lowPass(standardRateHz, 1000, 0.7071), 4000, -26.0},
        FilterCase{"HighPassCutsBass", highPass(standardRateHz, 1000, 0.7071), 250, -24.0},
        FilterCase{"BandPassUnityAtCentre", bandPass(standardRateHz, 1500, 2.0), 1500, 0.0},
        FilterCase{"PeakingLiftsItsCentre", peaking(standardRateHz, 800, 1.0, 6.0), 800, 6.0}),
    [](const testing::TestParamInfo<FilterCase>& test) { return std::string(test.param.name); });

TEST(SeamlessLoop, LastSampleFlowsIntoTheFirst) {
    // A slow ramp: any cut at the seam would show as a jump far larger than one step.
    Samples ramp(3000);
    for (size_t i = 0; i < ramp.size(); ++i) {
        ramp[i] = static_cast<float>(i) / 3000.0f;
    }
    const Samples loop = seamlessLoop(ramp, 2000, 500);
    ASSERT_EQ(loop.size(), 2000u);
    EXPECT_LT(std::fabs(loop.front() - loop.back()), 2.0f / 3000.0f);
    // Past the crossfade the loop is the source untouched.
    EXPECT_FLOAT_EQ(loop[1500], ramp[1500]);
}

TEST(SeamlessLoop, RefusesASourceWithoutMaterialForTheCrossfade) {
    EXPECT_THROW(seamlessLoop(Samples(2400), 2000, 500), std::invalid_argument);
}

TEST(SeamlessLoop, KeepsNoiseLevelThroughTheCrossfade) {
    RandomSource random(7);
    const Samples noise = whiteNoise(random, 60000);
    const Samples loop = seamlessLoop(noise, 50000, 10000);
    const Samples head(loop.begin(), loop.begin() + 10000);
    const Samples body(loop.begin() + 20000, loop.end());
    EXPECT_NEAR(rmsDb(head, 0), rmsDb(body, 0), 0.5);
}

struct LevelCase {
    const char* name;
    double toneGain;
    double burstGain; // one loud click in the middle
    LevelTarget target;
};

class Leveling : public testing::TestWithParam<LevelCase> {};

TEST_P(Leveling, NeverExceedsTheCeilingAndReachesTheTargetWhenAllowed) {
    const LevelCase& c = GetParam();
    Samples samples = scaled(sine(standardRateHz, standardRateHz, steadyHz(440)), c.toneGain);
    samples[samples.size() / 2] += static_cast<float>(c.burstGain);
    Signal signal = monoSignal(standardRateHz, samples);
    levelTo(signal, c.target);
    EXPECT_LE(peakOf(signal), decibelsToGain(packCeilingDb) + 1e-6);
    if (c.burstGain == 0.0) {
        EXPECT_NEAR(momentaryLoudnessDb(signal), c.target.loudnessDb, 0.2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, Leveling,
    testing::Values(LevelCase{"QuietToneIsRaised", 0.01, 0.0, {-12.0, 0.0}},
                    LevelCase{"LoudToneIsLowered", 0.99, 0.0, {-20.0, 0.0}},
                    LevelCase{"ClickIsLimitedNotClipped", 0.05, 5.0, {-12.0, 6.0}},
                    LevelCase{"ClickBoundsTheGainOfALoop", 0.05, 5.0, {-12.0, 0.0}}),
    [](const testing::TestParamInfo<LevelCase>& test) { return std::string(test.param.name); });

TEST(Leveling, LeavesSilenceSilent) {
    Signal signal = monoSignal(standardRateHz, Samples(1000, 0.0f));
    levelTo(signal, {-12.0, 6.0});
    EXPECT_EQ(peakOf(signal), 0.0);
}

TEST(RandomSourceTest, TheSameNameGivesTheSameStreamAndAnotherNameAnother) {
    RandomSource first = RandomSource::forName("mainext");
    RandomSource again = RandomSource::forName("mainext");
    RandomSource other = RandomSource::forName("retro");
    const uint64_t value = first.next();
    EXPECT_EQ(value, again.next());
    EXPECT_NE(value, other.next());
}

TEST(NoiseColours, PinkAndBrownTiltTowardsTheBass) {
    RandomSource random(3);
    const auto bassToTreble = [](const Samples& noise) {
        return rmsDb(filtered(noise, lowPass(standardRateHz, 200, 0.7071)), 1000) -
               rmsDb(filtered(noise, highPass(standardRateHz, 4000, 0.7071)), 1000);
    };
    const double white = bassToTreble(whiteNoise(random, 100000));
    const double pink = bassToTreble(pinkNoise(random, 100000));
    const double brown = bassToTreble(brownNoise(random, 100000));
    EXPECT_LT(white, pink);
    EXPECT_LT(pink, brown);
}

TEST(TrimSilence, KeepsTheSpokenPartWithItsMargin) {
    Samples samples(22050, 0.0f);
    for (size_t i = 10000; i < 12000; ++i) {
        samples[i] = 0.5f;
    }
    const Samples trimmed = trimSilence(samples, standardRateHz, -40.0, 0.01);
    EXPECT_NEAR(static_cast<double>(trimmed.size()), 2000.0 + 2 * 220.0, 2.0);
}

TEST(TrimSilence, GivesNothingForSilence) {
    EXPECT_TRUE(trimSilence(Samples(1000, 0.0f), standardRateHz, -40.0, 0.01).empty());
}

} // namespace
} // namespace soundpack
