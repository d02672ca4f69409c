// "[code]" ... "[/code]": preformatted blocks that keep their own line breaks.
#pragma once

#include "docbuilder/format_tags.h"

#include <string>

namespace docbuilder {

class CodeBlocks {
public:
    // Converts the block tags of the line and tells whether the line belongs to a block (it
    // opens, continues or closes one), so that it ends with a plain line feed.
    bool convert(std::string& line, TagBalance& balance);

private:
    bool insideBlock_ = false;
};

} // namespace docbuilder
