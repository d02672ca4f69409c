#include "host/vessel.h"

#include "host/vector_math.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace vrhost {

namespace {
// Below this height above ground a vessel touches it unless the scenario says otherwise.
constexpr double groundContactHeightM = 0.05;
// Slower than this on the ground counts as standing.
constexpr double landedSpeedMPerS = 0.1;
constexpr double twoPi = 6.28318530717958647692;

bool isStandardGroup(THGROUP_TYPE type) {
    return type >= THGROUP_MAIN && type < standardGroupCount;
}

MATRIX3 attitudeMatrix(const Attitude& attitude) {
    double heading = attitude.heading * radiansPerDegree;
    double pitch = attitude.pitch * radiansPerDegree;
    double bank = attitude.bank * radiansPerDegree;
    MATRIX3 yaw = matrixFromColumns({std::cos(heading), 0.0, -std::sin(heading)}, {0.0, 1.0, 0.0},
                                    {std::sin(heading), 0.0, std::cos(heading)});
    MATRIX3 nose = matrixFromColumns({1.0, 0.0, 0.0}, {0.0, std::cos(pitch), -std::sin(pitch)},
                                     {0.0, std::sin(pitch), std::cos(pitch)});
    MATRIX3 roll = matrixFromColumns({std::cos(bank), -std::sin(bank), 0.0},
                                     {std::sin(bank), std::cos(bank), 0.0}, {0.0, 0.0, 1.0});
    return yaw * nose * roll;
}
} // namespace

// The SDK's animation records point into each other; they are kept here at stable addresses.
struct Vessel::AnimationStore {
    std::deque<ANIMATIONCOMP> components;
    std::deque<MGROUP_TRANSFORM> transforms;
    std::deque<std::vector<UINT>> groupLists;
    std::deque<std::vector<ANIMATIONCOMP*>> componentLists; // one per animation
    std::map<const ANIMATIONCOMP*, std::vector<ANIMATIONCOMP*>> children;
};

Vessel::Vessel(const VesselSpec& spec, const Planet& planet)
    : WorldObject(ObjectKind::Vessel, spec.name), planet_(planet), className_(spec.className),
      sizeM_(spec.size), massKg_(spec.mass), cogElevationM_(spec.cogElevation),
      cameraOffset_(spec.cameraOffset), position_(spec.position),
      altitudeM_(spec.altitude.value_or(spec.cogElevation)), attitude_(spec.attitude),
      lastAltitudeM_(altitudeM_), lastAttitude_(spec.attitude),
      animationStore_(std::make_unique<AnimationStore>()) {}

Vessel::~Vessel() = default;

THRUSTER_HANDLE Vessel::addThruster(std::initializer_list<THGROUP_TYPE> groups, VECTOR3 position,
                                    VECTOR3 direction) {
    return addThruster(std::vector<THGROUP_TYPE>(groups), position, direction);
}

THRUSTER_HANDLE Vessel::addThruster(const std::vector<THGROUP_TYPE>& groups, VECTOR3 position,
                                    VECTOR3 direction) {
    Thruster& thruster = thrusters_.emplace_back(Thruster{position, unit(direction), 0.0});
    for (THGROUP_TYPE group : groups) {
        if (isStandardGroup(group)) {
            groups_[group].push_back(&thruster);
        }
    }
    updateThrusterLevels();
    return &thruster;
}

THRUSTER_HANDLE Vessel::addUserThruster(int userGroup, VECTOR3 position, VECTOR3 direction) {
    Thruster& thruster = thrusters_.emplace_back(Thruster{position, unit(direction), 0.0});
    while (static_cast<int>(userGroups_.size()) <= userGroup) {
        userGroups_.emplace_back();
    }
    userGroups_[static_cast<size_t>(userGroup)].thrusters.push_back(&thruster);
    updateThrusterLevels();
    return &thruster;
}

int Vessel::addDockingPort(VECTOR3 position, VECTOR3 direction, VECTOR3 rotation) {
    ports_.push_back(DockingPort{position, direction, rotation, false});
    return static_cast<int>(ports_.size()) - 1;
}

int Vessel::addAnimation(double defaultState) {
    animationStore_->componentLists.emplace_back();
    animations_.push_back(ANIMATION{defaultState, defaultState, 0, nullptr});
    return static_cast<int>(animations_.size()) - 1;
}

void Vessel::removeAnimation(int animation) {
    if (animation < 0 || animation >= animationCount()) {
        return;
    }
    // The component lists keep their buffers when moved, so the records stay valid.
    animations_.erase(animations_.begin() + animation);
    std::deque<std::vector<ANIMATIONCOMP*>>& lists = animationStore_->componentLists;
    lists.erase(lists.begin() + animation);
}

