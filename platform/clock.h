// Clocks of the platform: the millisecond tick, the high-resolution counter and the local time.
#pragma once

#include <cstdint>
#include <ctime>

namespace platform {

// Milliseconds since an arbitrary start, wrapping at 2^32 (GetTickCount).
uint32_t tickCountMs();

// High-resolution counter and its ticks per second (QueryPerformanceCounter / -Frequency).
int64_t performanceCounter();
int64_t performanceFrequency();

// Local calendar time; the date part follows setLocalDate when one was set.
std::tm localTime();

// Pins the local date (the time of day stays real), as `vrhost --date` and tests ask.
void setLocalDate(int year, int month, int day);
void clearLocalDate();

// Offline rendering runs faster than real time: the stand-in host then drives the tick and the
// counter from simulated time, so that every run measures the same intervals; the tick starts
// from the same value in every run.
void useSimulatedClock(bool enabled);
void advanceSimulatedClock(double seconds);

} // namespace platform
