#include "plugin/classconfig/class_name_form.h"

#include <cstring>
#include <initializer_list>

namespace zephyrin {

const char* const classSoundFolder = "Sound\\_CustomVesselsSounds";

namespace {

constexpr int separatorLetterCount = 26;

bool keptInForm(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A separator at `index` cuts everything up to it from the front; the letter appended at the end
// tells the separators' count, so that "Fleet\Tug" and "Navy\Tug" differ from "Tug".
void cutAtSeparator(char* form, size_t& length, size_t index, int& separators) {
    separators = (separators + 1) % separatorLetterCount;
    std::memmove(form, form + index + 1, length - index);
    length -= index + 1;
    form[length++] = static_cast<char>('A' + separators);
    form[length] = '\0';
}

} // namespace

bool classFileNameForm(const char* className, char* form, size_t formSize) {
    if (formSize == 0) {
        return false;
    }
    form[0] = '\0';
    if (className == nullptr) {
        return false;
    }
    size_t length = std::strlen(className);
    if (length >= formSize) {
        return false;
    }
    std::memcpy(form, className, length + 1);
    int separators = 0;
    // A cut never lengthens the text (it removes at least the separator and appends one
    // letter), and after each cut the index is checked against the new end again: a cut can
    // leave nothing at the index ("AB\C" becomes "CB").
    for (size_t index = 0; index < length; ++index) {
        for (char separator : {'\\', '/'}) {
            if (index < length && form[index] == separator) {
                cutAtSeparator(form, length, index, separators);
            }
        }
        if (index < length && !keptInForm(form[index])) {
            form[index] = '_';
        }
    }
    return true;
}

} // namespace zephyrin
