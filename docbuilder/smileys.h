// Smiley and bullet codes (":)", ":bulletb:") as the pictures of the smiley folder.
#pragma once

#include <string>

namespace docbuilder {

// Every smiley code of the line as its picture.
void convertSmileys(std::string& line);

// Every bullet code of the line as the start of a one-row table; returns how many were replaced,
// each of which the caller closes at the end of the line.
int convertBullets(std::string& line);

inline constexpr const char* bulletTableEnd = "</td></tr></table>";

} // namespace docbuilder
