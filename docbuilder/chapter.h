// A chapter of the page: its anchor id, its title and the text file that holds it.
#pragma once

#include <string>
#include <vector>

namespace docbuilder {

struct Chapter {
    std::string id;       // letters and digits of the index name, anything else as "_"
    std::string title;    // escaped for the page
    std::string fileName; // "Page_<id>.txt"
};

// The lines of a chapter file that make its text: the generated header, comment lines and the
// blank lines around the text are left out. Lines keep their line feed.
std::vector<std::string> chapterTextLines(const std::vector<std::string>& fileLines);

} // namespace docbuilder
