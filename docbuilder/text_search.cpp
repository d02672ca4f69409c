#include "docbuilder/text_search.h"

#include <cctype>

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
    for (size_t at = from; at + needle.size() <= text.size(); ++at) {
        size_t matched = 0;
        while (matched < needle.size() && equalNoCase(text[at + matched], needle[matched])) {
            ++matched;
        }
        if (matched == needle.size()) {
            return at;
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
