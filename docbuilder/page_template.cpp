#include "docbuilder/page_template.h"

#include "docbuilder/text_search.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace docbuilder {

namespace {

constexpr std::string_view partMarker = "<ProgramWillPlaceNextVoranthHelpTextHere>";

void fillPlaceholders(std::string& line, const PageSettings& settings, int titleHeight) {
    const std::pair<std::string_view, std::string> placeholders[] = {
        {"<ProgramWillPlaceTitleHere>", settings.title},
        {"<ProgramWillPlaceMetaDescriptionHere>", settings.metaContent},
        {"<ProgramWillPlaceMetaAuthorHere>", settings.metaAuthor},
        {"<ProgramWillPlaceLanguageHere>", settings.metaLanguage},
        {"<ProgramWillPlaceTitleHeightHere>",
         std::to_string(std::max(titleHeight, smallestTitleHeight)) + "px;"},
    };
    for (const auto& [placeholder, value] : placeholders) {
        replaceAllNoCase(line, placeholder, value);
    }
}

} // namespace

std::optional<PageTemplate> fillPageTemplate(const std::vector<std::string>& templateLines,
                                             const PageSettings& settings, int titleHeight) {
    PageTemplate page;
    size_t part = 0;
    for (const std::string& templateLine : templateLines) {
        if (containsNoCase(templateLine, partMarker)) {
            if (part == page.parts.size() - 1) {
                return std::nullopt;
            }
            page.parts[part++] += "<br>";
            continue;
        }
        std::string line = templateLine;
        fillPlaceholders(line, settings, titleHeight);
        page.parts[part] += line;
    }
    if (part != page.parts.size() - 1) {
        return std::nullopt;
    }
    return page;
}

} // namespace docbuilder
