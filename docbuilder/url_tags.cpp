#include "docbuilder/url_tags.h"

#include "docbuilder/text_search.h"

#include <string_view>

namespace docbuilder {

namespace {

constexpr std::string_view tagStart = "[url=";
constexpr std::string_view tagEnd = "[/url]";

std::string anchor(std::string address, const std::string& text) {
    bool external = containsNoCase(address, "http://");
    replaceAll(address, "&", "&amp;");
    return "<a href=\"" + address + "\"" + (external ? " target=\"_blank\">" : ">") + text + "</a>";
}

} // namespace

void convertUrlTags(std::string& line, ErrorReport& errors) {
    for (size_t start = findNoCase(line, tagStart); start != std::string::npos;) {
        size_t addressStart = start + tagStart.size();
        size_t addressEnd = line.find(']', addressStart);
        if (addressEnd == std::string::npos) {
            errors.report("Error bad formed Url tag:", std::string_view(line).substr(start));
            return;
        }
        size_t textEnd = findNoCase(line, tagEnd, addressEnd + 1);
        if (textEnd == std::string::npos) {
            errors.report("Error bad formed Url missing [/url]:",
                          std::string_view(line).substr(start));
            return;
        }
        std::string link = anchor(line.substr(addressStart, addressEnd - addressStart),
                                  line.substr(addressEnd + 1, textEnd - addressEnd - 1));
        line.replace(start, textEnd + tagEnd.size() - start, link);
        start = findNoCase(line, tagStart, start + link.size());
    }
}

} // namespace docbuilder
