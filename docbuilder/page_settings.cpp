#include "docbuilder/page_settings.h"

#include "docbuilder/escapes.h"
#include "docbuilder/text_lines.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace docbuilder {

namespace {

constexpr int maximumChapterSpacing = 10;

void readTextSetting(const std::string& line, std::string_view key, std::string& value) {
    size_t at = line.find(key);
    if (at != std::string::npos) {
        value = escapeSettingText(line.substr(at + key.size()));
    }
}

} // namespace

PageSettings readPageSettings(const std::vector<std::string>& indexLines) {
    PageSettings settings;
    for (const std::string& rawLine : indexLines) {
        std::string line = cutAtLineEnd(rawLine);
        readTextSetting(line, "Title=", settings.title);
        readTextSetting(line, "MetaContent=", settings.metaContent);
        readTextSetting(line, "MetaAuthor=", settings.metaAuthor);
        readTextSetting(line, "MetaLanguage=", settings.metaLanguage);
        constexpr std::string_view spacingKey = "NbrEmptyLineAtEndOfChapter=";
        size_t at = line.find(spacingKey);
        if (at != std::string::npos) {
            settings.emptyLinesAtEndOfChapter = std::atoi(line.c_str() + at + spacingKey.size());
        }
    }
    return settings;
}

int chapterSpacing(const PageSettings& settings) {
    return std::clamp(settings.emptyLinesAtEndOfChapter, 0, maximumChapterSpacing);
}

} // namespace docbuilder
