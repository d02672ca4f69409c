// Case-insensitive search and replace over the bytes of a page line, as every tag and placeholder
// of the markup is matched without regard to case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace docbuilder {

// Position of the first occurrence of `needle` at or after `from`, ignoring ASCII case, or npos.
size_t findNoCase(std::string_view text, std::string_view needle, size_t from = 0);

bool containsNoCase(std::string_view text, std::string_view needle);

// Replaces every occurrence of `needle` (ignoring case) by `replacement`, left to right, never
// rescanning inserted text; returns how many were replaced.
int replaceAllNoCase(std::string& text, std::string_view needle, std::string_view replacement);

// Case-sensitive counterpart, for the settings keys and the character escapes.
int replaceAll(std::string& text, std::string_view needle, std::string_view replacement);

} // namespace docbuilder
