#include "docbuilder/code_blocks.h"

#include "docbuilder/text_search.h"

namespace docbuilder {

bool CodeBlocks::convert(std::string& line, TagBalance& balance) {
    bool blockLine = insideBlock_;
    if (!insideBlock_) {
        int openings = replaceAllNoCase(line, "[code]", "<pre class=\"framecode\">");
        if (openings > 0) {
            balance.countOpenings(codeBlockName, openings);
            insideBlock_ = true;
            blockLine = true;
        }
    }
    int closings = replaceAllNoCase(line, "[/code]", "</pre>");
    if (closings > 0) {
        balance.countClosings(codeBlockName, closings);
        insideBlock_ = false;
        blockLine = true;
    }
    return blockLine;
}

} // namespace docbuilder
