// Runs chapter text through the chapter writer and splits the page it gives into its parts.
#pragma once

#include "docbuilder/chapter_writer.h"

#include <sstream>
#include <string>
#include <vector>

namespace docbuilder::testing {

struct ConvertedChapter {
    std::string heading; // the chapter's title block
    std::string body;    // the converted text lines
    std::string closing; // separators, spacing, back link and the balance errors
    std::string console;
    int errors = 0;
};

// A picture folder in which nothing can be measured.
ImageFolder noPictures();

// `textLines` are the lines after the chapter file's three header lines, without line feeds.
ConvertedChapter convertChapter(const std::vector<std::string>& textLines,
                                const ImageFolder& images = noPictures(),
                                const ChapterPlacement& placement = {0, true});

} // namespace docbuilder::testing
