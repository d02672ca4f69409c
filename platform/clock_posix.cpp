#include "system.h"

#include <time.h>

namespace platform::system {

namespace {
constexpr int64_t nanosecondsPerSecond = 1000000000;
}

int64_t counter() {
    timespec now;
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * nanosecondsPerSecond + now.tv_nsec;
}

int64_t counterFrequency() {
    return nanosecondsPerSecond;
}

uint32_t tickCountMs() {
    return static_cast<uint32_t>(counter() / 1000000);
}

std::tm localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

} // namespace platform::system
