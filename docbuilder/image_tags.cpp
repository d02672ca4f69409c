#include "docbuilder/image_tags.h"

#include "docbuilder/text_search.h"

#include <string_view>

namespace docbuilder {

namespace {

constexpr std::string_view tagStart = "[img=";
constexpr std::string_view tagEnd = "[/img]";
constexpr int largestSide = 999;

std::string pictureBox(const std::string& file, const PictureSize& size,
                       const std::string& caption) {
    std::string width = std::to_string(size.width);
    std::string height = std::to_string(size.height);
    return "<div style=\"float: left;width: " + width + "px;height: " + height +
           "px;text-align: center;margin: 0px 10px 10px 10px;\"><img src=\"bin/img/" + file +
           "\" width=\"" + width + "\" height=\"" + height + "\" alt=\"" + caption + "\"><br>" +
           caption + "</div>";
}

} // namespace

bool convertImageTags(std::string& line, const ImageFolder& folder, ErrorReport& errors) {
    bool placed = false;
    for (size_t start = findNoCase(line, tagStart); start != std::string::npos;) {
        std::string_view offending = std::string_view(line).substr(start);
        size_t fileStart = start + tagStart.size();
        size_t fileEnd = line.find(']', fileStart);
        if (fileEnd == std::string::npos) {
            errors.report("Error bad formed Img tag:", offending);
            break;
        }
        std::string file = line.substr(fileStart, fileEnd - fileStart);
        std::optional<PictureSize> size = folder.measure(folder.systemPath + file);
        if (!size || size->width < 1 || size->height < 1) {
            errors.report("Error Img not found:", offending);
            break;
        }
        if (size->width > largestSide || size->height > largestSide) {
            errors.report("Error img size exceed 999 pixels:", offending);
            break;
        }
        size_t captionEnd = findNoCase(line, tagEnd, fileEnd + 1);
        if (captionEnd == std::string::npos) {
            errors.report("Error end [/img] tag not found:", offending);
            break;
        }
        std::string box =
            pictureBox(file, *size, line.substr(fileEnd + 1, captionEnd - fileEnd - 1));
        line.replace(start, captionEnd + tagEnd.size() - start, box);
        placed = true;
        start = findNoCase(line, tagStart, start + box.size());
    }
    return placed;
}

} // namespace docbuilder
