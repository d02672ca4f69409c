// The simulator's day numbers for build dates.
#pragma once

#include <optional>

namespace vrhost {

// A date written "Mmm dd yyyy" ("Aug 30 2010", as __DATE__ writes it) as the number of days
// since 1 January 2000; nothing when the text is no such date.
std::optional<int> dayNumber(const char* date);

} // namespace vrhost
