#include "docbuilder/tab_columns.h"

#include <algorithm>

namespace docbuilder {

namespace {

constexpr int pixelsPerCharacter = 10;
constexpr int columnMargin = 90;

bool hasTab(const std::string& line) {
    return line.find('\t') != std::string::npos;
}

} // namespace

int visibleWidthBeforeTab(const std::string& line) {
    int width = 0;
    char closing = '\0';
    for (char c : line) {
        if (c == '\t') {
            break;
        }
        if (closing != '\0') {
            if (c == closing) {
                closing = '\0';
            }
        } else if (c == '<' || c == '[') {
            closing = c == '<' ? '>' : ']';
        } else {
            ++width;
        }
    }
    return width;
}

int tabRunColumn(const std::vector<std::string>& lines, size_t first) {
    int column = 0;
    for (size_t index = first; index < lines.size() && hasTab(lines[index]); ++index) {
        column = std::max(column, visibleWidthBeforeTab(lines[index]));
    }
    return column;
}

void convertTabColumn(std::string& line, int column) {
    size_t firstTab = line.find('\t');
    if (firstTab == std::string::npos) {
        return;
    }
    std::string rest = line.substr(firstTab + 1);
    rest.erase(std::remove(rest.begin(), rest.end(), '\t'), rest.end());
    line = line.substr(0, firstTab) + "<span style=\"position: absolute;left:" +
           std::to_string(column * pixelsPerCharacter + columnMargin) + "px;\">" + rest + "</span>";
}

} // namespace docbuilder
