// One line of a vessel class file as the plug-in reads it: which key it names and with which
// value, or why it is skipped. Reading a line changes nothing; the class configuration applies
// what it says, and the class file checker prints it, so both always read a line alike.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdio>

namespace zephyrin {

// A read takes at most 254 characters and keeps the line end; a longer line goes on as the next.
constexpr int classFileReadSize = 255;
constexpr int classPathSize = 255;
constexpr int classLineMinimumLength = 19; // from the first non-blank, the line end included
constexpr int classLineLeadingBlanks = 5;
constexpr double classPositionLimitM = 10000.0;

enum class ClassLineOutcome {
    Taken,
    Empty,
    SlashInFirstThree,
    ControlCharacter,
    TooManyBlanks,
    NotAKeyLetter, // the first character after the blanks is not P, D, R, 3 or A
    TooShort,
    UnknownKey,
    BadBoolean,     // not "false" or "true" within two characters after the equals sign
    BadReplacement, // no equals sign, no ".wav", or a name shorter than 5 characters
    PathTooLong,
    BadPosition, // no equals sign, braces or commas
    PositionOutOfRange,
    AnimationLine, // for the animation parser
};

enum class ClassLineKind { None, DebugDisplay, Option, Replacement, ReplaceAllGpws, Position };

enum ClassBoolean : int { classKeyAbsent = 0, classFalse = 1, classTrue = 2 };

struct ClassLine {
    ClassLineOutcome outcome;
    ClassLineKind kind;
    int keyIndex;             // into the key table of the kind
    const char* key;          // the key's name; null when none matched
    int booleanValue;         // classFalse or classTrue
    char path[classPathSize]; // replacement: the file in the class's sound folder
    VECTOR3 left;             // position: the one given, or the left channel's
    VECTOR3 right;            // the right channel's; equal to left unless hasRight
    bool hasRight;            // a valid second position was given
    bool rightOutOfRange;     // a second position was given and refused
    const char* text;         // the line from its first non-blank character
};

// `line` holds one read of the file; `classForm` names the class's sound folder.
ClassLine readClassLine(const char* line, const char* classForm);

// The reads of a class file in order; a piece continuing a long line keeps the line's number.
struct ClassFilePiece {
    char text[classFileReadSize];
    int lineNumber; // from 1
    bool continued; // the rest of a line longer than one read
};

class ClassFileReader {
public:
    explicit ClassFileReader(FILE* file) : file_(file) {}
    bool next(ClassFilePiece& piece);

private:
    FILE* file_;
    int lineNumber_ = 0;
    bool lineEnded_ = true;
};

// Whether `text` holds ".wav" in any case within its first `limit` characters; returns where
// the extension ends, or null.
const char* findWaveExtension(const char* text, size_t limit);

// Reads "x,y,z" after an opening brace; returns the end of z, or null when a comma is missing.
// Each coordinate is a decimal number; text that is none reads as 0.
const char* readTriple(const char* text, VECTOR3& value);

} // namespace zephyrin
