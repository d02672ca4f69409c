#include "docbuilder/text_lines.h"

#include "platform/file_system.h"

#include <cstdio>

namespace docbuilder {

std::optional<std::vector<std::string>> readTextLines(const std::string& systemPath) {
    FILE* file = platform::openFile(systemPath.c_str(), "r");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    std::string line;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        line += static_cast<char>(c);
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    std::fclose(file);
    return lines;
}

std::string cutAtLineEnd(const std::string& line) {
    return line.substr(0, line.find('\n'));
}

} // namespace docbuilder
