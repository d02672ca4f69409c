// "[url=ADDRESS]TEXT[/url]" as links.
#pragma once

#include "docbuilder/error_report.h"

#include <string>

namespace docbuilder {

// Every url tag of the line as an anchor; links to the web open in a new window. A malformed
// tag is reported and leaves it and the rest of the line as written.
void convertUrlTags(std::string& line, ErrorReport& errors);

} // namespace docbuilder
