// The parts of the file search that every system shares: the wildcard match and the order of
// the entries.
#include "file_system.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <strings.h>

namespace platform {

namespace {
bool sameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}
} // namespace

bool wildcardMatch(const char* pattern, const char* name) {
    if (std::strcmp(pattern, "*.*") == 0) {
        return true;
    }
    const char* starPattern = nullptr;
    const char* starName = nullptr;
    while (*name != '\0') {
        if (*pattern == '*') {
            starPattern = ++pattern;
            starName = name;
        } else if (*pattern == '?' || (*pattern != '\0' && sameLetter(*pattern, *name))) {
            ++pattern;
            ++name;
        } else if (starPattern != nullptr) {
            pattern = starPattern;
            name = ++starName;
        } else {
            return false;
        }
    }
    while (*pattern == '*') {
        ++pattern;
    }
    return *pattern == '\0';
}

void sortFolderEntries(std::vector<FolderEntry>& entries) {
    auto rank = [](const std::string& name) { return name == "." ? 0 : name == ".." ? 1 : 2; };
    std::sort(entries.begin(), entries.end(), [&](const FolderEntry& a, const FolderEntry& b) {
        if (rank(a.name) != rank(b.name)) {
            return rank(a.name) < rank(b.name);
        }
        int order = ::strcasecmp(a.name.c_str(), b.name.c_str());
        return order != 0 ? order < 0 : a.name < b.name;
    });
}

} // namespace platform
