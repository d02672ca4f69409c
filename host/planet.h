// The one planet of the stand-in world, its bases and its standard atmosphere.
#pragma once

#include "host/atmosphere.h"
#include "host/world_object.h"

namespace vrhost {

constexpr double earthRadiusM = 6371000.0;
constexpr double earthMassKg = 5.972e24;

class Planet final : public WorldObject {
public:
    Planet(std::string name, double radiusM, double massKg)
        : WorldObject(ObjectKind::Planet, std::move(name)), radiusM_(radiusM), massKg_(massKg) {}

    double radius() const { return radiusM_; }
    double objectMass() const override { return massKg_; }
    double objectSize() const override { return radiusM_; }
    VECTOR3 globalPosition() const override { return {0.0, 0.0, 0.0}; }

    // Global position of the point at `altitudeM` above the mean radius over `point`.
    VECTOR3 positionOver(const SurfacePoint& point, double altitudeM) const;
    // The local horizon at `point`: columns east, up, north.
    MATRIX3 horizonAt(const SurfacePoint& point) const;
    // The surface point below a global position.
    SurfacePoint pointBelow(const VECTOR3& globalPosition) const;

    // The atmosphere at a distance from the planet's centre.
    AtmosphereSample atmosphereAt(double distanceFromCentreM) const {
        return standardAtmosphere(distanceFromCentreM - radiusM_);
    }

private:
    double radiusM_;
    double massKg_;
};

// A surface base: a name and a place on the planet.
class Base final : public WorldObject {
public:
    Base(std::string name, SurfacePoint point, const Planet& planet)
        : WorldObject(ObjectKind::Base, std::move(name)), point_(point), planet_(planet) {}

    SurfacePoint point() const { return point_; }
    double objectMass() const override { return 0.0; }
    double objectSize() const override { return 1000.0; }
    VECTOR3 globalPosition() const override { return planet_.positionOver(point_, 0.0); }

private:
    SurfacePoint point_;
    const Planet& planet_;
};

// An orbital or surface station: a heavy object the radar may find, not a vessel.
class Station final : public WorldObject {
public:
    Station(std::string name, double sizeM, double massKg, VECTOR3 globalPosition)
        : WorldObject(ObjectKind::Station, std::move(name)), sizeM_(sizeM), massKg_(massKg),
          position_(globalPosition) {}

    double objectMass() const override { return massKg_; }
    double objectSize() const override { return sizeM_; }
    VECTOR3 globalPosition() const override { return position_; }

private:
    double sizeM_;
    double massKg_;
    VECTOR3 position_;
};

} // namespace vrhost
