#include "docbuilder/page_template.h"

#include <gtest/gtest.h>

namespace docbuilder {
namespace {

PageSettings sampleSettings() {
    PageSettings settings;
    settings.title = "Manual";
    settings.metaContent = "About";
    settings.metaAuthor = "Team";
    settings.metaLanguage = "en";
    return settings;
}

TEST(DocbuilderPageTemplate, CutsAtTheMarkersAndFillsThePlaceholders) {
    std::optional<PageTemplate> page = fillPageTemplate(
        {"<title><ProgramWillPlaceTitleHere></title>\n",
         "<meta content=\"<programwillplacemetadescriptionhere>\" "
         "author=\"<ProgramWillPlaceMetaAuthorHere>\" lang=\"<ProgramWillPlaceLanguageHere>\">\n",
         "<div style=\"height:<ProgramWillPlaceTitleHeightHere>\">\n",
         "  <ProgramWillPlaceNextVoranthHelpTextHere>  \n", "between\n",
         "<PROGRAMWILLPLACENEXTVORANTHHELPTEXTHERE>\n", "after\n"},
        sampleSettings(), 64);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->parts[0], "<title>Manual</title>\n"
                              "<meta content=\"About\" author=\"Team\" lang=\"en\">\n"
                              "<div style=\"height:64px;\">\n<br>");
    EXPECT_EQ(page->parts[1], "between\n<br>");
    EXPECT_EQ(page->parts[2], "after\n");
}

TEST(DocbuilderPageTemplate, TitleBandIsAtLeastTwentyPixels) {
    std::optional<PageTemplate> page = fillPageTemplate(
        {"<ProgramWillPlaceTitleHeightHere>\n", "<ProgramWillPlaceNextVoranthHelpTextHere>\n",
         "<ProgramWillPlaceNextVoranthHelpTextHere>\n"},
        sampleSettings(), 0);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->parts[0], "20px;\n<br>");
}

class DocbuilderTemplateMarkers : public ::testing::TestWithParam<int> {};

TEST_P(DocbuilderTemplateMarkers, AnyCountButTwoIsRefused) {
    std::vector<std::string> lines{"head\n"};
    for (int marker = 0; marker < GetParam(); ++marker) {
        lines.push_back("<ProgramWillPlaceNextVoranthHelpTextHere>\n");
    }
    EXPECT_FALSE(fillPageTemplate(lines, sampleSettings(), 30));
}

INSTANTIATE_TEST_SUITE_P(Counts, DocbuilderTemplateMarkers, ::testing::Values(0, 1, 3));

} // namespace
} // namespace docbuilder
