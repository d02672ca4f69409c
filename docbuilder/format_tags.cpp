#include "docbuilder/format_tags.h"

#include "docbuilder/text_search.h"

#include <algorithm>
#include <stdexcept>

namespace docbuilder {

namespace {

std::string openingMarkup(std::string_view name) {
    return "[" + std::string(name) + "]";
}

std::string closingMarkup(std::string_view name) {
    return "[/" + std::string(name) + "]";
}

const FormatTag& formatTag(std::string_view name) {
    auto found = std::find_if(formatTags.begin(), formatTags.end(),
                              [&](const FormatTag& tag) { return tag.name == name; });
    if (found == formatTags.end()) {
        throw std::invalid_argument("no such format tag");
    }
    return *found;
}

} // namespace

size_t TagBalance::indexOf(std::string_view name) {
    if (name == codeBlockName) {
        return codeBlockIndex;
    }
    return static_cast<size_t>(&formatTag(name) - formatTags.data());
}

void TagBalance::countOpenings(std::string_view name, int count) {
    counts_[indexOf(name)].openings += count;
}

void TagBalance::countClosings(std::string_view name, int count) {
    counts_[indexOf(name)].closings += count;
}

void TagBalance::reportUnbalanced(ErrorReport& errors) const {
    for (size_t index = 0; index < counts_.size(); ++index) {
        std::string_view name = index == codeBlockIndex ? codeBlockName : formatTags[index].name;
        const Counts& counts = counts_[index];
        if (counts.openings > counts.closings) {
            errors.report("Error missing closing " + closingMarkup(name) + " tag!");
        } else if (counts.closings > counts.openings) {
            errors.report("Error missing opening " + openingMarkup(name) + " tag!");
        }
    }
}

void convertFormatTags(std::string& line, TagBalance& balance) {
    for (const FormatTag& tag : formatTags) {
        balance.countOpenings(tag.name,
                              replaceAllNoCase(line, openingMarkup(tag.name), tag.openingHtml));
        balance.countClosings(tag.name,
                              replaceAllNoCase(line, closingMarkup(tag.name), tag.closingHtml));
    }
}

void convertIndexFormatTags(std::string& line) {
    for (std::string_view name : indexFormatTags) {
        const FormatTag& tag = formatTag(name);
        replaceAllNoCase(line, openingMarkup(name), tag.openingHtml);
        replaceAllNoCase(line, closingMarkup(name), tag.closingHtml);
    }
}

void convertLineBreaks(std::string& line) {
    replaceAllNoCase(line, "[br]", "<br>");
}

} // namespace docbuilder
