// A vessel of the stand-in world: what the scenario or a test builds (thrusters, docking ports,
// animations) and sets each frame (levels, altitude, speeds, attitude), answered to the plug-in
// through the SDK's VESSEL interface.
#pragma once

#include "host/planet.h"
#include "host/world_object.h"
#include "sdk/VoranthAPI.h"

#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vrhost {

// Orientation against the local horizon, in degrees: pitch nose up, bank right wing down,
// heading clockwise from north.
struct Attitude {
    double pitch = 0.0;
    double bank = 0.0;
    double heading = 0.0;
    bool operator==(const Attitude&) const = default;
};

struct VesselSpec {
    std::string name = "GL-01";
    std::string className = "DeltaGlider";
    double size = 10.0;                  // mean radius, m
    double mass = 10000.0;               // kg
    double cogElevation = 2.0;           // centre of gravity above the ground contact points, m
    VECTOR3 cameraOffset{0.0, 1.0, 5.0}; // cockpit camera, vessel frame, m
    SurfacePoint position;               // where the vessel starts
    std::optional<double> altitude;      // above the mean radius, m; unset: standing on the ground
    Attitude attitude;
};

// Thruster group types that a level can be set for: THGROUP_MAIN .. THGROUP_ATT_BACK.
constexpr int standardGroupCount = THGROUP_ATT_BACK + 1;

struct Thruster {
    VECTOR3 position;   // vessel frame, m
    VECTOR3 direction;  // unit thrust direction
    double level = 0.0; // the highest level of the groups it belongs to
};

struct UserThrusterGroup {
    std::vector<Thruster*> thrusters;
    double level = 0.0;
};

struct DockingPort {
    VECTOR3 position;
    VECTOR3 direction;
    VECTOR3 rotation;
    bool docked = false;
};

struct AnimationComponentSpec {
    MGROUP_TRANSFORM::TYPE type = MGROUP_TRANSFORM::ROTATE;
    UINT mesh = 0;
    std::vector<UINT> groups;
    VECTOR3 reference{0.0, 0.0, 0.0}; // rotation or scale reference point, m
    VECTOR3 axis{1.0, 0.0, 0.0};      // rotation axis
    double angleDeg = 0.0;            // rotation range
    VECTOR3 shift{0.0, 0.0, 0.0};     // translation, m
    VECTOR3 scale{1.0, 1.0, 1.0};
    double state0 = 0.0;
    double state1 = 1.0;
    int parent = -1; // index of an earlier component of the same animation, -1 for none
};

class Vessel final : public VESSEL, public WorldObject {
public:
    Vessel(const VesselSpec& spec, const Planet& planet);
    ~Vessel() override;

    // ---- Building -------------------------------------------------------------------------
    // A thruster in one or more of the standard groups (THGROUP_MAIN .. THGROUP_ATT_BACK).
    THRUSTER_HANDLE addThruster(std::initializer_list<THGROUP_TYPE> groups, VECTOR3 position,
                                VECTOR3 direction);
    THRUSTER_HANDLE addThruster(const std::vector<THGROUP_TYPE>& groups, VECTOR3 position,
                                VECTOR3 direction);
    // A thruster of user group `userGroup` (0-based; missing groups up to it are created).
    THRUSTER_HANDLE addUserThruster(int userGroup, VECTOR3 position, VECTOR3 direction);
    // Returns the port's index.
    int addDockingPort(VECTOR3 position, VECTOR3 direction, VECTOR3 rotation);
    // Returns the animation's index; its state starts at the default state.
    int addAnimation(double defaultState);
    void addAnimationComponent(int animation, const AnimationComponentSpec& component);
    // Takes an animation out of the table during a flight, as a vessel that rebuilds its
    // animations does; the later ones move down by one.
    void removeAnimation(int animation);

    // ---- Flying: what the scenario's keyframes and events set --------------------------------
    // Level 0..1 of a standard group; the thrusters of the group follow.
    void setGroupLevel(THGROUP_TYPE group, double level);
    double groupLevel(THGROUP_TYPE group) const;
    // Main/retro setting -1 (full retro) .. +1 (full main).
    void setThrottle(double mainRetro);
    void setUserGroupLevel(int userGroup, double level);
    void setAltitude(double altitudeM);
    double altitude() const { return altitudeM_; }
    // Total airspeed, m/s; raised to the vertical speed when that is larger.
    void setAirspeed(double airspeedMPerS) { airspeedMPerS_ = airspeedMPerS; }
    double airspeed() const;
    // A set vertical speed wins; unset, it follows the altitude's change over the last frame.
    void setVerticalSpeed(std::optional<double> verticalSpeedMPerS) {
        verticalSpeedOverride_ = verticalSpeedMPerS;
    }
    double verticalSpeed() const;
    void setAttitude(const Attitude& attitude) { attitude_ = attitude; }
    const Attitude& attitude() const { return attitude_; }
    void setPosition(const SurfacePoint& point) { position_ = point; }
    const SurfacePoint& position() const { return position_; }
    // Unset: in contact while the height above ground is below 5 cm.
    void setGroundContact(std::optional<bool> contact) { groundContactOverride_ = contact; }
    // Unset: docked when a port is docked, landed when in ground contact below 0.1 m/s, else
    // flying.
    void setStatus(std::optional<int> vesselStatus) { statusOverride_ = vesselStatus; }
    int status() const;
    void setWheelbrakes(double left, double right);
    void setDockingStatus(int port, bool docked);
    void setNavmode(int mode, bool active);
    void setAnimationState(int animation, double state);
    void setAttitudeMode(int mode) { attitudeMode_ = mode; }
    int attitudeMode() const { return attitudeMode_; }
    void setFuel(double fraction) { fuel_ = fraction; }
    // The base the vessel stands at, reported in its status while it is landed.
    void setBaseNearby(OBJHANDLE base) { baseNearby_ = base; }

