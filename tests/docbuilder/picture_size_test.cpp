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

TEST(DocbuilderPictureSizeErrors, MissingOrUnreadableFilesHaveNone) {
    DocumentationTree tree;
    EXPECT_FALSE(measurePicture(tree.programFolder() + "absent.png"));
    EXPECT_FALSE(measurePicture(tree.programFolder() + "InputIndex.txt"));
}

} // namespace
} // namespace docbuilder::testing
