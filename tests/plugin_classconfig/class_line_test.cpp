#include "plugin/classconfig/animation_line.h"
#include "plugin/classconfig/class_keys.h"
#include "plugin/classconfig/class_line_grammar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using namespace zephyrin;
using Outcome = ClassLineOutcome;

struct LineCase {
    const char* line;
    Outcome outcome;
    const char* key; // null: none
    int value;       // boolean lines: classFalse or classTrue
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << '"' << c.line << '"';
}

class ClassLineGrammar : public testing::TestWithParam<LineCase> {};

TEST_P(ClassLineGrammar, ReadsTheLineAsThePluginDoes) {
    const LineCase& c = GetParam();
    ClassLine line = readClassLine(c.line, "Tug");
    EXPECT_EQ(line.outcome, c.outcome);
    if (c.key != nullptr) {
        ASSERT_NE(line.key, nullptr);
        EXPECT_STREQ(line.key, c.key);
    }
    if (c.value != 0) {
        EXPECT_EQ(line.booleanValue, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SkipRulesAndBooleans, ClassLineGrammar,
    testing::Values(
        LineCase{"", Outcome::Empty, nullptr, 0}, LineCase{"\n", Outcome::Empty, nullptr, 0},
        LineCase{"// PLAYGPWS = false\n", Outcome::SlashInFirstThree, nullptr, 0},
        LineCase{"P/", Outcome::SlashInFirstThree, nullptr, 0},
        LineCase{"PL/AYGPWS = false   \n", Outcome::SlashInFirstThree, nullptr, 0},
        LineCase{"\tPLAYGPWS = false   \n", Outcome::ControlCharacter, nullptr, 0},
        LineCase{"#PLAYGPWS = false   \n", Outcome::NotAKeyLetter, nullptr, 0},
        LineCase{"      PLAYGPWS = false\n", Outcome::TooManyBlanks, nullptr, 0},
        LineCase{"     PLAYGPWS = false   \n", Outcome::Taken, "PLAYGPWS", classFalse},
        LineCase{"   PLAYMAINTHRUST = true\n", Outcome::Taken, "PLAYMAINTHRUST", classTrue},
        LineCase{"playmainthrust = true\n", Outcome::NotAKeyLetter, nullptr, 0},
        LineCase{"PLAYMAINTHRUST=  true\n", Outcome::BadBoolean, "PLAYMAINTHRUST", 0},
        LineCase{"PLAYMAINTHRUST =true\n", Outcome::Taken, "PLAYMAINTHRUST", classTrue},
        LineCase{"PLAYMAINTHRUST = yes\n", Outcome::BadBoolean, "PLAYMAINTHRUST", 0},
        LineCase{"PLAYMAINTHRUST true false\n", Outcome::BadBoolean, "PLAYMAINTHRUST", 0},
        LineCase{"PLAYMAINTHRUST (off) = false\n", Outcome::Taken, "PLAYMAINTHRUST", classFalse},
        // 18 characters with the line end are too few; 19 count.
        LineCase{"DISPLAYTIMER=true\n", Outcome::TooShort, nullptr, 0},
        LineCase{"DISPLAYTIMER= true\n", Outcome::Taken, "DISPLAYTIMER", classTrue},
        LineCase{"PLAYGPWS = false\n", Outcome::TooShort, nullptr, 0},
        // The debug display is tried before the length rule.
        LineCase{"DISPLAYDEBUGHELP=true", Outcome::Taken, "DISPLAYDEBUGHELP", classTrue},
        LineCase{"PLAYSOMETHINGELSE = true\n", Outcome::UnknownKey, nullptr, 0},
        LineCase{"REPLACEALLGPWSSOUND = true\n", Outcome::Taken, "REPLACEALLGPWSSOUND",
                 classTrue}));

TEST(ClassLineKeys, OptionKeysNameTheirSwitchOfTheOptionRecord) {
    ClassLine line = readClassLine("PLAYMAINTHRUST = false\n", "Tug");
    ASSERT_EQ(line.kind, ClassLineKind::Option);
    EXPECT_EQ(classOptionKeys[line.keyIndex].optionIndex, 10);
    line = readClassLine("PLAYREENTRYAIRSPEED = false\n", "Tug");
    EXPECT_EQ(classOptionKeys[line.keyIndex].optionIndex, 35);
}

struct ReplacementCase {
    const char* line;
    Outcome outcome;
    const char* path;
};

class ReplacementValue : public testing::TestWithParam<ReplacementCase> {};

TEST_P(ReplacementValue, KeepsTheFileUpToItsExtension) {
    ClassLine line = readClassLine(GetParam().line, "Tug");
    EXPECT_EQ(line.outcome, GetParam().outcome);
    if (GetParam().outcome == Outcome::Taken) {
        EXPECT_STREQ(line.path, GetParam().path);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ReplacementValue,
    testing::Values(
        ReplacementCase{"REPLACE_MAIN_THRUST = engine.WAV extra\n", Outcome::Taken,
                        "Sound\\_CustomVesselsSounds\\Tug\\engine.WAV"},
        ReplacementCase{"REPLACE_MAIN_THRUST=engine.wav\n", Outcome::Taken,
                        "Sound\\_CustomVesselsSounds\\Tug\\engine.wav"},
        ReplacementCase{"REPLACE_MAIN_THRUST =     sub\\engine.wav\n", Outcome::Taken,
                        "Sound\\_CustomVesselsSounds\\Tug\\sub\\engine.wav"},
        ReplacementCase{"REPLACE_MAIN_THRUST = engine.mp3\n", Outcome::BadReplacement, ""},
        ReplacementCase{"REPLACE_MAIN_THRUST = .wav      \n", Outcome::BadReplacement, ""},
        ReplacementCase{"REPLACE_MAIN_THRUST engine.wav\n", Outcome::BadReplacement, ""},
        ReplacementCase{"REPLACE_MAIN_THRUST = \x01"
                        "engine.wav\n",
                        Outcome::BadReplacement, ""},
        ReplacementCase{"REPLACE_MODE_ROTATION = r.wav\n", Outcome::Taken,
                        "Sound\\_CustomVesselsSounds\\Tug\\r.wav"}));

TEST(ReplacementValueLimits, APathThatDoesNotFitIsRefusedNotCut) {
    std::string line = "REPLACE_MAIN_THRUST = " + std::string(200, 'e') + ".wav\n";
    ClassLine taken = readClassLine(line.c_str(), "Tug");
    EXPECT_EQ(taken.outcome, Outcome::Taken);
    std::string longClass(60, 'T');
    ClassLine refused = readClassLine(line.c_str(), longClass.c_str());
    EXPECT_EQ(refused.outcome, Outcome::PathTooLong);
    EXPECT_STREQ(refused.path, "");
}

struct PositionCase {
    const char* value;
    Outcome outcome;
    VECTOR3 left;
    VECTOR3 right;
    bool rightRefused;
};

class PositionValue : public testing::TestWithParam<PositionCase> {};

TEST_P(PositionValue, TakesPositionsWithinTenKilometres) {
    std::string text = std::string("3dMainThrustPos = ") + GetParam().value + "\n";
    ClassLine line = readClassLine(text.c_str(), "Tug");
    ASSERT_EQ(line.outcome, GetParam().outcome);
    if (line.outcome != Outcome::Taken) {
        return;
    }
    EXPECT_EQ(line.left.x, GetParam().left.x);
    EXPECT_EQ(line.left.y, GetParam().left.y);
    EXPECT_EQ(line.left.z, GetParam().left.z);
    EXPECT_EQ(line.right.x, GetParam().right.x);
    EXPECT_EQ(line.right.z, GetParam().right.z);
    EXPECT_EQ(line.rightOutOfRange, GetParam().rightRefused);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PositionValue,
    testing::Values(
        PositionCase{"{0,0,-12}", Outcome::Taken, {0, 0, -12}, {0, 0, -12}, false},
        PositionCase{"{0,0,-12}{1,0,-12}", Outcome::Taken, {0, 0, -12}, {1, 0, -12}, false},
        PositionCase{"{0,0,-12}{1,0,20000}", Outcome::Taken, {0, 0, -12}, {0, 0, -12}, true},
        PositionCase{
            "{10000,-10000,10000}", Outcome::Taken, {1e4, -1e4, 1e4}, {1e4, -1e4, 1e4}, false},
        PositionCase{"{10000.01,0,0}", Outcome::PositionOutOfRange, {}, {}, false},
        PositionCase{"{0,-10000.5,0}", Outcome::PositionOutOfRange, {}, {}, false},
        PositionCase{"{0,0 -12}", Outcome::BadPosition, {}, {}, false},
        PositionCase{"0,0,-12}", Outcome::BadPosition, {}, {}, false},
        PositionCase{"{0,0,-12", Outcome::BadPosition, {}, {}, false}));

// The C library reads these as numbers; in a class file they are text that is no number.
class NoDecimalNumber : public testing::TestWithParam<const char*> {};

std::string withValue(const char* pattern, const char* value) {
    std::string line = pattern;
    line.replace(line.find('#'), 1, value);
    return line;
}

TEST_P(NoDecimalNumber, ReadsAsTextThatIsNoNumber) {
    for (const char* pattern : {"3dRadioPos = {#,1,2}\n", "3dRadioPos = {1,#,2}\n",
                                "3dRadioPos = {1,2,#}\n", "3dRadioPos = {1,2,3}{#,5,6}\n"}) {
        ClassLine hostile = readClassLine(withValue(pattern, GetParam()).c_str(), "Tug");
        ClassLine text = readClassLine(withValue(pattern, "abc").c_str(), "Tug");
        SCOPED_TRACE(withValue(pattern, GetParam()));
        ASSERT_EQ(hostile.outcome, text.outcome);
        EXPECT_EQ(text.outcome, Outcome::Taken);
        for (auto coordinate : {&VECTOR3::x, &VECTOR3::y, &VECTOR3::z}) {
            EXPECT_EQ(hostile.left.*coordinate, text.left.*coordinate);
            EXPECT_EQ(hostile.right.*coordinate, text.right.*coordinate);
        }
        EXPECT_EQ(hostile.hasRight, text.hasRight);
        EXPECT_EQ(hostile.rightOutOfRange, text.rightOutOfRange);
    }
    const char* animation = "AnimationStereo_0 = move.wav, none, none, {1,#,2}{#,0,0}\n";
    AnimationLine hostile = readAnimationLine(
        withValue(withValue(animation, GetParam()).c_str(), GetParam()).c_str(), "Tug");
    AnimationLine text =
        readAnimationLine(withValue(withValue(animation, "abc").c_str(), "abc").c_str(), "Tug");
    ASSERT_EQ(hostile.outcome, text.outcome);
    EXPECT_EQ(text.outcome, AnimationLineOutcome::Taken);
    EXPECT_EQ(hostile.position.y, text.position.y);
    EXPECT_EQ(hostile.positionRight.x, text.positionRight.x);
}

INSTANTIATE_TEST_SUITE_P(Forms, NoDecimalNumber,
                         testing::Values("nan", "NAN", "-nan", "inf", "-inf", "infinity", "0x10",
                                         "0x1p3", "1e999"));

TEST(ClassFileReads, ALineLongerThanOneReadGoesOnAsTheNext) {
    std::string content = "PLAYGPWS = false   \n" + std::string(300, 'x') + "\nlast";
    FILE* file = std::tmpfile();
    std::fputs(content.c_str(), file);
    std::rewind(file);
    ClassFileReader reader(file);
    ClassFilePiece piece;
    std::vector<std::pair<int, bool>> pieces;
    std::vector<size_t> lengths;
    while (reader.next(piece)) {
        pieces.push_back({piece.lineNumber, piece.continued});
        lengths.push_back(std::string(piece.text).size());
    }
    std::fclose(file);
    EXPECT_EQ(pieces,
              (std::vector<std::pair<int, bool>>{{1, false}, {2, false}, {2, true}, {3, false}}));
    EXPECT_EQ(lengths, (std::vector<size_t>{20, 254, 47, 4}));
}

} // namespace
