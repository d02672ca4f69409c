#include "shared/decimal_number.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zephyrin {

namespace {

size_t digitsAt(const char* text, size_t at) {
    size_t count = 0;
    while (std::isdigit(static_cast<unsigned char>(text[at + count])) != 0) {
        ++count;
    }
    return count;
}

} // namespace

size_t readDecimalNumber(const char* text, double& value) {
    if (text == nullptr) {
        return 0;
    }
    size_t at = 0;
    while (text[at] == ' ' || text[at] == '\t') {
        ++at;
    }
    const size_t start = at;
    if (text[at] == '+' || text[at] == '-') {
        ++at;
    }
    size_t digits = digitsAt(text, at);
    at += digits;
    if (text[at] == '.') {
        const size_t fraction = digitsAt(text, at + 1);
        if (digits + fraction > 0) {
            at += 1 + fraction;
            digits += fraction;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (text[at] == 'e' || text[at] == 'E') {
        size_t exponentAt = at + 1;
        if (text[exponentAt] == '+' || text[exponentAt] == '-') {
            ++exponentAt;
        }
        const size_t exponentDigits = digitsAt(text, exponentAt);
        if (exponentDigits > 0) {
            at = exponentAt + exponentDigits;
        }
    }
    // Only the checked characters reach the conversion, so it cannot read a hexadecimal or
    // other form that continues them.
    const double converted = std::strtod(std::string(text + start, at - start).c_str(), nullptr);
    if (!std::isfinite(converted)) {
        return 0;
    }
    value = converted;
    return at;
}

double decimalNumberOrZero(const char* text) {
    double value = 0;
    return readDecimalNumber(text, value) > 0 ? value : 0;
}

} // namespace zephyrin
