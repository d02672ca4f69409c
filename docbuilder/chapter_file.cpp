#include "docbuilder/chapter_file.h"

#include "platform/file_system.h"

#include <cstdio>

namespace docbuilder {

std::string chapterFileHeader(const std::string& fileName) {
    return "// PAGE: " + fileName +
           "\n"
           "// --------------------------------------\n"
           "//\n"
           "// Tag list: (As BBS tags must be closed with [/***])\n"
           "// [navy] [red] [green] [y] [backblue] [backgreen] [backred] colorise\n"
           "// [u] [b] [i] [center] [strike] text format\n"
           "// [code] [br] code format, line feed\n"
           "// [img=Img1.jpg]This is image one[/img] (glue text to have FLOAT IMG LEFT, use [br] "
           "for line feed)\n"
           "// [url=http:***]text[/url]\n"
           "//\n"
           "// Smiley list:\n"
           "// :bulletsqr: :bulletblk: :bulletb:, :bulletp:, :bullety:, :bulletr:, :bulletg:\n"
           "// :gift:, :), :(, :badsmile:, :sick:, :rant:, :damn:\n"
           "// :wall:, :sad:, :beer:, :friend:, :wor:, :teacher:\n"
           "// :(, :worry:, :arg:, :music:, :bug:, :love:, :wonder:, :zen:\n";
}

bool createChapterFile(const std::string& systemPath, const std::string& fileName) {
    FILE* file = platform::openFile(systemPath.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    std::string header = chapterFileHeader(fileName);
    bool written = std::fwrite(header.data(), 1, header.size(), file) == header.size();
    return std::fclose(file) == 0 && written;
}

} // namespace docbuilder
