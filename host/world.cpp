#include "host/world.h"

#include "host/vector_math.h"

#include <algorithm>

namespace vrhost {

namespace {
// A vessel standing this close to a base is at that base.
constexpr double baseRadiusM = 5000.0;
} // namespace

World::World() {
    reset();
}

void World::reset() {
    setPlanet("Earth", earthRadiusM, earthMassKg);
    camera_ = CameraSettings{};
    timeAcceleration_ = 1.0;
    systemStep_ = 0.0;
    screen_.reset();
    inputBox_.cancel();
}

void World::setPlanet(const std::string& name, double radiusM, double massKg) {
    focus_ = nullptr;
    vessels_.clear();
    stations_.clear();
    bases_.clear();
    planet_ = std::make_unique<Planet>(name, radiusM, massKg);
}

Base& World::addBase(const std::string& name, SurfacePoint point) {
    Base& base = *bases_.emplace_back(std::make_unique<Base>(name, point, *planet_));
    findBasesNearby();
    return base;
}

Station& World::addStation(const std::string& name, double sizeM, double massKg,
                           VECTOR3 globalPosition) {
    return *stations_.emplace_back(std::make_unique<Station>(name, sizeM, massKg, globalPosition));
}

Vessel& World::addVessel(const VesselSpec& spec) {
    Vessel& vessel = *vessels_.emplace_back(std::make_unique<Vessel>(spec, *planet_));
    findBasesNearby();
    return vessel;
}

Vessel* World::findVessel(const std::string& name) {
    for (const auto& vessel : vessels_) {
        if (vessel->objectName() == name) {
            return vessel.get();
        }
    }
    return nullptr;
}

CameraView World::cameraView() const {
    if (focus_ == nullptr) {
        return CameraView{};
    }
    return computeCameraView(camera_, *focus_);
}

void World::placeObserver(double alongM, double sideM, double heightM) {
    if (focus_ != nullptr) {
        camera_.observer = groundPointNear(*focus_, alongM, sideM, heightM);
    }
}

WorldObject* World::object(OBJHANDLE handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    if (handle == planet_->handle()) {
        return planet_.get();
    }
    for (const auto& base : bases_) {
        if (handle == base->handle()) {
            return base.get();
        }
    }
    for (const auto& station : stations_) {
        if (handle == station->handle()) {
            return station.get();
        }
    }
    return vessel(handle);
}

Vessel* World::vessel(OBJHANDLE handle) {
    for (const auto& vessel : vessels_) {
        if (handle != nullptr && handle == vessel->handle()) {
            return vessel.get();
        }
    }
    return nullptr;
}

WorldObject* World::objectAt(size_t index) {
    if (index == 0) {
        return planet_.get();
    }
    if (index - 1 < vessels_.size()) {
        return vessels_[index - 1].get();
    }
    if (index - 1 - vessels_.size() < stations_.size()) {
        return stations_[index - 1 - vessels_.size()].get();
    }
    return nullptr;
}

void World::advance(double simStepS) {
    for (const auto& vessel : vessels_) {
        vessel->advance(simStepS);
    }
    findBasesNearby();
}

void World::findBasesNearby() {
    for (const auto& vessel : vessels_) {
        OBJHANDLE nearest = nullptr;
        double nearestDistance = baseRadiusM;
        for (const auto& base : bases_) {
            double distance = length(base->globalPosition() - vessel->globalPosition());
            if (distance < nearestDistance) {
                nearestDistance = distance;
                nearest = base->handle();
            }
        }
        vessel->setBaseNearby(nearest);
    }
}

World& world() {
    static World theWorld;
    return theWorld;
}

} // namespace vrhost
