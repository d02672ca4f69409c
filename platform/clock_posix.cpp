#include "clock.h"

#include <time.h>

namespace platform {

namespace {
constexpr int64_t nanosecondsPerSecond = 1000000000;

struct PinnedDate {
    bool set = false;
    int year = 0;
    int month = 0;
    int day = 0;
};
PinnedDate pinnedDate;

bool simulatedClock = false;
int64_t simulatedNanoseconds = 0;

int64_t monotonicNanoseconds() {
    if (simulatedClock) {
        return simulatedNanoseconds;
    }
    timespec now;
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * nanosecondsPerSecond + now.tv_nsec;
}
} // namespace

uint32_t tickCountMs() {
    return static_cast<uint32_t>(monotonicNanoseconds() / 1000000);
}

int64_t performanceCounter() {
    return monotonicNanoseconds();
}

int64_t performanceFrequency() {
    return nanosecondsPerSecond;
}

std::tm localTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    if (pinnedDate.set) {
        local.tm_year = pinnedDate.year - 1900;
        local.tm_mon = pinnedDate.month - 1;
        local.tm_mday = pinnedDate.day;
        std::tm normalised = local;
        std::mktime(&normalised); // fills in the weekday and the day of the year
        local.tm_wday = normalised.tm_wday;
        local.tm_yday = normalised.tm_yday;
    }
    return local;
}

void setLocalDate(int year, int month, int day) {
    pinnedDate = PinnedDate{true, year, month, day};
}

void clearLocalDate() {
    pinnedDate = PinnedDate{};
}

void useSimulatedClock(bool enabled) {
    if (enabled && !simulatedClock) {
        simulatedNanoseconds = monotonicNanoseconds();
    }
    simulatedClock = enabled;
}

void advanceSimulatedClock(double seconds) {
    simulatedNanoseconds += static_cast<int64_t>(seconds * nanosecondsPerSecond);
}

} // namespace platform
