#include "plugin/classconfig/animation_line.h"

#include "plugin/classconfig/class_line_grammar.h"
#include "plugin/classconfig/class_name_form.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace zephyrin {

namespace {

constexpr unsigned char firstPrintableCode = 20;
constexpr int fieldBlanks = 5;
constexpr size_t shortestFileField = 6;

struct FormWord {
    const char* word;
    AnimationForm form;
};
constexpr FormWord formWords[] = {
    {"_", AnimationForm::Mono},
    {"Stereo_", AnimationForm::Stereo},
    {"Switch_", AnimationForm::Switch},
};

// One file field from `at` to its comma; returns the character after the comma, or null with
// the reason in `outcome`. A field that names no ".wav" file leaves `file` empty.
const char* readFileField(const char* at, const char* classForm, char (&file)[animationFileSize],
                          AnimationLineOutcome& outcome) {
    int blanks = 0;
    while (blanks < fieldBlanks && *at == ' ') {
        ++at;
        ++blanks;
    }
    if (blanks > 0 && static_cast<unsigned char>(*at) < firstPrintableCode) {
        outcome = AnimationLineOutcome::ControlCharacter;
        return nullptr;
    }
    const char* comma = std::strchr(at, ',');
    if (comma == nullptr) {
        outcome = AnimationLineOutcome::MissingComma;
        return nullptr;
    }
    file[0] = '\0';
    size_t length = static_cast<size_t>(comma - at);
    size_t reach = length < animationExtensionReach ? length : animationExtensionReach;
    const char* end = findWaveExtension(at, reach);
    if (length >= shortestFileField && end != nullptr) {
        int written = std::snprintf(file, sizeof file, "%s\\%s\\%.*s", classSoundFolder, classForm,
                                    static_cast<int>(end - at), at);
        if (written < 0 || written >= static_cast<int>(sizeof file)) {
            file[0] = '\0';
            outcome = AnimationLineOutcome::PathTooLong;
            return nullptr;
        }
    }
    return comma + 1;
}

bool readPosition(const char* from, VECTOR3& position, const char** end) {
    const char* open = std::strchr(from, '{');
    if (open == nullptr) {
        return false;
    }
    *end = readTriple(open + 1, position);
    return *end != nullptr;
}

// The animation number: digits only, at most 200.
bool readNumber(const char* at, int& number, const char** end) {
    if (!std::isdigit(static_cast<unsigned char>(*at))) {
        return false;
    }
    number = 0;
    while (std::isdigit(static_cast<unsigned char>(*at))) {
        number = number * 10 + (*at - '0');
        if (number > highestAnimationNumber) {
            return false;
        }
        ++at;
    }
    *end = at;
    return true;
}

} // namespace

AnimationLine readAnimationLine(const char* line, const char* classForm) {
    AnimationLine result{};
    result.outcome = AnimationLineOutcome::NotAnimation;
    const char* word = std::strncmp(line, "An", 2) == 0 ? std::strstr(line, "Animation") : nullptr;
    if (word == nullptr) {
        return result;
    }
    const char* afterWord = word + std::strlen("Animation");
    const char* at = nullptr;
    for (const FormWord& form : formWords) {
        if (std::strncmp(afterWord, form.word, std::strlen(form.word)) == 0) {
            result.form = form.form;
            at = afterWord + std::strlen(form.word);
        }
    }
    if (at == nullptr) {
        result.outcome = AnimationLineOutcome::UnknownForm;
        return result;
    }
    if (!readNumber(at, result.animation, &at)) {
        result.outcome = AnimationLineOutcome::BadNumber;
        return result;
    }
    at = std::strchr(at, '=');
    if (at == nullptr) {
        result.outcome = AnimationLineOutcome::MissingEquals;
        return result;
    }
    ++at;
    char(*fields[])[animationFileSize] = {&result.moveFile, &result.openFile, &result.closeFile};
    int fieldCount = result.form == AnimationForm::Switch ? 1 : 3;
    for (int field = 0; field < fieldCount; ++field) {
        at = readFileField(at, classForm, *fields[field], result.outcome);
        if (at == nullptr) {
            return result;
        }
    }
    if (result.moveFile[0] == '\0' && result.openFile[0] == '\0' && result.closeFile[0] == '\0') {
        result.outcome = AnimationLineOutcome::NoSound;
        return result;
    }
    const char* end = nullptr;
    if (result.form != AnimationForm::Switch) {
        const char* brace = std::strchr(at, '{');
        const char* radio = std::strstr(at, "RADIOPOS");
        result.atRadioPosition = radio != nullptr && (brace == nullptr || radio < brace);
    }
    if (!readPosition(afterWord, result.position, &end)) {
        result.outcome = AnimationLineOutcome::BadPosition;
        return result;
    }
    result.positionRight = result.position;
    if (result.form == AnimationForm::Stereo && !readPosition(end, result.positionRight, &end)) {
        result.outcome = AnimationLineOutcome::BadPosition;
        return result;
    }
    result.outcome = AnimationLineOutcome::Taken;
    return result;
}

} // namespace zephyrin
