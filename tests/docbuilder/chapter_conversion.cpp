#include "chapter_conversion.h"

namespace docbuilder::testing {

ImageFolder noPictures() {
    return {"img\\", [](const std::string&) { return std::optional<PictureSize>(); }};
}

ConvertedChapter convertChapter(const std::vector<std::string>& textLines,
                                const ImageFolder& images, const ChapterPlacement& placement) {
    std::vector<std::string> fileLines{"// PAGE\n", "//\n", "//\n"};
    for (const std::string& line : textLines) {
        fileLines.push_back(line + "\n");
    }
    std::ostringstream console;
    ErrorReport errors(console);
    std::string page;
    errors.writeInto(page);
    writeChapter({"test", "Test", "Page_test.txt"}, fileLines, placement, images, errors, page);

    ConvertedChapter converted;
    size_t bodyStart = page.find("</h2></div>") + std::string("</h2></div>").size();
    size_t bodyEnd = page.rfind(pageSeparator, page.rfind(pageSeparator) - 1);
    converted.heading = page.substr(0, bodyStart);
    converted.body = page.substr(bodyStart, bodyEnd - bodyStart);
    converted.closing = page.substr(bodyEnd);
    converted.console = console.str();
    converted.errors = errors.count();
    return converted;
}

} // namespace docbuilder::testing
