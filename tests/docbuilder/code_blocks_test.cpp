#include "chapter_conversion.h"

#include <gtest/gtest.h>

namespace docbuilder::testing {
namespace {

TEST(DocbuilderCodeBlocks, BlockLinesKeepPlainLineFeeds) {
    ConvertedChapter chapter =
        convertChapter({"before", "[code]vrhost --scenario demo.vrs", "  --no-window", "end[/code]",
                        "after", "last line"});
    EXPECT_EQ(chapter.body, "before<br>\n"
                            "<pre class=\"framecode\">vrhost --scenario demo.vrs\n"
                            "&nbsp;&nbsp;  --no-window\n"
                            "end</pre>\n"
                            "after<br>\n"
                            "last line\n");
    EXPECT_EQ(chapter.errors, 0);
}

TEST(DocbuilderCodeBlocks, InlineBlockOpensAndClosesOnOneLine) {
    ConvertedChapter chapter = convertChapter({"run [CODE]make test[/Code] now", "next line"});
    EXPECT_EQ(chapter.body, "run <pre class=\"framecode\">make test</pre> now\nnext line\n");
}

TEST(DocbuilderCodeBlocks, AnOpeningInsideABlockStaysText) {
    ConvertedChapter chapter = convertChapter({"[code]one", "[code]two", "[/code]", "after"});
    EXPECT_EQ(chapter.body, "<pre class=\"framecode\">one\n[code]two\n</pre>\nafter\n");
    EXPECT_EQ(chapter.errors, 0);
}

} // namespace
} // namespace docbuilder::testing