void Vessel::addAnimationComponent(int animation, const AnimationComponentSpec& spec) {
    if (animation < 0 || animation >= animationCount()) {
        return;
    }
    AnimationStore& store = *animationStore_;
    std::vector<UINT>& groups = store.groupLists.emplace_back(spec.groups);
    MGROUP_TRANSFORM& transform = store.transforms.emplace_back();
    transform.type = spec.type;
    transform.mesh = spec.mesh;
    transform.grp = groups.data();
    transform.ngrp = static_cast<UINT>(groups.size());
    transform.ref = spec.reference;
    transform.axis = spec.axis;
    transform.angle = static_cast<float>(spec.angleDeg * radiansPerDegree);
    transform.shift = spec.shift;
    transform.scale = spec.scale;

    std::vector<ANIMATIONCOMP*>& list = store.componentLists[static_cast<size_t>(animation)];
    ANIMATIONCOMP& component = store.components.emplace_back();
    component.state0 = spec.state0;
    component.state1 = spec.state1;
    component.trans = &transform;
    component.children = nullptr;
    component.nchildren = 0;
    component.parent = nullptr;
    if (spec.parent >= 0 && spec.parent < static_cast<int>(list.size())) {
        ANIMATIONCOMP* parent = list[static_cast<size_t>(spec.parent)];
        component.parent = parent;
        std::vector<ANIMATIONCOMP*>& siblings = store.children[parent];
        siblings.push_back(&component);
        parent->children = siblings.data();
        parent->nchildren = static_cast<UINT>(siblings.size());
    }
    list.push_back(&component);
    ANIMATION& record = animations_[static_cast<size_t>(animation)];
    record.comp = list.data();
    record.ncomp = static_cast<UINT>(list.size());
}

void Vessel::setGroupLevel(THGROUP_TYPE group, double level) {
    if (isStandardGroup(group)) {
        groupLevels_[group] = std::clamp(level, 0.0, 1.0);
        updateThrusterLevels();
    }
}

double Vessel::groupLevel(THGROUP_TYPE group) const {
    return isStandardGroup(group) ? groupLevels_[group] : 0.0;
}

void Vessel::setThrottle(double mainRetro) {
    double setting = std::clamp(mainRetro, -1.0, 1.0);
    groupLevels_[THGROUP_MAIN] = std::max(setting, 0.0);
    groupLevels_[THGROUP_RETRO] = std::max(-setting, 0.0);
    updateThrusterLevels();
}

void Vessel::setUserGroupLevel(int userGroup, double level) {
    if (userGroup >= 0 && userGroup < userGroupCount()) {
        userGroups_[static_cast<size_t>(userGroup)].level = std::clamp(level, 0.0, 1.0);
        updateThrusterLevels();
    }
}

void Vessel::setAltitude(double altitudeM) {
    altitudeM_ = altitudeM;
}

double Vessel::verticalSpeed() const {
    if (verticalSpeedOverride_) {
        return *verticalSpeedOverride_;
    }
    return lastStepS_ > 0.0 ? (altitudeM_ - lastAltitudeM_) / lastStepS_ : 0.0;
}

double Vessel::airspeed() const {
    return std::max(airspeedMPerS_, std::abs(verticalSpeed()));
}

int Vessel::status() const {
    if (statusOverride_) {
        return *statusOverride_;
    }
    if (std::any_of(ports_.begin(), ports_.end(), [](const DockingPort& p) { return p.docked; })) {
        return VESSEL_STATUS_DOCKED;
    }
    if (GroundContact() && airspeed() < landedSpeedMPerS) {
        return VESSEL_STATUS_LANDED;
    }
    return VESSEL_STATUS_FLYING;
}

void Vessel::setWheelbrakes(double left, double right) {
    wheelbrakes_ = {std::clamp(left, 0.0, 1.0), std::clamp(right, 0.0, 1.0)};
}

void Vessel::setDockingStatus(int port, bool docked) {
    if (port >= 0 && port < dockingPortCount()) {
        ports_[static_cast<size_t>(port)].docked = docked;
    }
}

void Vessel::setNavmode(int mode, bool active) {
    if (mode >= NAVMODE_KILLROT && mode <= NAVMODE_HOLDALT) {
        navmodes_[static_cast<size_t>(mode)] = active;
    }
}

void Vessel::setAnimationState(int animation, double state) {
    if (animation >= 0 && animation < animationCount()) {
        animations_[static_cast<size_t>(animation)].state = std::clamp(state, 0.0, 1.0);
    }
}

