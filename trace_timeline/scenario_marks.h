// What the scenario did along the flight, for the top of the timeline: the camera's view and
// the scenario's events (keys, focus, docking, modes, MFD, answers).
#pragma once

#include "host/scenario.h"

#include <string>
#include <vector>

namespace trace_timeline {

struct ViewSpan {
    double start = 0.0;
    double end = 0.0;
    std::string view; // "cockpit", "track", "observer" or "external N"
};

struct EventMark {
    double time = 0.0;
    std::string label; // "key SPACE", "focus ISS", "dock 0 docked", ...
};

struct ScenarioMarks {
    std::vector<ViewSpan> views;
    std::vector<EventMark> events;
};

// The marks of a run that starts at `runStart` on the flight's time line.
ScenarioMarks runMarks(const vrhost::Run& run, double runStart);

} // namespace trace_timeline
