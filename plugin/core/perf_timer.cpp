#include "plugin/core/perf_timer.h"

#include "platform/clock.h"

namespace zephyrin {

int64_t CPerfTimer::timerFrequency = 1;
int64_t CPerfTimer::timerOverhead = 0;
bool CPerfTimer::calibrated = false;

namespace {
constexpr double millisecondsPerSecond = 1000.0;
}

CPerfTimer::CPerfTimer(bool start) {
    if (!calibrated) {
        calibrate(*this);
    }
    counter = 0;
    if (start) {
        StartTimer();
    }
}

void CPerfTimer::calibrate(CPerfTimer& probe) {
    int64_t frequency = platform::performanceFrequency();
    timerFrequency = frequency != 0 ? frequency : 1;
    calibrated = true;
    probe.counter = 0;
    timerOverhead = 0;
    probe.StartTimer();
    probe.StopTimer();
    timerOverhead = probe.counter;
    probe.counter = 0;
}

int64_t CPerfTimer::readCounter() {
    beforeCounterAccess();
    int64_t now = platform::performanceCounter();
    afterCounterAccess();
    return now;
}

void CPerfTimer::StartTimer(bool reset) {
    int64_t now = readCounter();
    counter = !reset && counter < 0 ? now + counter : now;
}

void CPerfTimer::StopTimer() {
    if (counter <= 0) {
        return;
    }
    counter -= readCounter();
    counter = -counter <= -timerOverhead ? 0 : counter - timerOverhead;
}

double CPerfTimer::ElapsedMs() const {
    CPerfTimer copy(*this);
    copy.StopTimer();
    return static_cast<double>(-copy.counter) * millisecondsPerSecond /
           static_cast<double>(timerFrequency);
}

} // namespace zephyrin
