// Any text as the manual's index and as one of its chapters: converted with every tag,
// smiley, bullet and tab column, each fault reported in the page.
#include "docbuilder/chapter_writer.h"
#include "docbuilder/page_index.h"
#include "docbuilder/page_settings.h"
#include "fuzz_support.h"

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const uint8_t* data, size_t size) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t at = 0; at < size; ++at) {
        line += static_cast<char>(data[at]);
        if (data[at] == '\n') {
            lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

// Every picture measures 64 x 48, so that image tags are placed, not refused.
const docbuilder::ImageFolder pictures{
    "img\\", [](const std::string&) {
        return std::optional<docbuilder::PictureSize>(docbuilder::PictureSize{64, 48});
    }};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> lines = linesOf(data, size);
    std::ostringstream console;
    docbuilder::ErrorReport errors(console);
    std::string page;
    errors.writeInto(page);

    docbuilder::chapterSpacing(docbuilder::readPageSettings(lines));
    docbuilder::readPageIndex(lines, errors, [](const docbuilder::Chapter&) {});
    docbuilder::writeChapter({"fuzz", "Fuzz", "Page_fuzz.txt"}, lines, {1, false}, pictures, errors,
                             page);
    return 0;
}
