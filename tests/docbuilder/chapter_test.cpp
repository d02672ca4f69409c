// A chapter as a whole: which lines of its file make the text, its heading and closing, and the
// balance of its tags.
#include "chapter_conversion.h"

#include "docbuilder/chapter.h"
#include "docbuilder/page_settings.h"

#include <gtest/gtest.h>

namespace docbuilder::testing {
namespace {

TEST(DocbuilderChapterLines, HeaderCommentsAndSurroundingBlankLinesAreLeftOut) {
    std::vector<std::string> file{"first header\n",
                                  "second header\n",
                                  "third header\n",
                                  "\n",
                                  "; comment\n",
                                  "/ comment\n",
                                  "Text\n",
                                  "\n",
                                  "  \n",
                                  "More\n",
                                  "// note\n",
                                  "\n",
                                  "k\n",
                                  "\n"};
    EXPECT_EQ(chapterTextLines(file), (std::vector<std::string>{"Text\n", "\n", "  \n", "More\n"}));
}

TEST(DocbuilderChapterLines, AFileOfOnlyAHeaderHasNoText) {
    EXPECT_TRUE(chapterTextLines({"a\n", "b\n", "c\n", "\n"}).empty());
}

TEST(DocbuilderChapter, HeadingCarriesTheAnchorAndTitle) {
    ConvertedChapter chapter = convertChapter({"Text"});
    EXPECT_EQ(chapter.heading,
              "<div id=\"ctest\"><h2 style=\"background-image: "
              "url(bin/input/InputBackgroundChapter.jpg);color:white;padding:15px;\">Test</h2>"
              "</div>");
}

struct SpacingCase {
    int setting;
    int lineBreaks;
};

class DocbuilderChapterSpacing : public ::testing::TestWithParam<SpacingCase> {};

TEST_P(DocbuilderChapterSpacing, IsKeptBetweenNoneAndTen) {
    PageSettings settings;
    settings.emptyLinesAtEndOfChapter = GetParam().setting;
    ConvertedChapter chapter =
        convertChapter({"Text"}, noPictures(), {chapterSpacing(settings), true});
    std::string breaks;
    for (int line = 0; line < GetParam().lineBreaks; ++line) {
        breaks += "<br>";
    }
    EXPECT_EQ(chapter.closing, pageSeparator + breaks + pageSeparator);
}

INSTANTIATE_TEST_SUITE_P(Settings, DocbuilderChapterSpacing,
                         ::testing::Values(SpacingCase{-3, 0}, SpacingCase{0, 0}, SpacingCase{2, 2},
                                           SpacingCase{10, 10}, SpacingCase{25, 10}));

TEST(DocbuilderChapter, EveryChapterButTheLastLinksBackToTheIndex) {
    ConvertedChapter chapter = convertChapter({"Text"}, noPictures(), {1, false});
    EXPECT_EQ(chapter.closing,
              std::string(pageSeparator) +
                  "<br><span class=\"noPrint\" style=\"float: right;\"><a href=\"#container\" "
                  "style=\"font-size: x-small;color:blue;\">Back to index</a></span>" +
                  pageSeparator);
}

struct BalanceCase {
    std::vector<std::string> lines;
    std::vector<std::string> errors;
};

class DocbuilderTagBalance : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(DocbuilderTagBalance, ReportsEachUnbalancedPairAfterTheChapter) {
    ConvertedChapter chapter = convertChapter(GetParam().lines);
    EXPECT_EQ(chapter.errors, static_cast<int>(GetParam().errors.size()));
    std::string expected = pageSeparator + std::string(pageSeparator);
    for (const std::string& error : GetParam().errors) {
        expected += "<br clear=all><div style=\"background-color:black;color:red;display:block;"
                    "height:20px;padding:5px;\">" +
                    error + "</div><br clear=all>";
        EXPECT_NE(chapter.console.find("\n----------------------------\n" + error +
                                       "\n-----------------------------\n"),
                  std::string::npos);
    }
    EXPECT_EQ(chapter.closing, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Chapters, DocbuilderTagBalance,
    ::testing::Values(
        BalanceCase{{"[red]open", "still red"}, {"Error missing closing [/red] tag!"}},
        BalanceCase{{"closed[/navy] twice[/navy]", "[navy]once"},
                    {"Error missing opening [navy] tag!"}},
        BalanceCase{{"[B]spread", "over lines[/b]"}, {}},
        BalanceCase{{"[b][i]both", "open"},
                    {"Error missing closing [/b] tag!", "Error missing closing [/i] tag!"}},
        BalanceCase{{"[code]never closed", "text"}, {"Error missing closing [/Pre] tag!"}},
        BalanceCase{{"stray[/code]", "text"}, {"Error missing opening [Pre] tag!"}},
        BalanceCase{{"[y][backred][strike][center][u][green][backblue][backgreen]all",
                     "[/backgreen][/backblue][/green][/u][/center][/strike][/backred][/y]"},
                    {}}));

} // namespace
} // namespace docbuilder::testing
