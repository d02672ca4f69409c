// What was heard, sound by sound: each play of a buffer from its Play to its end, with its
// volume, frequency and 3D distance along the way, folded from the calls of a trace.
#pragma once

#include "trace_timeline/trace_file.h"

#include <string>
#include <vector>

namespace trace_timeline {

enum class PlayEnd {
    Stopped,     // Stop
    Released,    // the buffer was released while playing
    Ended,       // a one-shot reached the end of its samples
    FlightEnded, // still playing when the trace ends
};

const char* playEndName(PlayEnd end);

struct Sample {
    double time = 0.0;
    double value = 0.0;
};

struct Play {
    std::string sound;  // the wave file, or the buffer's object for an unnamed buffer
    std::string buffer; // "buffer<N>"
    double start = 0.0;
    double end = 0.0;
    bool looping = false;
    PlayEnd ending = PlayEnd::FlightEnded;
    double fileRateHz = 0.0;
    // From the start on, each where the value changed noticeably; the value holds until the next.
    std::vector<Sample> volumeDb;
    std::vector<Sample> frequencyHz;
    std::vector<Sample> distanceM; // empty for buffers without 3D control
};

struct SoundHistory {
    std::vector<Play> plays;           // in the order they started
    std::vector<std::string> problems; // calls that could not be followed
};

// `flightEnd` ends what still plays when the trace stops (at least its last call's time).
SoundHistory soundHistory(const Trace& trace, double flightEnd);

} // namespace trace_timeline
