#include "docbuilder/escapes.h"

#include "docbuilder/text_search.h"

namespace docbuilder {

namespace {

// The ampersand goes first so that the entities written by the other escapes stay intact.
std::string escapeQuoteAndAmpersand(std::string text) {
    replaceAll(text, "& ", "&amp; ");
    replaceAll(text, "\"", "&quot;");
    return text;
}

} // namespace

std::string escapeSettingText(std::string text) {
    return replaceBulletBytes(escapeQuoteAndAmpersand(std::move(text)));
}

std::string escapeChapterText(std::string text) {
    replaceAll(text, "<", "&lt;");
    replaceAll(text, ">", "&gt;");
    return escapeQuoteAndAmpersand(std::move(text));
}

std::string replaceBulletBytes(std::string text) {
    replaceAll(text, std::string(1, bulletByte), "&#8226;");
    return text;
}

} // namespace docbuilder
