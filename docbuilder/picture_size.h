// The pixel size of a picture file, whatever format the picture loader reads.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace docbuilder {

struct PictureSize {
    int width = 0;
    int height = 0;
};

// Nothing when the file is missing or not a picture the loader reads. An SVG drawing measures
// by the width and height of its root element, in whole pixels.
std::optional<PictureSize> measurePicture(const std::string& systemPath);

using PictureMeasure = std::function<std::optional<PictureSize>(const std::string& systemPath)>;

} // namespace docbuilder
