#include "docbuilder/page_index.h"

#include "docbuilder/escapes.h"
#include "docbuilder/format_tags.h"
#include "docbuilder/text_lines.h"
#include "docbuilder/text_search.h"
#include "docbuilder/url_tags.h"

#include <algorithm>
#include <optional>

namespace docbuilder {

namespace {

constexpr std::string_view indexMarker = "<startofindex>";
constexpr std::string_view chapterMarker = "<Index_";

bool isAsciiLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool isComment(const std::string& line) {
    return !line.empty() && (line.front() == ';' || line.front() == '/');
}

std::optional<Chapter> chapterOf(const std::string& line) {
    size_t nameStart = findNoCase(line, chapterMarker);
    if (nameStart == std::string::npos) {
        return std::nullopt;
    }
    nameStart += chapterMarker.size();
    size_t nameEnd = line.find('>', nameStart);
    if (nameEnd == std::string::npos) {
        return std::nullopt;
    }
    std::string title = line.substr(nameEnd + 1);
    auto titleStart = std::find_if(title.begin(), title.end(), isAsciiLetterOrDigit);
    Chapter chapter;
    chapter.id = chapterId(std::string_view(line).substr(nameStart, nameEnd - nameStart));
    chapter.title = escapeSettingText(std::string(titleStart, title.end()));
    chapter.fileName = "Page_" + chapter.id + ".txt";
    return chapter;
}

std::string indexTextLine(const std::string& line, ErrorReport& errors) {
    std::string html = line;
    replaceAll(html, "<", "&lt;");
    replaceAll(html, ">", "&gt;");
    html = escapeSettingText(std::move(html));
    convertIndexFormatTags(html);
    convertUrlTags(html, errors);
    if (containsNoCase(html, "<a href")) {
        html.insert(0, "&nbsp;&nbsp;");
    }
    return html + "<br>\n";
}

} // namespace

std::string chapterId(std::string_view indexName) {
    std::string id(indexName);
    std::replace_if(
        id.begin(), id.end(), [](char c) { return !isAsciiLetterOrDigit(c); }, '_');
    return id;
}

PageIndex readPageIndex(const std::vector<std::string>& indexLines, ErrorReport& errors,
                        const std::function<void(const Chapter&)>& chapterListed) {
    PageIndex index;
    auto marker = std::find_if(indexLines.begin(), indexLines.end(), [](const std::string& line) {
        return containsNoCase(line, indexMarker);
    });
    if (marker == indexLines.end()) {
        return index;
    }
    for (auto rawLine = std::next(marker); rawLine != indexLines.end(); ++rawLine) {
        std::string line = cutAtLineEnd(*rawLine);
        if (isComment(line)) {
            continue;
        }
        if (std::optional<Chapter> chapter = chapterOf(line)) {
            chapterListed(*chapter);
            index.html +=
                "&nbsp;&nbsp;<a href=\"#c" + chapter->id + "\">" + chapter->title + "</a><br>\n";
            index.chapters.push_back(std::move(*chapter));
        } else {
            index.html += indexTextLine(line, errors);
        }
    }
    return index;
}

} // namespace docbuilder
