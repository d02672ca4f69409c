// Decimal numbers in text, the one number form every file of the system writes: an optional
// sign, digits with an optional decimal point, an optional exponent. The C library's own
// conversions also take "nan", "inf" and hexadecimal, which no configuration means and which
// would pass every clamp as NaN or infinity.
#pragma once

#include <cstddef>

namespace zephyrin {

// Reads the decimal number at the start of `text` (after blanks). Returns the count of
// characters it took, blanks included, and sets `value`; 0 when the text starts with no decimal
// number or its value is not finite (`value` untouched).
size_t readDecimalNumber(const char* text, double& value);

// As the C library's atof reads a value, but decimal only: a text that is no decimal number
// reads as 0.
double decimalNumberOrZero(const char* text);

} // namespace zephyrin
