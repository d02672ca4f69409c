#include "plugin/classconfig/class_line_grammar.h"

#include "plugin/classconfig/class_keys.h"
#include "plugin/classconfig/class_name_form.h"
#include "shared/decimal_number.h"

#include <cctype>
#include <cmath>
#include <cstring>

namespace zephyrin {

namespace {

constexpr unsigned char firstPrintableCode = 20;
// "false" or "true" may start right after the equals sign or one character later.
constexpr long booleanWordReach = 2;
constexpr size_t shortestReplacementName = 5;

bool startsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

int readBoolean(const char* afterKey) {
    const char* equals = std::strchr(afterKey, '=');
    if (equals == nullptr) {
        return classKeyAbsent;
    }
    const char* word = std::strstr(equals, "false");
    if (word != nullptr && word - equals <= booleanWordReach) {
        return classFalse;
    }
    word = std::strstr(equals, "true");
    if (word != nullptr && word - equals <= booleanWordReach) {
        return classTrue;
    }
    return classKeyAbsent;
}

bool withinLimit(const VECTOR3& v) {
    return std::fabs(v.x) <= classPositionLimitM && std::fabs(v.y) <= classPositionLimitM &&
           std::fabs(v.z) <= classPositionLimitM;
}

void takeBoolean(ClassLine& line, const char* afterKey, ClassLineKind kind, int keyIndex,
                 const char* key) {
    line.key = key;
    line.booleanValue = readBoolean(afterKey);
    if (line.booleanValue == classKeyAbsent) {
        line.outcome = ClassLineOutcome::BadBoolean;
        return;
    }
    line.outcome = ClassLineOutcome::Taken;
    line.kind = kind;
    line.keyIndex = keyIndex;
}

void takeReplacement(ClassLine& line, const char* afterKey, int keyIndex, const char* classForm) {
    line.key = classReplacementKeys[keyIndex].name;
    line.outcome = ClassLineOutcome::BadReplacement;
    const char* value = std::strchr(afterKey, '=');
    if (value == nullptr) {
        return;
    }
    ++value;
    int blanks = 0;
    while (blanks < classLineLeadingBlanks && *value == ' ') {
        ++value;
        ++blanks;
    }
    if (blanks > 0 && static_cast<unsigned char>(*value) < firstPrintableCode) {
        return;
    }
    const char* end = findWaveExtension(value, std::strlen(value));
    if (end == nullptr || static_cast<size_t>(end - value) < shortestReplacementName) {
        return;
    }
    int written = std::snprintf(line.path, sizeof line.path, "%s\\%s\\%.*s", classSoundFolder,
                                classForm, static_cast<int>(end - value), value);
    if (written < 0 || written >= static_cast<int>(sizeof line.path)) {
        line.path[0] = '\0';
        line.outcome = ClassLineOutcome::PathTooLong;
        return;
    }
    line.outcome = ClassLineOutcome::Taken;
    line.kind = ClassLineKind::Replacement;
    line.keyIndex = keyIndex;
}

void takePosition(ClassLine& line, const char* afterKey, int keyIndex) {
    line.key = classPositionKeys[keyIndex].name;
    line.keyIndex = keyIndex; // an out-of-range position unsets its entry
    line.outcome = ClassLineOutcome::BadPosition;
    const char* open = std::strchr(afterKey, '{');
    const char* close = open != nullptr ? std::strchr(open, '}') : nullptr;
    if (std::strchr(afterKey, '=') == nullptr || close == nullptr ||
        readTriple(open + 1, line.left) == nullptr) {
        return;
    }
    if (!withinLimit(line.left)) {
        line.outcome = ClassLineOutcome::PositionOutOfRange;
        return;
    }
    line.outcome = ClassLineOutcome::Taken;
    line.kind = ClassLineKind::Position;
    line.keyIndex = keyIndex;
    line.right = line.left;
    const char* secondOpen = std::strchr(close, '{');
    if (secondOpen == nullptr || std::strchr(secondOpen, '}') == nullptr) {
        return;
    }
    VECTOR3 right{};
    if (readTriple(secondOpen + 1, right) != nullptr && withinLimit(right)) {
        line.right = right;
        line.hasRight = true;
    } else {
        line.rightOutOfRange = true;
    }
}

// The keys of a line's first letter, in the order the plug-in has always tried them.
void findKey(ClassLine& line, const char* text, const char* classForm) {
    line.outcome = ClassLineOutcome::UnknownKey;
    switch (text[0]) {
    case 'P':
        for (int index = 0; index < classOptionKeyCount; ++index) {
            const char* key = classOptionKeys[index].name;
            if (index != displayTimerKeyIndex && startsWith(text, key)) {
                takeBoolean(line, text + std::strlen(key), ClassLineKind::Option, index, key);
                if (line.outcome == ClassLineOutcome::Taken) {
                    return;
                }
            }
        }
        break;
    case 'R':
        for (int index = 0; index < classReplacementKeyCount; ++index) {
            const char* key = classReplacementKeys[index].name;
            if (startsWith(text, key)) {
                takeReplacement(line, text + std::strlen(key), index, classForm);
                if (line.outcome == ClassLineOutcome::Taken) {
                    return;
                }
            }
        }
        if (startsWith(text, replaceAllGpwsKey)) {
            takeBoolean(line, text + std::strlen(replaceAllGpwsKey), ClassLineKind::ReplaceAllGpws,
                        0, replaceAllGpwsKey);
        }
        return;
    case '3':
        for (int index = 0; index < stockPositionCount; ++index) {
            const char* key = classPositionKeys[index].name;
            if (startsWith(text, key)) {
                takePosition(line, text + std::strlen(key), index);
                if (line.outcome == ClassLineOutcome::Taken) {
                    return;
                }
            }
        }
        return;
    case 'A':
        line.outcome = ClassLineOutcome::AnimationLine;
        return;
    default:
        break;
    }
    const char* timer = classOptionKeys[displayTimerKeyIndex].name;
    if (startsWith(text, timer)) {
        takeBoolean(line, text + std::strlen(timer), ClassLineKind::Option, displayTimerKeyIndex,
                    timer);
    }
}

} // namespace

const char* findWaveExtension(const char* text, size_t limit) {
    static const char extension[] = ".wav";
    constexpr size_t extensionLength = sizeof extension - 1;
    size_t length = strnlen(text, limit);
    for (size_t at = 0; at + extensionLength <= length; ++at) {
        size_t matched = 0;
        while (matched < extensionLength &&
               std::tolower(static_cast<unsigned char>(text[at + matched])) == extension[matched]) {
            ++matched;
        }
        if (matched == extensionLength) {
            return text + at + extensionLength;
        }
    }
    return nullptr;
}

const char* readTriple(const char* text, VECTOR3& value) {
    double* coordinates[] = {&value.x, &value.y, &value.z};
    const char* at = text;
    for (int axis = 0; axis < 3; ++axis) {
        if (axis > 0) {
            at = std::strchr(at, ',');
            if (at == nullptr) {
                return nullptr;
            }
            ++at;
        }
        // Text that is no decimal number reads as 0, "nan", "inf" and hexadecimal included.
        double coordinate = 0;
        at += readDecimalNumber(at, coordinate);
        *coordinates[axis] = coordinate;
    }
    return at;
}

ClassLine readClassLine(const char* line, const char* classForm) {
    ClassLine result{};
    result.keyIndex = -1;
    result.text = line;
    if (line[0] == '\0' || line[0] == '\n') {
        result.outcome = ClassLineOutcome::Empty;
        return result;
    }
    // The slash test looks at no character past the line's end.
    for (int at = 0; at < 3 && line[at] != '\0'; ++at) {
        if (line[at] == '/') {
            result.outcome = ClassLineOutcome::SlashInFirstThree;
            return result;
        }
    }
    if (static_cast<unsigned char>(line[0]) < firstPrintableCode) {
        result.outcome = ClassLineOutcome::ControlCharacter;
        return result;
    }
    const char* text = line;
    for (int blanks = 0; blanks < classLineLeadingBlanks && *text == ' '; ++blanks) {
        ++text;
    }
    result.text = text;
    if (*text == ' ') {
        result.outcome = ClassLineOutcome::TooManyBlanks;
        return result;
    }
    if (*text == '\0' || std::strchr("PDR3A", *text) == nullptr) {
        result.outcome = ClassLineOutcome::NotAKeyLetter;
        return result;
    }
    if (startsWith(text, displayDebugHelpKey)) {
        takeBoolean(result, text + std::strlen(displayDebugHelpKey), ClassLineKind::DebugDisplay, 0,
                    displayDebugHelpKey);
        if (result.outcome == ClassLineOutcome::Taken) {
            return result;
        }
    }
    if (std::strlen(text) < static_cast<size_t>(classLineMinimumLength)) {
        result.outcome = ClassLineOutcome::TooShort;
        return result;
    }
    ClassLineOutcome debugFailure = result.outcome;
    const char* debugKey = result.key;
    findKey(result, text, classForm);
    if (result.outcome == ClassLineOutcome::UnknownKey && debugKey != nullptr) {
        result.outcome = debugFailure;
        result.key = debugKey;
    }
    return result;
}

bool ClassFileReader::next(ClassFilePiece& piece) {
    if (std::fgets(piece.text, sizeof piece.text, file_) == nullptr) {
        return false;
    }
    piece.continued = !lineEnded_;
    if (lineEnded_) {
        ++lineNumber_;
    }
    piece.lineNumber = lineNumber_;
    size_t length = std::strlen(piece.text);
    lineEnded_ = length > 0 && piece.text[length - 1] == '\n';
    return true;
}

} // namespace zephyrin