void Vessel::advance(double simStepS) {
    // The vessel flies along its heading over the sphere; the altitude is the scenario's.
    VECTOR3 horizon = horizonAirspeed();
    double distanceFromCentre = planet_.radius() + altitudeM_;
    double latitude = position_.latitude * radiansPerDegree;
    position_.latitude += horizon.z * simStepS / distanceFromCentre / radiansPerDegree;
    double parallelRadius = distanceFromCentre * std::max(std::cos(latitude), 1e-6);
    position_.longitude += horizon.x * simStepS / parallelRadius / radiansPerDegree;
    lastAltitudeM_ = altitudeM_;
    lastAttitude_ = attitude_;
    lastStepS_ = simStepS;
}

const Vessel::PlacementCache& Vessel::placement() const {
    PlacementCache& cache = placementCache_;
    if (!cache.valid || !(cache.position == position_) || cache.altitudeM != altitudeM_ ||
        !(cache.attitude == attitude_)) {
        cache = {position_,
                 altitudeM_,
                 attitude_,
                 planet_.positionOver(position_, altitudeM_),
                 planet_.horizonAt(position_) * attitudeMatrix(attitude_),
                 true};
    }
    return cache;
}

MATRIX3 Vessel::rotationMatrix() const {
    return placement().rotation;
}

VECTOR3 Vessel::horizonAirspeed() const {
    double vertical = verticalSpeed();
    double total = airspeed();
    double horizontal = std::sqrt(std::max(total * total - vertical * vertical, 0.0));
    double heading = attitude_.heading * radiansPerDegree;
    return {horizontal * std::sin(heading), vertical, horizontal * std::cos(heading)};
}

bool Vessel::isThruster(THRUSTER_HANDLE thruster) const {
    return std::any_of(thrusters_.begin(), thrusters_.end(),
                       [thruster](const Thruster& t) { return &t == thruster; });
}

VECTOR3 Vessel::globalPosition() const {
    return placement().global;
}

OBJHANDLE Vessel::GetHandle() const {
    return const_cast<WorldObject*>(static_cast<const WorldObject*>(this));
}

void Vessel::GetStatus(VESSELSTATUS& status) const {
    status = VESSELSTATUS{};
    status.rpos = globalPosition();
    status.rvel = planet_.horizonAt(position_) * horizonAirspeed();
    if (lastStepS_ > 0.0) {
        double toRadiansPerSecond = radiansPerDegree / lastStepS_;
        status.vrot = {(attitude_.pitch - lastAttitude_.pitch) * toRadiansPerSecond,
                       (attitude_.heading - lastAttitude_.heading) * toRadiansPerSecond,
                       (attitude_.bank - lastAttitude_.bank) * toRadiansPerSecond};
    }
    status.arot = {attitude_.pitch * radiansPerDegree, attitude_.heading * radiansPerDegree,
                   attitude_.bank * radiansPerDegree};
    status.fuel = fuel_;
    status.eng_main = groupLevels_[THGROUP_MAIN] - groupLevels_[THGROUP_RETRO];
    status.eng_hovr = groupLevels_[THGROUP_HOVER];
    status.rbody = const_cast<Planet&>(planet_).handle();
    status.status = this->status();
    status.base = status.status == VESSEL_STATUS_LANDED ? baseNearby_ : nullptr;
    status.port = 0;
}

double Vessel::GetDynPressure() const {
    double speed = airspeed();
    return 0.5 * air().densityKgPerM3 * speed * speed;
}

double Vessel::GetMachNumber() const {
    return airspeed() / air().speedOfSoundMPerS;
}

double Vessel::GetYaw() const {
    double heading = std::fmod(attitude_.heading * radiansPerDegree, twoPi);
    return heading < 0.0 ? heading + twoPi : heading;
}

bool Vessel::GetHorizonAirspeedVector(VECTOR3& v) const {
    v = horizonAirspeed();
    return true;
}

bool Vessel::GetShipAirspeedVector(VECTOR3& v) const {
    v = transposeTimes(attitudeMatrix(attitude_), horizonAirspeed());
    return true;
}

void Vessel::Global2Local(const VECTOR3& global, VECTOR3& local) const {
    local = transposeTimes(rotationMatrix(), global - globalPosition());
}

bool Vessel::GroundContact() const {
    return groundContactOverride_.value_or(heightAboveGround() < groundContactHeightM);
}

double Vessel::GetWheelbrakeLevel(int which) const {
    switch (which) {
    case 1:
        return wheelbrakes_[0];
    case 2:
        return wheelbrakes_[1];
    default:
        return (wheelbrakes_[0] + wheelbrakes_[1]) / 2.0;
    }
}

