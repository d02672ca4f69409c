#include "docbuilder/chapter.h"

namespace docbuilder {

namespace {

// The header that a created chapter file starts with takes these lines whatever they hold.
constexpr size_t headerLineCount = 3;

bool isComment(const std::string& line) {
    return !line.empty() && (line.front() == ';' || line.front() == '/');
}

} // namespace

std::vector<std::string> chapterTextLines(const std::vector<std::string>& fileLines) {
    std::vector<std::string> kept;
    for (size_t index = headerLineCount; index < fileLines.size(); ++index) {
        const std::string& line = fileLines[index];
        if (isComment(line) || (kept.empty() && line.size() < 2)) {
            continue;
        }
        kept.push_back(line);
    }
    while (!kept.empty() && kept.back().size() <= 2) {
        kept.pop_back();
    }
    return kept;
}

} // namespace docbuilder
