#include "docbuilder/text_search.h"

#include <cctype>
#include <cstring>

namespace docbuilder {

namespace {

bool equalNoCase(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

template <typename Find>
int replaceEvery(std::string& text, std::string_view needle, std::string_view replacement,
                 Find find) {
    if (needle.empty()) {
        return 0;
    }
    int count = 0;
    for (size_t at = find(text, needle, 0); at != std::string::npos;
         at = find(text, needle, at + replacement.size())) {
        text.replace(at, needle.size(), replacement);
        ++count;
    }
    return count;
}

} // namespace

size_t findNoCase(std::string_view text, std::string_view needle, size_t from) {
    if (needle.empty() || needle.size() > text.size()) {
        return needle.empty() && from <= text.size() ? from : std::string::npos;
    }
    // The candidates are where the needle's first letter stands in either case; the C library
    // finds those far faster than a comparison at every position, which counts on long pages.
    const size_t lastStart = text.size() - needle.size();
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(needle[0])));
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(needle[0])));
    auto nextOf = [&](char wanted, size_t at) {
        if (at > lastStart) {
            return std::string::npos;
        }
        const void* found = std::memchr(text.data() + at, wanted, lastStart + 1 - at);
        return found == nullptr
                   ? std::string::npos
                   : static_cast<size_t>(static_cast<const char*>(found) - text.data());
    };
    size_t nextLower = nextOf(lower, from);
    size_t nextUpper = upper == lower ? std::string::npos : nextOf(upper, from);
    while (nextLower != std::string::npos || nextUpper != std::string::npos) {
        const bool lowerFirst = nextLower < nextUpper;
        const size_t at = lowerFirst ? nextLower : nextUpper;
        size_t matched = 1;
        while (matched < needle.size() && equalNoCase(text[at + matched], needle[matched])) {
            ++matched;
        }
        if (matched == needle.size()) {
            return at;
        }
        if (lowerFirst) {
            nextLower = nextOf(lower, at + 1);
        } else {
            nextUpper = nextOf(upper, at + 1);
        }
    }
    return std::string::npos;
}

bool containsNoCase(std::string_view text, std::string_view needle) {
    return findNoCase(text, needle) != std::string::npos;
}

int replaceAllNoCase(std::string& text, std::string_view needle, std::string_view replacement) {
    return replaceEvery(text, needle, replacement,
                        [](std::string_view haystack, std::string_view what, size_t from) {
                            return findNoCase(haystack, what, from);
                        });
}

int replaceAll(std::string& text, std::string_view needle, std::string_view replacement) {
    return replaceEvery(text, needle, replacement,
                        [](std::string_view haystack, std::string_view what, size_t from) {
                            return haystack.find(what, from);
                        });
}

} // namespace docbuilder
