// Lines with a tab line up their text after the tab in one column over a run of such lines.
#pragma once

#include <string>
#include <vector>

namespace docbuilder {

// Characters before the line's first tab that the reader sees: markup inside <...> and [...]
// takes no room.
int visibleWidthBeforeTab(const std::string& line);

// The column of the run of tabbed lines starting at `first`: the widest text before the tab
// among the consecutive lines that hold a tab.
int tabRunColumn(const std::vector<std::string>& lines, size_t first);

// The first tab as the start of a block placed at the column; further tabs are dropped.
void convertTabColumn(std::string& line, int column);

} // namespace docbuilder
