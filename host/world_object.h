// The objects of the stand-in world that the SDK reaches through OBJHANDLE: the planet, its
// bases, stations and vessels. A handle is the address of the object's WorldObject part; the
// world checks every handle it is given against the objects it holds.
#pragma once

#include "sdk/VoranthAPI.h"

#include <string>

namespace vrhost {

enum class ObjectKind { Planet, Base, Station, Vessel };

// A point on the planet's surface, in degrees (north and east positive).
struct SurfacePoint {
    double latitude = 0.0;
    double longitude = 0.0;
    bool operator==(const SurfacePoint&) const = default;
};

class WorldObject {
public:
    WorldObject(ObjectKind kind, std::string name) : kind_(kind), name_(std::move(name)) {}
    virtual ~WorldObject() = default;
    WorldObject(const WorldObject&) = delete;
    WorldObject& operator=(const WorldObject&) = delete;

    ObjectKind kind() const { return kind_; }
    const std::string& objectName() const { return name_; }
    OBJHANDLE handle() { return static_cast<WorldObject*>(this); }

    virtual double objectMass() const = 0;      // kg
    virtual double objectSize() const = 0;      // mean radius, m
    virtual VECTOR3 globalPosition() const = 0; // m, planet centre at the origin

private:
    ObjectKind kind_;
    std::string name_;
};

} // namespace vrhost
