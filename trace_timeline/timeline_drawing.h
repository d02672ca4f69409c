// The timeline of a flight's sound as an SVG picture: the camera's view and the scenario's events
// along the top, below them one lane per sound file with a bar for each play, its volume,
// frequency and 3D distance drawn along the bar, one-shots marked where they start.
#pragma once

#include "trace_timeline/scenario_marks.h"
#include "trace_timeline/sound_history.h"

#include <string>
#include <vector>

namespace trace_timeline {

struct RunLabel {
    double start = 0.0;
    std::string name;
};

constexpr double defaultTimelineWidth = 1550.0;

struct Timeline {
    std::string title;
    double width = defaultTimelineWidth; // pixels: the lanes are laid out across it
    double maxHeight = 0.0;              // pixels; a taller drawing is shown scaled down, 0: any
    double end = 0.0;                    // seconds of the whole flight
    std::vector<RunLabel> runs;
    SoundHistory history;
    ScenarioMarks marks;
};

// The sound files in the order they were first heard: the lanes from the top.
std::vector<std::string> laneSounds(const SoundHistory& history);

std::string timelineSvg(const Timeline& timeline);

} // namespace trace_timeline
