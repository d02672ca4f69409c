#include "chapter_conversion.h"

#include "docbuilder/tab_columns.h"

#include <gtest/gtest.h>

namespace docbuilder::testing {
namespace {

struct WidthCase {
    const char* line;
    int width;
};

class DocbuilderTabWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(DocbuilderTabWidth, CountsOnlyVisibleCharactersBeforeTheFirstTab) {
    EXPECT_EQ(visibleWidthBeforeTab(GetParam().line), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Lines, DocbuilderTabWidth,
                         ::testing::Values(WidthCase{"abc\tdef", 3}, WidthCase{"\tdef", 0},
                                           WidthCase{"[b]bold[/b]\tx", 4},
                                           WidthCase{"<em>it</em>\tx", 2},
                                           WidthCase{"ab\tcdefgh\tx", 2}));

std::string columnSpan(int characters) {
    return "<span style=\"position: absolute;left:" + std::to_string(characters * 10 + 90) +
           "px;\">";
}

TEST(DocbuilderTabColumns, ARunLinesUpAtItsWidestTextBeforeTheTab) {
    ConvertedChapter chapter =
        convertChapter({"Volume\t0 to 255", "[b]Delay[/b]\tseconds", "Factor (float)\t0 to 100",
                        "no tab here", "ab\tnew run"});
    EXPECT_EQ(chapter.body, "Volume" + columnSpan(14) + "0 to 255</span><br>\n" +
                                "<strong>Delay</strong>" + columnSpan(14) + "seconds</span><br>\n" +
                                "Factor (float)" + columnSpan(14) + "0 to 100</span><br>\n" +
                                "no tab here<br>\n" + "ab" + columnSpan(2) + "new run</span>\n");
}

TEST(DocbuilderTabColumns, FurtherTabsOfALineAreDropped) {
    ConvertedChapter chapter = convertChapter({"key\tone\ttwo\tthree"});
    EXPECT_EQ(chapter.body, "key" + columnSpan(3) + "onetwothree</span>\n");
}

} // namespace
} // namespace docbuilder::testing
