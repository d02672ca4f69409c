#include "plugin/core/greetings.h"

#include "platform/clock.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace zephyrin {

namespace {

int32_t specialDateChecked = 0;

// The message may hold the year, filled in from the local time.
struct Greeting {
    const char* dayAndMonth; // "%d%m"
    const char* file;
    const char* message;
};

constexpr Greeting greetings[] = {
    {"2512", "Sound\\cfg\\jbls.tpc", "Zephyrin wish you a merry christmas ! "},
    {"3112", "Sound\\cfg\\ny.tpc", "Zephyrin say: Don't drink too much tonight :)  "},
    {"0101", "Sound\\cfg\\ny1.tpc", "Zephyrin whish you a HAPPY NEW YEAR %Y ! :)"},
};

} // namespace

const char* greetingOf(const std::tm& date, char* message, size_t messageSize) {
    char dayMonthYear[16];
    std::strftime(dayMonthYear, sizeof dayMonthYear, "%d%m%Y", &date);
    for (const Greeting& greeting : greetings) {
        if (std::strncmp(dayMonthYear, greeting.dayAndMonth, 4) == 0) {
            std::strftime(message, messageSize, greeting.message, &date);
            return greeting.file;
        }
    }
    return nullptr;
}

void CheckSpecialDate() {
    if (specialDateChecked != 0) {
        return;
    }
    specialDateChecked = 1;
    if (const char* file =
            greetingOf(platform::localTime(), run.startMessage, sizeof run.startMessage)) {
        LoadWave(stockSlot(SpecialDate), file, 0);
    }
}

} // namespace zephyrin
