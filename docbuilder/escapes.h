// Characters that the HTML page cannot show as they are written in the input files.
#pragma once

#include <string>

namespace docbuilder {

// The Windows-1252 bullet that the input files use for list items.
inline constexpr char bulletByte = '\x95';

// Settings and titles: the double quote, an ampersand before a blank and the bullet byte.
std::string escapeSettingText(std::string text);

// Chapter text: angle brackets, the double quote and an ampersand before a blank; the bullet
// byte is left for the end of the line's conversion.
std::string escapeChapterText(std::string text);

// The bullet byte as its HTML entity.
std::string replaceBulletBytes(std::string text);

} // namespace docbuilder
