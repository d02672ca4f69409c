#include "host/day_number.h"

#include <chrono>
#include <cstdio>
#include <cstring>

namespace vrhost {

std::optional<int> dayNumber(const char* date) {
    static constexpr const char* monthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (date == nullptr) {
        return std::nullopt;
    }
    char month[4] = {};
    int day = 0;
    int year = 0;
    char rest = 0;
    if (std::sscanf(date, "%3s %d %d%c", month, &day, &year, &rest) != 3) {
        return std::nullopt;
    }
    for (unsigned index = 0; index < 12; ++index) {
        if (std::strcmp(month, monthNames[index]) == 0) {
            std::chrono::year_month_day calendarDate{std::chrono::year{year},
                                                     std::chrono::month{index + 1},
                                                     std::chrono::day{static_cast<unsigned>(day)}};
            if (day < 1 || !calendarDate.ok()) {
                return std::nullopt;
            }
            std::chrono::sys_days days{calendarDate};
            std::chrono::sys_days epoch{std::chrono::year{2000} / std::chrono::January / 1};
            return static_cast<int>((days - epoch).count());
        }
    }
    return std::nullopt;
}

} // namespace vrhost
