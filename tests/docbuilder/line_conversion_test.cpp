// The conversion of one chapter line: escapes, tags, smileys, bullets, leading marks and line
// ends, each case a line of markup and the HTML it becomes.
#include "chapter_conversion.h"

#include <gtest/gtest.h>

namespace docbuilder::testing {
namespace {

struct LineCase {
    const char* markup;
    const char* html;
};

class DocbuilderLineConversion : public ::testing::TestWithParam<LineCase> {};

// A single line is the chapter's last, which ends with a plain line feed.
TEST_P(DocbuilderLineConversion, ConvertsTheLine) {
    ConvertedChapter chapter = convertChapter({GetParam().markup});
    EXPECT_EQ(chapter.body, std::string(GetParam().html) + "\n");
    EXPECT_EQ(chapter.errors, 0);
}

INSTANTIATE_TEST_SUITE_P(Escapes, DocbuilderLineConversion,
                         ::testing::Values(LineCase{"a < b > c", "a &lt; b &gt; c"},
                                           LineCase{"say \"hi\"", "say &quot;hi&quot;"},
                                           LineCase{"salt & pepper", "salt &amp; pepper"},
                                           LineCase{"&nbsp;kept", "&nbsp;kept"},
                                           LineCase{"xyz \x95 y", "xyz &#8226; y"}));

INSTANTIATE_TEST_SUITE_P(
    FormatTags, DocbuilderLineConversion,
    ::testing::Values(
        LineCase{"[navy]n[/navy]", "<span style=\"color:navy;\">n</span>"},
        LineCase{"[red]r[/red]", "<span style=\"color:red;\">r</span>"},
        LineCase{"[green]g[/green]", "<span style=\"color:green;\">g</span>"},
        LineCase{"[y]y[/y]", "<span style=\"background-color:yellow;\">y</span>"},
        LineCase{"[b]b[/b]", "<strong>b</strong>"}, LineCase{"[i]i[/i]", "<em>i</em>"},
        LineCase{"[center]c[/center]", "<center>c</center>"}, LineCase{"[u]u[/u]", "<u>u</u>"},
        LineCase{"[strike]s[/strike]", "<strike>s</strike>"},
        LineCase{"[backblue]b[/backblue]", "<span style=\"background-color:#00deff;\">b</span>"},
        LineCase{"[backgreen]g[/backgreen]", "<span style=\"background-color:#00ff42;\">g</span>"},
        LineCase{"[backred]r[/backred]", "<span style=\"background-color:#ff833f;\">r</span>"},
        LineCase{"[B]bold[/b] and [b]again[/B]",
                 "<strong>bold</strong> and <strong>again</strong>"},
        LineCase{"one[br]two[BR]", "one<br>two<br>"}));

INSTANTIATE_TEST_SUITE_P(
    Smileys, DocbuilderLineConversion,
    ::testing::Values(
        LineCase{":gift:", "<img src=\"bin/bin/smiley/gift.gif\" alt=\"gift emoticon\">"},
        LineCase{"hi :)", "hi <img src=\"bin/bin/smiley/smilie.gif\" alt=\"smile\">"},
        LineCase{":(", "<img src=\"bin/bin/smiley/sad2.gif\" alt=\"sad 2\">"},
        LineCase{":WOR:", "<img src=\"bin/bin/smiley/wor.gif\" alt=\"worship\">"},
        LineCase{":beer: :zen:", "<img src=\"bin/bin/smiley/beer.gif\" alt=\"beer\"> "
                                 "<img src=\"bin/bin/smiley/zen.gif\" alt=\"zen\">"}));

INSTANTIATE_TEST_SUITE_P(
    LeadingMarks, DocbuilderLineConversion,
    ::testing::Values(LineCase{" one blank", "&nbsp; one blank"},
                      LineCase{"  two blanks", "&nbsp;&nbsp;  two blanks"},
                      LineCase{"\x95 item", "&nbsp;&nbsp;&#8226; item"},
                      LineCase{"ab\x95 third byte", "&nbsp;&nbsp;ab&#8226; third byte"},
                      LineCase{"abc\x95 fourth byte", "abc&#8226; fourth byte"}));

TEST(DocbuilderBullets, OpenATableClosedAtTheLineEndWithoutLineBreak) {
    ConvertedChapter chapter = convertChapter({":bulletb: first", ":BULLETSQR: second", "end"});
    EXPECT_EQ(chapter.body,
              "<table cellpadding=\"0\" cellspacing=\"0\"><tr><td valign=\"top\"><img "
              "src=\"bin/bin/smiley/puceb.gif\" alt=\"bullet blue\" "
              "style=\"margin-left:10px;\"></td><td> first</td></tr></table>\n"
              "<table cellpadding=\"0\" cellspacing=\"0\"><tr><td valign=\"top\"><img "
              "src=\"bin/bin/smiley/pucesquare.jpg\" alt=\"bullet green\" "
              "style=\"margin-left:10px;\"></td><td> second</td></tr></table>\n"
              "end\n");
}

TEST(DocbuilderBullets, EveryBulletOfALineIsClosed) {
    ConvertedChapter chapter = convertChapter({":bulletr: a :bulletg: b"});
    EXPECT_TRUE(chapter.body.ends_with("b</td></tr></table></td></tr></table>\n"));
}

TEST(DocbuilderLineEnds, InnerLinesBreakAndTheLastEndsPlain) {
    EXPECT_EQ(convertChapter({"first", "second", "third"}).body, "first<br>\nsecond<br>\nthird\n");
}

} // namespace
} // namespace docbuilder::testing
