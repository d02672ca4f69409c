#include "system.h"

#include <windows.h>

namespace platform::system {

uint32_t tickCountMs() {
    return ::GetTickCount();
}

int64_t counter() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

int64_t counterFrequency() {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

std::tm localNow() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    std::tm local{};
    local.tm_year = now.wYear - 1900;
    local.tm_mon = now.wMonth - 1;
    local.tm_mday = now.wDay;
    local.tm_hour = now.wHour;
    local.tm_min = now.wMinute;
    local.tm_sec = now.wSecond;
    local.tm_wday = now.wDayOfWeek;
    local.tm_isdst = -1;
    std::tm normalised = local;
    std::mktime(&normalised); // fills in the day of the year
    local.tm_yday = normalised.tm_yday;
    return local;
}

} // namespace platform::system
