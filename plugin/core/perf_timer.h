// A stopwatch on the platform's high-resolution counter. Stopped, it keeps the elapsed ticks, so
// that a later start can continue the run.
#pragma once

#include <cstdint>

namespace zephyrin {

class CPerfTimer {
public:
    explicit CPerfTimer(bool start = false);
    virtual ~CPerfTimer() = default;
    CPerfTimer(const CPerfTimer&) = default;
    CPerfTimer& operator=(const CPerfTimer&) = default;

    // Without reset a stopped stopwatch continues from its elapsed time.
    void StartTimer(bool reset = false);
    void StopTimer();
    // Milliseconds so far; the stopwatch keeps running.
    double ElapsedMs() const;

    bool isRunning() const { return counter > 0; }

    // Measures the cost of one empty start and stop with `probe`, which later intervals are
    // relieved of. The first stopwatch of the process does it with itself.
    static void calibrate(CPerfTimer& probe);

protected:
    // Around every read of the counter: a stopwatch shared between threads would lock here.
    virtual void beforeCounterAccess() {}
    virtual void afterCounterAccess() {}

private:
    int64_t readCounter();

    // Running: the (adjusted) start tick, positive. Stopped: minus the elapsed ticks; 0 when it
    // never ran.
    int64_t counter = 0;

    static int64_t timerFrequency; // ticks per second
    static int64_t timerOverhead;  // minus the ticks of an empty start and stop
    static bool calibrated;
};

} // namespace zephyrin