    // Moves the vessel over the planet along its heading for `simStepS` and remembers this
    // frame's altitude and attitude, from which the next frame's rates follow.
    void advance(double simStepS);

    // ---- Derived values -------------------------------------------------------------------
    double heightAboveGround() const { return altitudeM_ - cogElevationM_; }
    AtmosphereSample air() const { return standardAtmosphere(altitudeM_); }
    MATRIX3 rotationMatrix() const;  // vessel to global
    VECTOR3 horizonAirspeed() const; // east, up, north
    const Planet& planet() const { return planet_; }
    int userGroupCount() const { return static_cast<int>(userGroups_.size()); }
    int dockingPortCount() const { return static_cast<int>(ports_.size()); }
    int animationCount() const { return static_cast<int>(animations_.size()); }
    bool isThruster(THRUSTER_HANDLE thruster) const;

    // ---- WorldObject ----------------------------------------------------------------------
    double objectMass() const override { return massKg_; }
    double objectSize() const override { return sizeM_; }
    VECTOR3 globalPosition() const override;

    // ---- VESSEL ---------------------------------------------------------------------------
    OBJHANDLE GetHandle() const override;
    const char* GetName() const override { return objectName().c_str(); }
    const char* GetClassNameA() const override { return className_.c_str(); }
    double GetSize() const override { return sizeM_; }
    double GetMass() const override { return massKg_; }
    void GetStatus(VESSELSTATUS& status) const override;
    double GetAtmPressure() const override { return air().pressurePa; }
    double GetDynPressure() const override;
    double GetMachNumber() const override;
    double GetCOG_elev() const override { return cogElevationM_; }
    double GetYaw() const override;
    bool GetHorizonAirspeedVector(VECTOR3& v) const override;
    bool GetShipAirspeedVector(VECTOR3& v) const override;
    void GetRotationMatrix(MATRIX3& r) const override { r = rotationMatrix(); }
    void Global2Local(const VECTOR3& global, VECTOR3& local) const override;
    void GetCameraOffset(VECTOR3& offset) const override { offset = cameraOffset_; }
    bool GroundContact() const override;
    double GetWheelbrakeLevel(int which) const override;
    UINT DockCount() const override { return static_cast<UINT>(ports_.size()); }
    UINT DockingStatus(UINT port) const override;
    DOCKHANDLE GetDockHandle(UINT port) const override;
    void GetDockParams(DOCKHANDLE dock, VECTOR3& pos, VECTOR3& dir, VECTOR3& rot) const override;
    bool GetNavmodeState(int mode) override;
    bool DeactivateNavmode(int mode) override;
    double GetThrusterGroupLevel(THGROUP_TYPE type) const override;
    DWORD GetGroupThrusterCount(THGROUP_TYPE type) const override;
    DWORD GetGroupThrusterCount(THGROUP_HANDLE group) const override;
    THRUSTER_HANDLE GetGroupThruster(THGROUP_TYPE type, DWORD index) const override;
    THRUSTER_HANDLE GetGroupThruster(THGROUP_HANDLE group, DWORD index) const override;
    DWORD GetUserThrusterGroupCount() const override;
    THGROUP_HANDLE GetUserThrusterGroupHandleByIndex(DWORD index) const override;
    double GetThrusterLevel(THRUSTER_HANDLE thruster) const override;
    void GetThrusterRef(THRUSTER_HANDLE thruster, VECTOR3& pos) const override;
    void GetThrusterDir(THRUSTER_HANDLE thruster, VECTOR3& dir) const override;
    UINT GetAnimPtr(ANIMATION** animations) const override;

private:
    struct AnimationStore; // owns the SDK records GetAnimPtr hands out

    const std::vector<Thruster*>* groupThrusters(THGROUP_TYPE type) const;
    const UserThrusterGroup* userGroup(THGROUP_HANDLE group) const;
    void updateThrusterLevels();

    const Planet& planet_;
    std::string className_;
    double sizeM_;
    double massKg_;
    double cogElevationM_;
    VECTOR3 cameraOffset_;

    SurfacePoint position_;
    double altitudeM_;
    double airspeedMPerS_ = 0.0;
    std::optional<double> verticalSpeedOverride_;
    Attitude attitude_;
    std::optional<bool> groundContactOverride_;
    std::optional<int> statusOverride_;
    // The plug-in asks the vessel's place and rotation many times a frame; they change only when
    // the vessel moves or turns.
    struct PlacementCache {
        SurfacePoint position;
        double altitudeM = 0.0;
        Attitude attitude;
        VECTOR3 global{0.0, 0.0, 0.0};
        MATRIX3 rotation;
        bool valid = false;
    };
    const PlacementCache& placement() const;
    mutable PlacementCache placementCache_;
    std::array<double, 2> wheelbrakes_{0.0, 0.0};
    std::array<bool, NAVMODE_HOLDALT + 1> navmodes_{};
    int attitudeMode_ = 1;
    double fuel_ = 1.0;
    OBJHANDLE baseNearby_ = nullptr;

    double lastStepS_ = 0.0;
    double lastAltitudeM_;
    Attitude lastAttitude_;

    std::deque<Thruster> thrusters_;
    std::array<std::vector<Thruster*>, standardGroupCount> groups_;
    std::array<double, standardGroupCount> groupLevels_{};
    std::deque<UserThrusterGroup> userGroups_;
    std::deque<DockingPort> ports_;
    std::vector<ANIMATION> animations_;
    std::unique_ptr<AnimationStore> animationStore_;
};

} // namespace vrhost
