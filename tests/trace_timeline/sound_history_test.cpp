// Reading a trace and folding it into plays: when each sound started and why it stopped.
#include "trace_timeline/sound_history.h"

#include <gtest/gtest.h>

#include <sstream>

namespace trace_timeline {
namespace {

// 44100 bytes of mono 16-bit at 22050 Hz: one second of samples.
constexpr const char* flight =
    "0.000\tbuffer1\tCreateSoundBuffer\tflags=0x00000001 bytes=0 format=none\t\n"
    "0.000\tbuffer2\tCreateSoundBuffer\tflags=0x000100b0 bytes=44100 format=1ch/22050Hz/16bit\t"
    "sound\\shot.wav\n"
    "0.000\tbuffer3\tCreateSoundBuffer\tflags=0x000100a0 bytes=88200 format=1ch/22050Hz/16bit\t"
    "sound\\loop.wav\n"
    "1.000\tbuffer3\tSetVolume\t-2000\tsound\\loop.wav\n"
    "1.000\tbuffer3\tPlay\t0, 0, 0x00000001\tsound\\loop.wav\n"
    "2.000\tbuffer2\tSetFrequency\t11025\tsound\\shot.wav\n"
    "2.000\tbuffer2\tSetPosition\t0, 0, 30, DEFERRED\tsound\\shot.wav\n"
    "2.000\tbuffer2\tPlay\t0, 0, 0x00000000\tsound\\shot.wav\n"
    "3.000\tlistener\tSetPosition\t0, 0, 10, DEFERRED\t\n"
    "3.000\tlistener\tCommitDeferredSettings\t\t\n"
    "5.000\tbuffer3\tSetVolume\t-600\tsound\\loop.wav\n"
    "5.010\tbuffer3\tSetVolume\t-610\tsound\\loop.wav\n"
    "6.000\tbuffer3\tStop\t\tsound\\loop.wav\n"
    "7.000\tbuffer3\tPlay\t0, 0, 0x00000001\tsound\\loop.wav\n"
    "8.000\tbuffer3\tRelease\t\tsound\\loop.wav\n"
    "9.000\tbuffer2\tSetFrequency\t0\tsound\\shot.wav\n"
    "9.000\tbuffer2\tPlay\t0, 0, 0x00000001\tsound\\shot.wav\n";

Trace traceOf(const std::string& text, const std::vector<double>& runLengths = {}) {
    std::istringstream input(text);
    return readTrace(input, runLengths);
}

std::vector<std::pair<double, double>> pairs(const std::vector<Sample>& samples) {
    std::vector<std::pair<double, double>> values;
    for (const Sample& sample : samples) {
        values.emplace_back(sample.time, sample.value);
    }
    return values;
}

TEST(SoundHistory, FollowsEachPlayFromItsStartToWhyItEnded) {
    SoundHistory history = soundHistory(traceOf(flight), 12.0);
    EXPECT_TRUE(history.problems.empty());
    ASSERT_EQ(history.plays.size(), 4u);

    struct Expected {
        std::string sound;
        double start, end;
        bool looping;
        PlayEnd ending;
    };
    const Expected expected[] = {
        {"sound\\loop.wav", 1.0, 6.0, true, PlayEnd::Stopped},
        // one second of samples at half their rate
        {"sound\\shot.wav", 2.0, 4.0, false, PlayEnd::Ended},
        {"sound\\loop.wav", 7.0, 8.0, true, PlayEnd::Released},
        {"sound\\shot.wav", 9.0, 12.0, true, PlayEnd::FlightEnded},
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const Play& play = history.plays[i];
        EXPECT_EQ(play.sound, expected[i].sound);
        EXPECT_DOUBLE_EQ(play.start, expected[i].start);
        EXPECT_DOUBLE_EQ(play.end, expected[i].end);
        EXPECT_EQ(play.looping, expected[i].looping);
        EXPECT_EQ(play.ending, expected[i].ending);
    }
}

TEST(SoundHistory, DrawsVolumeFrequencyAndDistanceAlongThePlay) {
    SoundHistory history = soundHistory(traceOf(flight), 12.0);
    ASSERT_EQ(history.plays.size(), 4u);
    // The change of a tenth of a decibel at 5.01 s is too small to draw.
    using Values = std::vector<std::pair<double, double>>;
    EXPECT_EQ(pairs(history.plays[0].volumeDb), (Values{{1.0, -20.0}, {5.0, -6.0}}));
    EXPECT_TRUE(history.plays[0].distanceM.empty()); // no 3D control
    EXPECT_EQ(pairs(history.plays[1].frequencyHz), (Values{{2.0, 11025.0}}));
    // 30 m ahead of the listener, which then comes 10 m closer.
    EXPECT_EQ(pairs(history.plays[1].distanceM), (Values{{2.0, 30.0}, {3.0, 20.0}}));
    // Frequency 0 is the file's own rate.
    EXPECT_EQ(pairs(history.plays[3].frequencyHz), (Values{{9.0, 22050.0}}));
}

TEST(TraceFile, SkipsBadLinesAndTellsWhere) {
    Trace trace = traceOf("0.000\tbuffer2\tPlay\n"
                          "x\tbuffer2\tStop\t\t\n"
                          "-1\tbuffer2\tStop\t\t\n"
                          "1.000\tbuffer9\tPlay\t0, 0, 0x00000001\tsound\\ghost.wav\n"
                          "2.000\tbuffer2\tCreateSoundBuffer\tflags=0x00000000 bytes=4 "
                          "format=0ch/22050Hz/16bit\tbad.wav\n");
    EXPECT_EQ(trace.problems,
              (std::vector<std::string>{"trace:1: 3 columns, expected 5", "trace:2: bad time 'x'",
                                        "trace:3: bad time '-1'"}));
    ASSERT_EQ(trace.calls.size(), 2u);
    SoundHistory history = soundHistory(trace, 0.0);
    EXPECT_TRUE(history.plays.empty());
    ASSERT_EQ(history.problems.size(), 2u);
    EXPECT_EQ(history.problems[0], "buffer9 is used before its CreateSoundBuffer");
    EXPECT_NE(history.problems[1].find("impossible format"), std::string::npos);
}

TEST(TraceFile, LaysRunsOneAfterTheOther) {
    const char* twoRuns = "1.000\tlistener\tCommitDeferredSettings\t\t\n"
                          "9.000\tlistener\tCommitDeferredSettings\t\t\n"
                          "0.500\tlistener\tCommitDeferredSettings\t\t\n";
    Trace fromScenario = traceOf(twoRuns, {10.0, 20.0});
    EXPECT_EQ(fromScenario.runStarts, (std::vector<double>{0.0, 10.0}));
    EXPECT_DOUBLE_EQ(fromScenario.calls.back().time, 10.5);
    // Without the scenario a run lasts until its last call.
    Trace alone = traceOf(twoRuns);
    EXPECT_DOUBLE_EQ(alone.calls.back().time, 9.5);
}

} // namespace
} // namespace trace_timeline