UINT Vessel::DockingStatus(UINT port) const {
    return port < ports_.size() && ports_[port].docked ? 1 : 0;
}

DOCKHANDLE Vessel::GetDockHandle(UINT port) const {
    return port < ports_.size() ? const_cast<DockingPort*>(&ports_[port]) : nullptr;
}

void Vessel::GetDockParams(DOCKHANDLE dock, VECTOR3& pos, VECTOR3& dir, VECTOR3& rot) const {
    for (const DockingPort& port : ports_) {
        if (&port == dock) {
            pos = port.position;
            dir = port.direction;
            rot = port.rotation;
            return;
        }
    }
    pos = dir = rot = VECTOR3{0.0, 0.0, 0.0};
}

bool Vessel::GetNavmodeState(int mode) {
    return mode >= NAVMODE_KILLROT && mode <= NAVMODE_HOLDALT &&
           navmodes_[static_cast<size_t>(mode)];
}

bool Vessel::DeactivateNavmode(int mode) {
    bool wasActive = GetNavmodeState(mode);
    setNavmode(mode, false);
    return wasActive;
}

double Vessel::GetThrusterGroupLevel(THGROUP_TYPE type) const {
    return groupLevel(type);
}

const std::vector<Thruster*>* Vessel::groupThrusters(THGROUP_TYPE type) const {
    return isStandardGroup(type) ? &groups_[type] : nullptr;
}

const UserThrusterGroup* Vessel::userGroup(THGROUP_HANDLE group) const {
    for (const UserThrusterGroup& candidate : userGroups_) {
        if (&candidate == group) {
            return &candidate;
        }
    }
    return nullptr;
}

DWORD Vessel::GetGroupThrusterCount(THGROUP_TYPE type) const {
    const std::vector<Thruster*>* thrusters = groupThrusters(type);
    return thrusters != nullptr ? static_cast<DWORD>(thrusters->size()) : 0;
}

DWORD Vessel::GetGroupThrusterCount(THGROUP_HANDLE group) const {
    const UserThrusterGroup* found = userGroup(group);
    return found != nullptr ? static_cast<DWORD>(found->thrusters.size()) : 0;
}

THRUSTER_HANDLE Vessel::GetGroupThruster(THGROUP_TYPE type, DWORD index) const {
    const std::vector<Thruster*>* thrusters = groupThrusters(type);
    return thrusters != nullptr && index < thrusters->size() ? (*thrusters)[index] : nullptr;
}

THRUSTER_HANDLE Vessel::GetGroupThruster(THGROUP_HANDLE group, DWORD index) const {
    const UserThrusterGroup* found = userGroup(group);
    return found != nullptr && index < found->thrusters.size() ? found->thrusters[index] : nullptr;
}

DWORD Vessel::GetUserThrusterGroupCount() const {
    return static_cast<DWORD>(userGroups_.size());
}

THGROUP_HANDLE Vessel::GetUserThrusterGroupHandleByIndex(DWORD index) const {
    return index < userGroups_.size() ? const_cast<UserThrusterGroup*>(&userGroups_[index])
                                      : nullptr;
}

double Vessel::GetThrusterLevel(THRUSTER_HANDLE thruster) const {
    return isThruster(thruster) ? static_cast<const Thruster*>(thruster)->level : 0.0;
}

void Vessel::GetThrusterRef(THRUSTER_HANDLE thruster, VECTOR3& pos) const {
    pos = isThruster(thruster) ? static_cast<const Thruster*>(thruster)->position
                               : VECTOR3{0.0, 0.0, 0.0};
}

void Vessel::GetThrusterDir(THRUSTER_HANDLE thruster, VECTOR3& dir) const {
    dir = isThruster(thruster) ? static_cast<const Thruster*>(thruster)->direction
                               : VECTOR3{0.0, 0.0, 1.0};
}

UINT Vessel::GetAnimPtr(ANIMATION** animations) const {
    if (animations != nullptr) {
        *animations = animations_.empty() ? nullptr : const_cast<ANIMATION*>(animations_.data());
    }
    return static_cast<UINT>(animations_.size());
}

void Vessel::updateThrusterLevels() {
    for (Thruster& thruster : thrusters_) {
        thruster.level = 0.0;
    }
    for (int group = 0; group < standardGroupCount; ++group) {
        for (Thruster* thruster : groups_[static_cast<size_t>(group)]) {
            thruster->level = std::max(thruster->level, groupLevels_[static_cast<size_t>(group)]);
        }
    }
    for (const UserThrusterGroup& group : userGroups_) {
        for (Thruster* thruster : group.thrusters) {
            thruster->level = std::max(thruster->level, group.level);
        }
    }
}

} // namespace vrhost
