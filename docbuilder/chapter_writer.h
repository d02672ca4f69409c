// One chapter of the page: its heading, its converted text lines and its closing, with the
// markup errors it holds.
#pragma once

#include "docbuilder/chapter.h"
#include "docbuilder/error_report.h"
#include "docbuilder/image_tags.h"

#include <string>
#include <vector>

namespace docbuilder {

inline constexpr const char* pageSeparator =
    "<br clear=\"all\" style=\"font-size: 1px; line-height: 0; height: 0; clear:left;\">";

struct ChapterPlacement {
    int spacingLines = 0; // "<br>" after the text
    bool last = false;    // the last chapter has no link back to the index
};

// Writes the chapter made of `fileLines` (the whole chapter file) at the end of `page`; errors
// go to `errors`, which must be writing into the same page.
void writeChapter(const Chapter& chapter, const std::vector<std::string>& fileLines,
                  const ChapterPlacement& placement, const ImageFolder& images, ErrorReport& errors,
                  std::string& page);

} // namespace docbuilder
