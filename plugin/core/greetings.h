#pragma once

#include <cstddef>
#include <ctime>

namespace zephyrin {

// The greeting of a date: its sound file, with its message written to `message`; null on the
// other days of the year.
const char* greetingOf(const std::tm& date, char* message, size_t messageSize);

// Greets the pilot on 25 December, 31 December and 1 January, at the first window open of the
// process only: the greeting sound goes into its slot, the message waits for the first frames.
void CheckSpecialDate();

} // namespace zephyrin
