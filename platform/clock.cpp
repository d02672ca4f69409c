// The simulated clock and the pinned date, over the system's own clocks.
#include "clock.h"

#include "system.h"

namespace platform {

namespace {
struct PinnedDate {
    bool set = false;
    int year = 0;
    int month = 0;
    int day = 0;
};
PinnedDate pinnedDate;

// While simulated, both clocks stand still between steps: they read their value at the moment
// the simulation took over plus the simulated seconds since.
struct SimulatedClock {
    bool enabled = false;
    uint32_t startTickMs = 0;
    int64_t startCounter = 0;
    double elapsedSeconds = 0.0;
};
SimulatedClock simulated;
// Every simulated run starts from the same tick: the random generator seeded from it then draws
// the same numbers, and a flight sounds the same each time (the same wind of the same planet).
constexpr uint32_t simulatedStartTickMs = 3600000;
} // namespace

uint32_t tickCountMs() {
    if (simulated.enabled) {
        return simulated.startTickMs + static_cast<uint32_t>(simulated.elapsedSeconds * 1000.0);
    }
    return system::tickCountMs();
}

int64_t performanceCounter() {
    if (simulated.enabled) {
        return simulated.startCounter +
               static_cast<int64_t>(simulated.elapsedSeconds *
                                    static_cast<double>(system::counterFrequency()));
    }
    return system::counter();
}

int64_t performanceFrequency() {
    return system::counterFrequency();
}

std::tm localTime() {
    std::tm local = system::localNow();
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
    if (enabled && !simulated.enabled) {
        simulated = SimulatedClock{true, simulatedStartTickMs, system::counter(), 0.0};
    }
    simulated.enabled = enabled;
}

void advanceSimulatedClock(double seconds) {
    simulated.elapsedSeconds += seconds;
}

} // namespace platform
