// The index part of "InputIndex.txt": the chapters in page order and the index's HTML.
#pragma once

#include "docbuilder/chapter.h"
#include "docbuilder/error_report.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace docbuilder {

struct PageIndex {
    std::vector<Chapter> chapters;
    std::string html; // the index entries and text lines, as they open the page
};

// Letters and digits of an index name as they are; anything else as "_".
std::string chapterId(std::string_view indexName);

// The index from the lines after the first "<startofindex>" line; `chapterListed` is called for
// every chapter line as it is read.
PageIndex readPageIndex(const std::vector<std::string>& indexLines, ErrorReport& errors,
                        const std::function<void(const Chapter&)>& chapterListed);

} // namespace docbuilder
