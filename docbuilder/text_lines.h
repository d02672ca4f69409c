// The text files of the documentation as lists of lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace docbuilder {

// Every line of a text file, each with its line feed when it has one; nothing when the file
// cannot be opened. Lines have no length limit, so that nothing of a long line is lost.
std::optional<std::vector<std::string>> readTextLines(const std::string& systemPath);

// The line without its line feed and anything after it.
std::string cutAtLineEnd(const std::string& line);

} // namespace docbuilder
