#include "documentation_tree.h"

#include "docbuilder/picture_size.h"

#include <gtest/gtest.h>

namespace docbuilder::testing {
namespace {

class DocbuilderPictureSize : public ::testing::TestWithParam<const char*> {};

TEST_P(DocbuilderPictureSize, IsReadFromTheFileWhateverItsFormat) {
    DocumentationTree tree;
    std::filesystem::path picture = tree.root() / "bin" / "img" / GetParam();
    writePicture(picture, 37, 21);
    std::string systemPath = tree.programFolder() + "..\\IMG\\" + GetParam();
    std::optional<PictureSize> size = measurePicture(systemPath);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 37);
    EXPECT_EQ(size->height, 21);
}

INSTANTIATE_TEST_SUITE_P(Formats, DocbuilderPictureSize, ::testing::Values("a.png", "b.jpg"));

TEST(DocbuilderPictureSize, AnSvgDrawingMeasuresByItsRootElement) {
    struct Case {
        const char* text;
        std::optional<int> width;
        std::optional<int> height;
    };
    const Case cases[] = {
        {"<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"640\" "
         "height=\"300px\" viewBox=\"0 0 1280 600\"><rect width=\"5\" height=\"5\"/></svg>",
         640, 300},
        {"<svg viewBox=\"0 0 10 10\"><rect width=\"5\" height=\"5\"/></svg>", {}, {}},
        {"<svg width=\"50%\" height=\"20\"></svg>", {}, {}},
        {"<svg width=\"99999999999\" height=\"20\"></svg>", {}, {}},
        {"<svg width=\"20\" height=\"20\"", {}, {}},
    };
    DocumentationTree tree;
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        tree.write("bin/img/drawing.svg", testCase.text);
        std::optional<PictureSize> size =
            measurePicture(tree.programFolder() + "..\\img\\drawing.svg");
        EXPECT_EQ(size.has_value(), testCase.width.has_value());
        if (size && testCase.width) {
            EXPECT_EQ(size->width, *testCase.width);
            EXPECT_EQ(size->height, *testCase.height);
        }
    }
}

TEST(DocbuilderPictureSizeErrors, MissingOrUnreadableFilesHaveNone) {
    DocumentationTree tree;
    EXPECT_FALSE(measurePicture(tree.programFolder() + "absent.png"));
    EXPECT_FALSE(measurePicture(tree.programFolder() + "InputIndex.txt"));
}

} // namespace
} // namespace docbuilder::testing
