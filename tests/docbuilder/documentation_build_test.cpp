// The whole build on a small documentation tree, against the reviewed page of the fixture.
#include "documentation_tree.h"

#include "docbuilder/chapter_file.h"
#include "docbuilder/documentation_build.h"

#include <gtest/gtest.h>

#include <sstream>

namespace docbuilder::testing {
namespace {

class DocbuilderBuild : public ::testing::Test {
protected:
    BuildOutcome build() {
        return buildDocumentation(buildPathsFrom(tree.programFolder()), measurePicture, console);
    }

    DocumentationTree tree;
    std::ostringstream console;
};

TEST_F(DocbuilderBuild, WritesTheReviewedPage) {
    EXPECT_EQ(build(), BuildOutcome::PageWritten) << console.str();
    EXPECT_EQ(tree.read("index.html"),
              readFile(std::filesystem::path(DOCBUILDER_FIXTURE_DIR) / "expected_index.html"));
}

TEST_F(DocbuilderBuild, CreatesTheMissingChapterFileWithItsHeader) {
    build();
    EXPECT_EQ(tree.read("bin/input/Page_New_chapter.txt"),
              chapterFileHeader("Page_New_chapter.txt"));
    EXPECT_NE(console.str().find("\nInput file doesn't exist, creating file: Page_New_chapter.txt"),
              std::string::npos);
}

TEST_F(DocbuilderBuild, ReportsProgressOnTheConsole) {
    build();
    std::string expectedStart = "Html doc creator by Ferrand\n"
                                "--------------------------------------------\n\n"
                                "This prog create the html doc based on Input txt file located in\n"
                                "directory and html source 'InputHtmlHeaderSource.html'\n\n"
                                "Search html page setting 'InputSettings.txt'\n"
                                "Search header 'InputHtmlHeaderSource.html'\n"
                                "Search menu file 'InputIndex.txt', create index\n";
    EXPECT_TRUE(console.str().starts_with(expectedStart)) << console.str();
    EXPECT_NE(console.str().find("\nCreate html doc\n"
                                 "Opening Page_Intro.txt...content added\n"
                                 "Opening Page_Markup_tour.txt...content added\n"
                                 "Opening Page_New_chapter.txt...content added\n"),
              std::string::npos)
        << console.str();
    EXPECT_TRUE(console.str().ends_with("\n\nDone ! 0 errors\n\n"));
}

TEST_F(DocbuilderBuild, MarkupErrorsEndThePageWithTheBanner) {
    tree.write("bin/input/Page_Intro.txt",
               "h\nh\nh\n[red]never closed\n[img=nothing.png]x[/img]\n");
    EXPECT_EQ(build(), BuildOutcome::PageWithErrors);
    std::string page = tree.read("index.html");
    EXPECT_NE(page.find("Error Img not found: [img=nothing.png]x[/img]"), std::string::npos);
    EXPECT_NE(page.find("Error missing closing [/red] tag!"), std::string::npos);
    EXPECT_TRUE(page.ends_with("ERROR ERROR ERROR The source contain errors, output html is "
                               "wrong. Please read previous error msg !</div></td></tr></table>"
                               "</div></div></body></html><br clear=all>"));
    EXPECT_EQ(page.find("</div></div></body></html>\n"), std::string::npos);
    EXPECT_TRUE(console.str().ends_with("\n\nDone ! 2 errors\n\n"));
}

TEST_F(DocbuilderBuild, AWideImageIsRefused) {
    writePicture(tree.root() / "bin" / "img" / "wave.png", 1000, 4);
    EXPECT_EQ(build(), BuildOutcome::PageWithErrors);
    EXPECT_NE(tree.read("index.html").find("Error img size exceed 999 pixels: [img=wave.png]"),
              std::string::npos);
}

struct MissingInputCase {
    const char* file;
    const char* replacement; // nullptr removes the file
    const char* message;
};

class DocbuilderMissingInput : public ::testing::TestWithParam<MissingInputCase> {};

TEST_P(DocbuilderMissingInput, StopsWithItsMessage) {
    DocumentationTree tree;
    if (GetParam().replacement == nullptr) {
        std::filesystem::remove(tree.root() / GetParam().file);
    } else {
        tree.write(GetParam().file, GetParam().replacement);
    }
    std::ostringstream console;
    EXPECT_EQ(buildDocumentation(buildPathsFrom(tree.programFolder()), measurePicture, console),
              BuildOutcome::MissingInput);
    EXPECT_TRUE(console.str().ends_with(GetParam().message)) << console.str();
    EXPECT_FALSE(std::filesystem::exists(tree.root() / "index.html"));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DocbuilderMissingInput,
    ::testing::Values(MissingInputCase{"bin/input/InputIndex.txt", nullptr,
                                       "Error, unable to find InputIndex.txt\n\n"},
                      MissingInputCase{"bin/bin/InputHtmlHeaderSource.html", nullptr,
                                       "Error, unable to find InputHtmlHeaderSource.html\n\n"},
                      MissingInputCase{
                          "bin/bin/InputHtmlHeaderSource.html",
                          "<html>\n<ProgramWillPlaceNextVoranthHelpTextHere>\n</html>\n",
                          "Error, unable to find <ProgramWillPlaceNextVoranthHelpTextHere> in "
                          "InputHtmlHeaderSource.html\n\n"}));

} // namespace
} // namespace docbuilder::testing
