// The manual as the build installs it in the simulator tree.
#include "documentation_tree.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace docbuilder::testing {
namespace {

const std::filesystem::path manualRoot = DOCBUILDER_MANUAL_ROOT;

TEST(DocbuilderInstalledManual, HasEveryChapterOfItsIndexAndNoErrors) {
    std::string page = readFile(manualRoot / "index.html");
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page.find("ERROR ERROR ERROR"), std::string::npos);
    EXPECT_TRUE(page.ends_with("</html>\n"));

    std::string index = readFile(manualRoot / "bin" / "input" / "InputIndex.txt");
    std::regex chapterLine("<Index_([A-Za-z0-9_]+)>");
    int chapters = 0;
    for (auto match = std::sregex_iterator(index.begin(), index.end(), chapterLine);
         match != std::sregex_iterator(); ++match, ++chapters) {
        std::string id = (*match)[1].str();
        EXPECT_NE(page.find("<a href=\"#c" + id + "\">"), std::string::npos) << id;
        EXPECT_NE(page.find("<div id=\"c" + id + "\">"), std::string::npos) << id;
    }
    EXPECT_GE(chapters, 5);
}

TEST(DocbuilderInstalledManual, EveryPictureItShowsIsInstalled) {
    std::string page = readFile(manualRoot / "index.html");
    std::regex source("(src=\"|url\\()(bin/[^\")]+)");
    std::set<std::string> pictures;
    for (auto match = std::sregex_iterator(page.begin(), page.end(), source);
         match != std::sregex_iterator(); ++match) {
        pictures.insert((*match)[2].str());
    }
    EXPECT_GE(pictures.size(), 4u);
    for (const std::string& picture : pictures) {
        EXPECT_TRUE(std::filesystem::is_regular_file(manualRoot / picture)) << picture;
    }
}

} // namespace
} // namespace docbuilder::testing
