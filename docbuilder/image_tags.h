// "[img=FILE]CAPTION[/img]": a picture of the img folder floated left with its caption.
#pragma once

#include "docbuilder/error_report.h"
#include "docbuilder/picture_size.h"

#include <string>

namespace docbuilder {

struct ImageFolder {
    std::string systemPath; // where the pictures are measured, with a trailing separator
    PictureMeasure measure;
};

// Every image tag of the line as a floating picture box; returns whether one was placed.
// A tag that cannot be placed is reported and ends the search in this line.
bool convertImageTags(std::string& line, const ImageFolder& folder, ErrorReport& errors);

} // namespace docbuilder
