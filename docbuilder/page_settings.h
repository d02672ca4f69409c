// The page settings held in "InputIndex.txt": title, meta data and the chapter spacing.
#pragma once

#include <string>
#include <vector>

namespace docbuilder {

struct PageSettings {
    std::string title;
    std::string metaContent;
    std::string metaAuthor;
    std::string metaLanguage;
    int emptyLinesAtEndOfChapter = 0;
};

// The settings found on any line of the index file; a key given twice keeps its last value.
PageSettings readPageSettings(const std::vector<std::string>& indexLines);

// The number of "<br>" after a chapter, kept to what a page can sensibly show.
int chapterSpacing(const PageSettings& settings);

} // namespace docbuilder
