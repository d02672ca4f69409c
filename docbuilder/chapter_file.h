// Chapter files that the index names but that do not exist yet.
#pragma once

#include <string>

namespace docbuilder {

// The header a new chapter file starts with: its name and a reminder of the markup.
std::string chapterFileHeader(const std::string& fileName);

// Creates the chapter file with its header; false when it cannot be written.
bool createChapterFile(const std::string& systemPath, const std::string& fileName);

} // namespace docbuilder
