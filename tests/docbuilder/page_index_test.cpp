#include "docbuilder/page_index.h"
#include "docbuilder/page_settings.h"

#include <gtest/gtest.h>

#include <sstream>

namespace docbuilder {
namespace {

struct IdCase {
    const char* name;
    const char* id;
};

class DocbuilderChapterId : public ::testing::TestWithParam<IdCase> {};

TEST_P(DocbuilderChapterId, KeepsLettersAndDigitsOnly) {
    EXPECT_EQ(chapterId(GetParam().name), GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(Names, DocbuilderChapterId,
                         ::testing::Values(IdCase{"Install", "Install"},
                                           IdCase{"Log file", "Log_file"},
                                           IdCase{"a-b.c/9", "a_b_c_9"},
                                           IdCase{"caf\xe9", "caf_"}));

class DocbuilderPageIndex : public ::testing::Test {
protected:
    PageIndex read(const std::vector<std::string>& lines) {
        return readPageIndex(
            lines, errors, [this](const Chapter& chapter) { listed.push_back(chapter.fileName); });
    }

    std::ostringstream console;
    ErrorReport errors{console};
    std::vector<std::string> listed;
};

TEST_F(DocbuilderPageIndex, ChapterLinesBecomeEntriesAfterTheMarker) {
    PageIndex index = read({"Title=Manual\n", "<Index_Before>Not in the index\n",
                            "<StartOfIndex>\n", "; a comment\n",
                            "<INDEX_Log file>  - The \"log\" file\n", "<Index_Tree>Tree & more\n"});
    ASSERT_EQ(index.chapters.size(), 2u);
    EXPECT_EQ(index.chapters[0].id, "Log_file");
    EXPECT_EQ(index.chapters[0].title, "The &quot;log&quot; file");
    EXPECT_EQ(index.chapters[0].fileName, "Page_Log_file.txt");
    EXPECT_EQ(index.chapters[1].title, "Tree &amp; more");
    EXPECT_EQ(listed, (std::vector<std::string>{"Page_Log_file.txt", "Page_Tree.txt"}));
    EXPECT_EQ(index.html, "&nbsp;&nbsp;<a href=\"#cLog_file\">The &quot;log&quot; file</a><br>\n"
                          "&nbsp;&nbsp;<a href=\"#cTree\">Tree &amp; more</a><br>\n");
}

TEST_F(DocbuilderPageIndex, TextLinesAreEscapedAndMayCarryFormatAndLinks) {
    PageIndex index = read({"<startofindex>\n", "[B]Chapters[/b] <new>\n",
                            "[url=http://voranth.example]Site[/url]\n", "\n", "[red]kept[/red]\n"});
    EXPECT_TRUE(index.chapters.empty());
    EXPECT_EQ(index.html,
              "<strong>Chapters</strong> &lt;new&gt;<br>\n"
              "&nbsp;&nbsp;<a href=\"http://voranth.example\" target=\"_blank\">Site</a><br>\n"
              "<br>\n"
              "[red]kept[/red]<br>\n");
    EXPECT_EQ(errors.count(), 0);
}

TEST_F(DocbuilderPageIndex, AMalformedLinkIsCountedAsAnError) {
    PageIndex index = read({"<startofindex>\n", "[url=#a]never closed\n"});
    EXPECT_EQ(errors.count(), 1);
    EXPECT_NE(console.str().find("Error bad formed Url missing [/url]:"), std::string::npos);
    EXPECT_EQ(index.html, "[url=#a]never closed<br>\n");
}

TEST_F(DocbuilderPageIndex, WithoutMarkerThereIsNoIndex) {
    PageIndex index = read({"<Index_A>A\n"});
    EXPECT_TRUE(index.chapters.empty());
    EXPECT_TRUE(index.html.empty());
}

TEST(DocbuilderPageSettings, KeysAreCaseSensitiveAndValuesEscaped) {
    PageSettings settings = readPageSettings(
        {"Title=Zephyrin \"3D\" & friends\n", "title=ignored\n", "MetaContent=Sound \x95 plug-in\n",
         "MetaAuthor=Zephyrin team\n", "MetaLanguage=en\n", "NbrEmptyLineAtEndOfChapter=3\n"});
    EXPECT_EQ(settings.title, "Zephyrin &quot;3D&quot; &amp; friends");
    EXPECT_EQ(settings.metaContent, "Sound &#8226; plug-in");
    EXPECT_EQ(settings.metaAuthor, "Zephyrin team");
    EXPECT_EQ(settings.metaLanguage, "en");
    EXPECT_EQ(settings.emptyLinesAtEndOfChapter, 3);
}

} // namespace
} // namespace docbuilder
