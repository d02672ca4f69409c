#include "chapter_conversion.h"

#include "docbuilder/image_tags.h"

#include <gtest/gtest.h>

#include <map>

namespace docbuilder::testing {
namespace {

ImageFolder pictures(std::map<std::string, PictureSize> sizes) {
    return {"pics\\", [sizes](const std::string& path) -> std::optional<PictureSize> {
                auto found = sizes.find(path);
                if (found == sizes.end()) {
                    return std::nullopt;
                }
                return found->second;
            }};
}

const ImageFolder samplePictures = pictures(
    {{"pics\\tree.png", {120, 80}}, {"pics\\wide.png", {1000, 10}}, {"pics\\tall.png", {10, 999}}});

std::string pictureBox(const char* file, int width, int height, const char* caption) {
    std::string w = std::to_string(width);
    std::string h = std::to_string(height);
    return "<div style=\"float: left;width: " + w + "px;height: " + h +
           "px;text-align: center;margin: 0px 10px 10px 10px;\"><img src=\"bin/img/" + file +
           "\" width=\"" + w + "\" height=\"" + h + "\" alt=\"" + caption + "\"><br>" + caption +
           "</div>";
}

struct ImageCase {
    const char* markup;
    std::string html;
    const char* error;
};

class DocbuilderImageTags : public ::testing::TestWithParam<ImageCase> {};

TEST_P(DocbuilderImageTags, PlacesOrReports) {
    std::ostringstream console;
    ErrorReport errors(console);
    std::string line = GetParam().markup;

    bool placed = convertImageTags(line, samplePictures, errors);

    EXPECT_EQ(line, GetParam().html);
    std::string error = GetParam().error;
    EXPECT_EQ(errors.count(), error.empty() ? 0 : 1);
    EXPECT_EQ(placed, line.find("<div") != std::string::npos);
    if (!error.empty()) {
        EXPECT_NE(console.str().find(error), std::string::npos) << console.str();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocbuilderImageTags,
    ::testing::Values(
        ImageCase{"[img=tree.png]The tree[/img]text",
                  pictureBox("tree.png", 120, 80, "The tree") + "text", ""},
        ImageCase{"[IMG=tall.png]a[/IMG][img=tree.png]b[/img]",
                  pictureBox("tall.png", 10, 999, "a") + pictureBox("tree.png", 120, 80, "b"), ""},
        ImageCase{"[img=wide.png]Wide[/img]", "[img=wide.png]Wide[/img]",
                  "Error img size exceed 999 pixels: [img=wide.png]Wide[/img]"},
        ImageCase{"[img=none.png]Gone[/img]", "[img=none.png]Gone[/img]",
                  "Error Img not found: [img=none.png]Gone[/img]"},
        ImageCase{"[img=tree.png", "[img=tree.png", "Error bad formed Img tag: [img=tree.png"},
        ImageCase{"[img=tree.png]no end", "[img=tree.png]no end",
                  "Error end [/img] tag not found: [img=tree.png]no end"},
        ImageCase{"[img=tree.png]ok[/img] [img=none.png]x[/img] [img=tree.png]y[/img]",
                  pictureBox("tree.png", 120, 80, "ok") +
                      " [img=none.png]x[/img] [img=tree.png]y[/img]",
                  "Error Img not found: [img=none.png]x[/img] [img=tree.png]y[/img]"}));

TEST(DocbuilderImageLines, TheFirstLineAfterAPictureClearsIt) {
    ConvertedChapter chapter = convertChapter(
        {"[img=tree.png]Tree[/img]Beside", "Below the tree", "plain"}, samplePictures);
    EXPECT_EQ(chapter.body, pictureBox("tree.png", 120, 80, "Tree") + "Beside<br>\n" +
                                pageSeparator + "<br>Below the tree<br>\nplain\n");
}

TEST(DocbuilderImageLines, AShortLineAfterAPictureOnlyClearsIt) {
    ConvertedChapter chapter =
        convertChapter({"[img=tree.png]Tree[/img]", "ok!", "plain"}, samplePictures);
    EXPECT_EQ(chapter.body, pictureBox("tree.png", 120, 80, "Tree") + "<br>\n" + pageSeparator +
                                "ok!<br>\nplain\n");
}

} // namespace
} // namespace docbuilder::testing
