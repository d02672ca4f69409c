#include "trace_timeline/scenario_marks.h"

#include "host/scenario_parser.h"

#include <set>

namespace trace_timeline {

namespace {
const char* const attitudeModes[] = {"off", "rotation", "translation"};
const char* const navmodes[] = {"",           "killrot", "hlevel",     "prograde",
                                "retrograde", "normal",  "antinormal", "holdalt"};

// Nothing for the events that only end another (a key's release).
std::string eventLabel(const vrhost::Event& event) {
    using vrhost::EventKind;
    switch (event.kind) {
    case EventKind::Focus:
        return "focus " + event.text;
    case EventKind::KeyDown:
        return "key " + vrhost::virtualKeyName(event.number);
    case EventKind::KeyUp:
        return {};
    case EventKind::Dock:
        return "dock " + std::to_string(event.number) + (event.flag ? " docked" : " free");
    case EventKind::AttitudeMode:
        return event.number >= 0 && event.number <= 2
                   ? std::string("attmode ") + attitudeModes[event.number]
                   : "attmode " + std::to_string(event.number);
    case EventKind::Navmode: {
        std::string mode = event.number >= 1 && event.number <= 7 ? navmodes[event.number]
                                                                  : std::to_string(event.number);
        return "navmode " + mode + (event.flag ? " on" : " off");
    }
    case EventKind::Observer:
        return "observer";
    case EventKind::MfdOpen:
        return "mfd " + event.text;
    case EventKind::MfdButton:
        return "mfd button " + std::to_string(event.number);
    case EventKind::MfdKey:
        return "mfd key " + std::to_string(event.number);
    case EventKind::MfdClose:
        return "mfd close";
    case EventKind::Input:
        return "input \"" + event.text + "\"";
    case EventKind::Call:
        return event.words.empty() ? "call" : "call " + event.words.front();
    }
    return {};
}

double channelValue(const vrhost::Run& run, vrhost::Channel channel, double time, double before) {
    auto track = run.tracks.find({"", channel, 0});
    if (track == run.tracks.end()) {
        return before;
    }
    std::optional<std::vector<double>> values = track->second.valueAt(time);
    return values && !values->empty() ? values->front() : before;
}

// The camera starts in the cockpit, and looks from the track camera when outside.
std::string viewAt(const vrhost::Run& run, double time) {
    if (channelValue(run, vrhost::Channel::CameraInternal, time, 1.0) >= 0.5) {
        return "cockpit";
    }
    int mode = int(channelValue(run, vrhost::Channel::CameraMode, time, CAMERA_MODE_TRACK));
    return mode == CAMERA_MODE_TRACK             ? "track"
           : mode == CAMERA_MODE_GROUND_OBSERVER ? "observer"
                                                 : "external " + std::to_string(mode);
}
} // namespace

ScenarioMarks runMarks(const vrhost::Run& run, double runStart) {
    ScenarioMarks marks;
    std::set<double> changes{0.0};
    for (vrhost::Channel channel : {vrhost::Channel::CameraInternal, vrhost::Channel::CameraMode}) {
        auto track = run.tracks.find({"", channel, 0});
        if (track == run.tracks.end()) {
            continue;
        }
        for (const vrhost::Keyframe& keyframe : track->second.keyframes()) {
            if (keyframe.time >= 0.0 && keyframe.time < run.endTime) {
                changes.insert(keyframe.time);
            }
        }
    }
    for (double time : changes) {
        std::string view = viewAt(run, time);
        if (!marks.views.empty() && marks.views.back().view == view) {
            continue;
        }
        if (!marks.views.empty()) {
            marks.views.back().end = runStart + time;
        }
        marks.views.push_back({runStart + time, runStart + run.endTime, view});
    }
    for (const vrhost::Event& event : run.events) {
        std::string label = eventLabel(event);
        if (!label.empty() && event.time <= run.endTime) {
            marks.events.push_back({runStart + event.time, label});
        }
    }
    return marks;
}

} // namespace trace_timeline
