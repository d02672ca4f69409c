#include "log_reader.h"

#include "plugin/core/log.h"

namespace testsupport {

LogReader::LogReader(const ScratchFolder& folder) : folder_(folder) {
    zephyrin::logClose();
}

std::string LogReader::fresh() {
    zephyrin::logClose();
    std::string all = folder_.read("Zephyrin_Log.txt");
    std::string lines = seen_ <= all.size() ? all.substr(seen_) : all;
    seen_ = all.size();
    return lines;
}

} // namespace testsupport
