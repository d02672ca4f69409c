#include "docbuilder/url_tags.h"

#include <gtest/gtest.h>

#include <sstream>

namespace docbuilder {
namespace {

struct UrlCase {
    const char* markup;
    const char* html;
    const char* error; // empty when the line converts cleanly
};

class DocbuilderUrlTags : public ::testing::TestWithParam<UrlCase> {};

TEST_P(DocbuilderUrlTags, ConvertsOrReports) {
    std::ostringstream console;
    ErrorReport errors(console);
    std::string page;
    errors.writeInto(page);
    std::string line = GetParam().markup;

    convertUrlTags(line, errors);

    EXPECT_EQ(line, GetParam().html);
    std::string error = GetParam().error;
    EXPECT_EQ(errors.count(), error.empty() ? 0 : 1);
    if (!error.empty()) {
        EXPECT_NE(page.find(error), std::string::npos) << page;
        EXPECT_NE(console.str().find(error), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocbuilderUrlTags,
    ::testing::Values(
        UrlCase{"see [url=http://voranth.example/a?b=1&c=2]the site[/url].",
                "see <a href=\"http://voranth.example/a?b=1&amp;c=2\" target=\"_blank\">the "
                "site</a>.",
                ""},
        UrlCase{"[URL=#cinstall]Installation[/URL]", "<a href=\"#cinstall\">Installation</a>", ""},
        UrlCase{"[url=#a]A[/url] and [url=#b]B[/url]",
                "<a href=\"#a\">A</a> and <a href=\"#b\">B</a>", ""},
        UrlCase{"[url=#a]A[/url] then [url=#b B", "<a href=\"#a\">A</a> then [url=#b B",
                "Error bad formed Url tag: [url=#b B"},
        UrlCase{"[url=#a]A and more", "[url=#a]A and more",
                "Error bad formed Url missing [/url]: [url=#a]A and more"}));

} // namespace
} // namespace docbuilder
