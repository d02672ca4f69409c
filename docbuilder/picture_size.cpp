#include "docbuilder/picture_size.h"

#include "platform/file_system.h"

#include <cstdio>
#include <cstdlib>
#include <stb/stb_image.h>
#include <string>

namespace docbuilder {

namespace {
// The root element of an SVG drawing sits near its start.
constexpr size_t svgHeadBytes = 4096;
constexpr long largestSvgSide = 100000;

// A whole number of pixels, "640" or "640px", of an attribute of the root element.
std::optional<int> svgLength(const std::string& rootTag, const std::string& attribute) {
    size_t start = rootTag.find(" " + attribute + "=\"");
    if (start == std::string::npos) {
        return std::nullopt;
    }
    start += attribute.size() + 3;
    size_t end = rootTag.find('"', start);
    std::string value = rootTag.substr(start, end - start);
    if (value.size() > 2 && value.ends_with("px")) {
        value.resize(value.size() - 2);
    }
    char* rest = nullptr;
    long length = std::strtol(value.c_str(), &rest, 10);
    if (value.empty() || *rest != '\0' || length < 1 || length > largestSvgSide) {
        return std::nullopt;
    }
    return int(length);
}

// The size an SVG drawing gives itself in its root element's width and height.
std::optional<PictureSize> measureSvg(FILE* file) {
    std::string head(svgHeadBytes, '\0');
    std::rewind(file);
    head.resize(std::fread(head.data(), 1, head.size(), file));
    size_t root = head.find("<svg");
    size_t rootEnd = root == std::string::npos ? root : head.find('>', root);
    if (rootEnd == std::string::npos) {
        return std::nullopt;
    }
    std::string rootTag = head.substr(root, rootEnd - root);
    std::optional<int> width = svgLength(rootTag, "width");
    std::optional<int> height = svgLength(rootTag, "height");
    if (!width || !height) {
        return std::nullopt;
    }
    return PictureSize{*width, *height};
}
} // namespace

std::optional<PictureSize> measurePicture(const std::string& systemPath) {
    FILE* file = platform::openFile(systemPath.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    PictureSize size;
    int channels = 0;
    std::optional<PictureSize> measured;
    if (stbi_info_from_file(file, &size.width, &size.height, &channels) != 0) {
        measured = size;
    } else {
        measured = measureSvg(file);
    }
    std::fclose(file);
    return measured;
}

} // namespace docbuilder
