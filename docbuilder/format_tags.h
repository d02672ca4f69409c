// The colour and format tags of the markup ([red]...[/red], [b]...[/b]) and their balance
// within a chapter.
#pragma once

#include "docbuilder/error_report.h"

#include <array>
#include <string>
#include <string_view>

namespace docbuilder {

struct FormatTag {
    std::string_view name;
    std::string_view openingHtml;
    std::string_view closingHtml;
};

inline constexpr std::string_view spanEnd = "</span>";

inline constexpr std::array<FormatTag, 12> formatTags{{
    {"navy", "<span style=\"color:navy;\">", spanEnd},
    {"red", "<span style=\"color:red;\">", spanEnd},
    {"green", "<span style=\"color:green;\">", spanEnd},
    {"y", "<span style=\"background-color:yellow;\">", spanEnd},
    {"b", "<strong>", "</strong>"},
    {"i", "<em>", "</em>"},
    {"center", "<center>", "</center>"},
    {"u", "<u>", "</u>"},
    {"strike", "<strike>", "</strike>"},
    {"backblue", "<span style=\"background-color:#00deff;\">", spanEnd},
    {"backgreen", "<span style=\"background-color:#00ff42;\">", spanEnd},
    {"backred", "<span style=\"background-color:#ff833f;\">", spanEnd},
}};

// The tags an index text line may use.
inline constexpr std::array<std::string_view, 3> indexFormatTags{"b", "i", "u"};

// How many openings and closings of each tag pair a chapter replaced; the code block pair is
// counted under the name of the HTML element it becomes.
class TagBalance {
public:
    void countOpenings(std::string_view name, int count);
    void countClosings(std::string_view name, int count);

    // One error per pair whose openings and closings differ.
    void reportUnbalanced(ErrorReport& errors) const;

private:
    struct Counts {
        int openings = 0;
        int closings = 0;
    };
    static constexpr size_t codeBlockIndex = formatTags.size();
    static size_t indexOf(std::string_view name);

    std::array<Counts, formatTags.size() + 1> counts_{};
};

inline constexpr std::string_view codeBlockName = "Pre";

// Every colour and format tag of the table, counted into `balance`.
void convertFormatTags(std::string& line, TagBalance& balance);

// Bold, italic and underline, as the index allows them.
void convertIndexFormatTags(std::string& line);

// "[br]" as a line break.
void convertLineBreaks(std::string& line);

} // namespace docbuilder
