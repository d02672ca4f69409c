#include "host/scenario_player.h"

#include <algorithm>

#include "host/scenario_parser.h"
#include "platform/keyboard.h"

#include <cmath>
#include <set>

namespace vrhost {

namespace {
// Frame times are sums of steps; an event due within this margin belongs to the frame.
constexpr double timeMarginS = 1e-6;
// Where an observer stands when the ground camera comes without an `observer` event.
constexpr double defaultObserverSideM = 50.0;
constexpr double observerEyeHeightM = 2.0;

void applyVesselChannel(Vessel& vessel, Channel channel, int index,
                        const std::vector<double>& values) {
    double value = values.front();
    switch (channel) {
    case Channel::Throttle:
        vessel.setThrottle(value);
        break;
    case Channel::Hover:
        vessel.setGroupLevel(THGROUP_HOVER, value);
        break;
    case Channel::GroupLevel:
        vessel.setGroupLevel(static_cast<THGROUP_TYPE>(index), value);
        break;
    case Channel::UserGroupLevel:
        vessel.setUserGroupLevel(index, value);
        break;
    case Channel::Altitude:
        vessel.setAltitude(value);
        break;
    case Channel::Airspeed:
        vessel.setAirspeed(value);
        break;
    case Channel::VerticalSpeed:
        vessel.setVerticalSpeed(isAutomatic(value) ? std::nullopt : std::optional(value));
        break;
    case Channel::Attitude:
        vessel.setAttitude(Attitude{values[0], values[1], values[2]});
        break;
    case Channel::GroundContact:
        vessel.setGroundContact(isAutomatic(value) ? std::nullopt : std::optional(value >= 0.5));
        break;
    case Channel::Status:
        vessel.setStatus(isAutomatic(value) ? std::nullopt
                                            : std::optional(static_cast<int>(value)));
        break;
    case Channel::Wheelbrakes:
        vessel.setWheelbrakes(values[0], values[1]);
        break;
    case Channel::AnimationState:
        vessel.setAnimationState(index, value);
        break;
    case Channel::Fuel:
        vessel.setFuel(value);
        break;
    default:
        break;
    }
}

void applyWorldChannel(World& w, Channel channel, double value) {
    switch (channel) {
    case Channel::CameraInternal:
        w.camera().internal = value >= 0.5;
        break;
    case Channel::CameraMode:
        w.camera().externalMode = static_cast<int>(value);
        break;
    case Channel::CockpitMode:
        w.camera().cockpitMode = static_cast<int>(value);
        break;
    case Channel::CameraDistance:
        w.camera().targetDistanceM = value;
        break;
    case Channel::TimeAcceleration:
        w.setTimeAcceleration(value);
        break;
    default:
        break;
    }
}
} // namespace

ScenarioPlayer::ScenarioPlayer(const Scenario& scenario, Simulation& simulation,
                               PlayOptions options)
    : scenario_(scenario), simulation_(simulation), options_(std::move(options)) {}

void ScenarioPlayer::playAll() {
    simulation_.setStartMjd(scenario_.startMjd);
    readingConfiguration(true);
    simulation_.initModule();
    readingConfiguration(false);
    for (const Run& run : scenario_.runs) {
        playRun(run);
    }
    simulation_.exitModule();
}

void ScenarioPlayer::readingConfiguration(bool reading) const {
    if (options_.configurationRead) {
        options_.configurationRead(reading);
    }
}

double ScenarioPlayer::totalTimeS() const {
    double total = 0.0;
    for (const Run& run : scenario_.runs) {
        total += run.endTime;
    }
    return total > 0.0 ? total : 1.0;
}

void ScenarioPlayer::buildWorld(const Run& run) const {
    World& w = world();
    w.reset();
    w.setPlanet(scenario_.planetName, scenario_.planetRadiusM, earthMassKg);
    for (const BaseDefinition& base : scenario_.bases) {
        w.addBase(base.name, base.point);
    }
    for (const StationDefinition& station : scenario_.stations) {
        w.addStation(station.name, station.sizeM, station.massKg,
                     w.planet().positionOver(station.point, station.altitudeM));
    }
    for (const VesselDefinition& definition : scenario_.vessels) {
        Vessel& vessel = w.addVessel(definition.spec);
        for (const ThrusterDefinition& thruster : definition.thrusters) {
            if (thruster.userGroup >= 0) {
                vessel.addUserThruster(thruster.userGroup, thruster.position, thruster.direction);
            } else {
                vessel.addThruster(thruster.groups, thruster.position, thruster.direction);
            }
        }
        for (const DockingPortDefinition& port : definition.ports) {
            vessel.addDockingPort(port.position, port.direction, port.rotation);
        }
        for (const AnimationDefinition& animation : definition.animations) {
            int index = vessel.addAnimation(animation.defaultState);
            for (const AnimationComponentSpec& component : animation.components) {
                vessel.addAnimationComponent(index, component);
            }
        }
    }
    w.setFocus(vesselNamed(run.focus));
}

void ScenarioPlayer::applyKeyframes(const Run& run, double time) const {
    World& w = world();
    for (const auto& [key, track] : run.tracks) {
        std::optional<std::vector<double>> values = track.valueAt(time);
        if (!values) {
            continue;
        }
        if (isVesselChannel(key.channel)) {
            applyVesselChannel(vesselNamed(key.vessel), key.channel, key.index, *values);
        } else {
            applyWorldChannel(w, key.channel, values->front());
        }
    }
    CameraSettings& camera = w.camera();
    if (!camera.internal && camera.externalMode == CAMERA_MODE_GROUND_OBSERVER &&
        !camera.observer) {
        w.placeObserver(0.0, defaultObserverSideM, observerEyeHeightM);
    }
}

void ScenarioPlayer::playRun(const Run& run) {
    buildWorld(run);
    double frameStep = 1.0 / scenario_.frameRate;
    if (options_.progress) {
        char line[200];
        std::snprintf(line, sizeof line, "run \"%s\": %.1f s at %g frames per second",
                      run.name.c_str(), run.endTime, scenario_.frameRate);
        options_.progress(line);
    }
    applyKeyframes(run, 0.0);
    simulation_.openViewport(options_.withWindow);
    std::set<int> keysHeld;
    size_t nextEvent = 0;
    long frames = 0;
    while (simulation_.simTime() <= run.endTime + timeMarginS) {
        double now = simulation_.simTime();
        applyKeyframes(run, now);
        for (; nextEvent < run.events.size() && run.events[nextEvent].time <= now + timeMarginS;
             ++nextEvent) {
            const Event& event = run.events[nextEvent];
            if (event.kind == EventKind::KeyDown) {
                keysHeld.insert(event.number);
            } else if (event.kind == EventKind::KeyUp) {
                keysHeld.erase(event.number);
            }
            fire(event);
        }
        simulation_.frame(frameStep);
        ++frames;
        if (options_.afterFrame) {
            options_.afterFrame(frameStep,
                                std::min(1.0, (flownS_ + simulation_.simTime()) / totalTimeS()));
        }
    }
    flownS_ += run.endTime;
    for (int key : keysHeld) {
        platform::setKeyDown(key, false);
    }
    readingConfiguration(true);
    simulation_.closeViewport();
    readingConfiguration(false);
    if (options_.progress) {
        options_.progress("run \"" + run.name + "\" ended after " + std::to_string(frames) +
                          " frames");
    }
}

void ScenarioPlayer::fire(const Event& event) {
    World& w = world();
    switch (event.kind) {
    case EventKind::Focus:
        simulation_.changeFocus(vesselNamed(event.text));
        break;
    case EventKind::KeyDown:
    case EventKind::KeyUp:
        platform::setKeyDown(event.number, event.kind == EventKind::KeyDown);
        break;
    case EventKind::Dock:
        vesselNamed(event.vessel).setDockingStatus(event.number, event.flag);
        break;
    case EventKind::AttitudeMode:
        vesselNamed(event.vessel).setAttitudeMode(event.number);
        break;
    case EventKind::Navmode:
        vesselNamed(event.vessel).setNavmode(event.number, event.flag);
        break;
    case EventKind::Observer:
        w.placeObserver(event.values[0], event.values[1], event.values[2]);
        break;
    case EventKind::MfdOpen:
        if (mfdModes().find(event.text) == nullptr) {
            std::string registered;
            for (const MfdMode& mode : mfdModes().modes()) {
                registered += (registered.empty() ? "\"" : ", \"") + mode.name + "\"";
            }
            simulation_.report("mfd: no mode \"" + event.text + "\" is registered (registered: " +
                               (registered.empty() ? "none" : registered) + ")");
        } else if (!simulation_.openMfd(event.text, static_cast<DWORD>(event.values[0]),
                                        static_cast<DWORD>(event.values[1]))) {
            simulation_.report("mfd: mode \"" + event.text + "\" made no display");
        }
        break;
    case EventKind::MfdButton:
    case EventKind::MfdKey:
        if (OpenMfd* mfd = simulation_.mfd()) {
            if (event.kind == EventKind::MfdButton) {
                mfd->pressButton(event.number);
            } else {
                mfd->pressKey(static_cast<DWORD>(event.number));
            }
            simulation_.paintMfd();
        } else {
            simulation_.report("mfd: no display is open");
        }
        break;
    case EventKind::MfdClose:
        simulation_.closeMfd();
        break;
    case EventKind::Input:
        if (!w.inputBox().isOpen()) {
            simulation_.report("input: no input box is open for \"" + event.text + "\"");
        } else {
            bool accepted = simulation_.answerInputBox(event.text);
            simulation_.report("input: \"" + event.text + "\" " +
                               (accepted ? "accepted" : "refused"));
        }
        break;
    case EventKind::Call:
        if (!simulation_.scenarioCall(event.words)) {
            simulation_.report("call: no add-on takes calls (load one with an addon line)");
        }
        break;
    }
}

Vessel& ScenarioPlayer::vesselNamed(const std::string& name) const {
    Vessel* vessel = world().findVessel(name);
    if (vessel == nullptr) {
        // The parser checked every name; a run cannot name a vessel its world lacks.
        throw ScenarioError(scenario_.fileName, 0, "no vessel named '" + name + "'");
    }
    return *vessel;
}

} // namespace vrhost
