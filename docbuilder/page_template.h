// The HTML template "InputHtmlHeaderSource.html": the page around the index and the chapters.
#pragma once

#include "docbuilder/page_settings.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace docbuilder {

// The template cut at its two marker lines: before the index, between the index and the
// chapters, and after the chapters.
struct PageTemplate {
    std::array<std::string, 3> parts;
};

// The title band is never lower than this, whatever its background picture measures.
inline constexpr int smallestTitleHeight = 20;

// The template with its placeholders filled; nothing unless exactly two lines hold the marker.
std::optional<PageTemplate> fillPageTemplate(const std::vector<std::string>& templateLines,
                                             const PageSettings& settings, int titleHeight);

} // namespace docbuilder
