// The lines the plug-in wrote to its log since the last look.
#pragma once

#include "scratch_folder.h"

#include <string>

namespace testsupport {

class LogReader {
public:
    // Closes a log a previous test left open in its own folder.
    explicit LogReader(const ScratchFolder& folder);
    // Closes the log, so that every line written so far is on disk, and returns the new ones.
    std::string fresh();

private:
    const ScratchFolder& folder_;
    size_t seen_ = 0;
};

} // namespace testsupport
