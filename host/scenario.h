// A scenario: the world a flight starts from and its runs, each a time line of keyframes and
// events. scenario_parser.h reads it from a .vrs file; scenario_player.h flies it.
#pragma once

#include "host/option_settings.h"
#include "host/timeline.h"
#include "host/vessel.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace vrhost {

struct ThrusterDefinition {
    std::vector<THGROUP_TYPE> groups; // standard groups
    int userGroup = -1;               // or a user group
    VECTOR3 position{0.0, 0.0, 0.0};
    VECTOR3 direction{0.0, 0.0, 1.0};
};

struct DockingPortDefinition {
    VECTOR3 position{0.0, 0.0, 0.0};
    VECTOR3 direction{0.0, 0.0, 1.0};
    VECTOR3 rotation{0.0, 1.0, 0.0};
};

struct AnimationDefinition {
    double defaultState = 0.0;
    std::vector<AnimationComponentSpec> components;
};

struct VesselDefinition {
    VesselSpec spec;
    std::vector<ThrusterDefinition> thrusters;
    std::vector<DockingPortDefinition> ports;
    std::vector<AnimationDefinition> animations;
};

struct BaseDefinition {
    std::string name;
    SurfacePoint point;
};

struct StationDefinition {
    std::string name;
    SurfacePoint point;
    double altitudeM = 0.0;
    double sizeM = 50.0;
    double massKg = 400000.0;
};

// What a keyframe sets. Vessel channels act on one vessel, the others on the world.
enum class Channel {
    Throttle,       // main/retro -1..1
    Hover,          // 0..1
    GroupLevel,     // attitude group (index = THGROUP_TYPE) 0..1
    UserGroupLevel, // user group (index) 0..1
    Altitude,       // m
    Airspeed,       // m/s
    VerticalSpeed,  // m/s; "auto" = from the altitude
    Attitude,       // pitch, bank, heading in degrees
    GroundContact,  // 1, 0; "auto" = from the height
    Status,         // VESSEL_STATUS_*; "auto" = from contact and speed
    Wheelbrakes,    // left, right 0..1
    AnimationState, // animation (index) 0..1
    Fuel,           // 0..1
    CameraInternal, // 1 cockpit, 0 external
    CameraMode,     // external camera mode
    CockpitMode,
    CameraDistance, // m
    TimeAcceleration,
};

bool isVesselChannel(Channel channel);

struct TrackKey {
    std::string vessel; // empty for world channels
    Channel channel = Channel::Throttle;
    int index = 0;

    friend bool operator<(const TrackKey& a, const TrackKey& b) {
        return std::tie(a.vessel, a.channel, a.index) < std::tie(b.vessel, b.channel, b.index);
    }
};

enum class EventKind {
    Focus,        // text: vessel
    KeyDown,      // number: virtual key
    KeyUp,        // number: virtual key
    Dock,         // vessel, number: port, flag: docked
    AttitudeMode, // vessel, number: mode
    Navmode,      // vessel, number: mode, flag: active
    Observer,     // values: along, side, height (m)
    MfdOpen,      // text: mode name, values: width, height
    MfdButton,    // number: button
    MfdKey,       // number: key
    MfdClose,
    Input, // text: the answer
    Call,  // words: an add-on function and its arguments
};

struct Event {
    double time = 0.0;
    int line = 0;
    EventKind kind = EventKind::Focus;
    std::string vessel;
    std::string text;
    int number = 0;
    bool flag = false;
    std::vector<double> values;
    std::vector<std::string> words;
};

struct Run {
    std::string name;
    int line = 0;
    double endTime = 0.0;
    std::string focus; // vessel in focus when the window opens
    std::map<TrackKey, Track> tracks;
    std::vector<Event> events; // in time order, file order within a time
};

struct Scenario {
    std::string fileName;
    double frameRate = 50.0;
    double startMjd = 51544.5;
    std::string planetName = "Earth";
    double planetRadiusM = 6371000.0;
    std::vector<BaseDefinition> bases;
    std::vector<StationDefinition> stations;
    std::vector<VesselDefinition> vessels;
    std::vector<std::string> addons;    // library paths, relative to the simulator's folder
    std::vector<OptionSetting> options; // plug-in options for the whole flight
    std::string focus;                  // default focus of every run
    std::vector<Run> runs;
};

} // namespace vrhost
