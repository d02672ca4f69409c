#include "docbuilder/chapter_writer.h"

#include "docbuilder/code_blocks.h"
#include "docbuilder/escapes.h"
#include "docbuilder/format_tags.h"
#include "docbuilder/smileys.h"
#include "docbuilder/tab_columns.h"
#include "docbuilder/text_lines.h"
#include "docbuilder/url_tags.h"

#include <optional>

namespace docbuilder {

namespace {

// Indentation that a browser would otherwise collapse: a list bullet near the start of the line
// and one or two leading blanks.
void keepLeadingMarks(std::string& line) {
    bool bulletAtStart = line.substr(0, 3).find(bulletByte) != std::string::npos;
    if (bulletAtStart) {
        line.insert(0, "&nbsp;&nbsp;");
    } else if (line.starts_with("  ")) {
        line.insert(0, "&nbsp;&nbsp;");
    } else if (line.starts_with(" ")) {
        line.insert(0, "&nbsp;");
    }
}

class ChapterText {
public:
    ChapterText(const std::vector<std::string>& lines, const ImageFolder& images,
                ErrorReport& errors, std::string& page)
        : lines_(lines), images_(images), errors_(errors), page_(page) {}

    void write() {
        for (size_t index = 0; index < lines_.size(); ++index) {
            writeLine(index);
        }
    }

    const TagBalance& balance() const { return balance_; }

private:
    void writeLine(size_t index) {
        std::string line = escapeChapterText(cutAtLineEnd(lines_[index]));
        convertSmileys(line);
        int bullets = convertBullets(line);
        convertFormatTags(line, balance_);
        convertLineBreaks(line);
        lineUpTabColumn(line, index);
        bool blockLine = codeBlocks_.convert(line, balance_);
        keepLeadingMarks(line);
        convertUrlTags(line, errors_);
        bool placedImage = convertImageTags(line, images_, errors_);
        if (!placedImage && previousLineHadImage_) {
            page_ += pageSeparator;
            if (line.size() > 5) {
                page_ += "<br>";
            }
        }
        previousLineHadImage_ = placedImage;

        for (int bullet = 0; bullet < bullets; ++bullet) {
            line += bulletTableEnd;
        }
        bool lastLine = index + 1 == lines_.size();
        line += bullets > 0 || blockLine || lastLine ? "\n" : "<br>\n";
        page_ += replaceBulletBytes(std::move(line));
    }

    void lineUpTabColumn(std::string& line, size_t index) {
        if (line.find('\t') == std::string::npos) {
            tabRunColumn_.reset();
            return;
        }
        if (!tabRunColumn_) {
            tabRunColumn_ = tabRunColumn(lines_, index);
        }
        convertTabColumn(line, *tabRunColumn_);
    }

    const std::vector<std::string>& lines_;
    const ImageFolder& images_;
    ErrorReport& errors_;
    std::string& page_;
    TagBalance balance_;
    CodeBlocks codeBlocks_;
    std::optional<int> tabRunColumn_;
    bool previousLineHadImage_ = false;
};

} // namespace

void writeChapter(const Chapter& chapter, const std::vector<std::string>& fileLines,
                  const ChapterPlacement& placement, const ImageFolder& images, ErrorReport& errors,
                  std::string& page) {
    page += "<div id=\"c" + chapter.id +
            "\"><h2 style=\"background-image: url(bin/input/InputBackgroundChapter.jpg);"
            "color:white;padding:15px;\">" +
            chapter.title + "</h2></div>";

    std::vector<std::string> textLines = chapterTextLines(fileLines);
    ChapterText text(textLines, images, errors, page);
    text.write();

    page += pageSeparator;
    for (int line = 0; line < placement.spacingLines; ++line) {
        page += "<br>";
    }
    if (!placement.last) {
        page += "<span class=\"noPrint\" style=\"float: right;\"><a href=\"#container\" "
                "style=\"font-size: x-small;color:blue;\">Back to index</a></span>";
    }
    page += pageSeparator;
    text.balance().reportUnbalanced(errors);
}

} // namespace docbuilder
