// The stand-in simulator's world: the planet with its bases, stations, vessels, the focus, the
// camera, the clock of the frame and the window's text. The vrapi* functions answer from the one
// world that world() returns; a scenario or a test builds it and changes it between frames.
//
//     vrhost::World& w = vrhost::world();
//     w.reset();
//     vrhost::Vessel& glider = w.addVessel({.name = "GL-01", .className = "DeltaGlider"});
//     glider.addThruster({THGROUP_MAIN}, {0, 0, -8}, {0, 0, 1});
//     w.setFocus(glider);
//     glider.setThrottle(1.0);
//     w.camera().internal = false;
#pragma once

#include "host/camera.h"
#include "host/input_box.h"
#include "host/planet.h"
#include "host/screen.h"
#include "host/vessel.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace vrhost {

class World {
public:
    World();

    // Back to an empty Earth: no bases, stations or vessels, no focus, cockpit camera, real
    // time, no annotations, an empty debug line, no input box. The registered MFD modes stay.
    void reset();
    // Replaces the planet (and drops bases, stations and vessels, which stand on it).
    void setPlanet(const std::string& name, double radiusM, double massKg);

    Planet& planet() { return *planet_; }
    Base& addBase(const std::string& name, SurfacePoint point);
    Station& addStation(const std::string& name, double sizeM, double massKg,
                        VECTOR3 globalPosition);
    Vessel& addVessel(const VesselSpec& spec);
    Vessel* findVessel(const std::string& name);

    // Focus without telling the plug-in; Simulation::changeFocus tells it.
    void setFocus(Vessel& vessel) { focus_ = &vessel; }
    Vessel* focus() { return focus_; }

    CameraSettings& camera() { return camera_; }
    // Where the camera is now; without a focus vessel it sits at the planet's centre.
    CameraView cameraView() const;
    // Places the ground observer relative to the focus vessel (see groundPointNear).
    void placeObserver(double alongM, double sideM, double heightM);

    void setTimeAcceleration(double factor) { timeAcceleration_ = factor; }
    double timeAcceleration() const { return timeAcceleration_; }
    void setSystemStep(double seconds) { systemStep_ = seconds; }
    double systemStep() const { return systemStep_; }

    Screen& screen() { return screen_; }
    InputBox& inputBox() { return inputBox_; }

    // Handle lookups for the SDK: null when the handle names nothing of this world.
    WorldObject* object(OBJHANDLE handle);
    Vessel* vessel(OBJHANDLE handle);
    // The objects in index order: the planet, the vessels, the stations. Asked by index at
    // every frame for each object, so nothing is gathered.
    size_t objectCount() const { return 1 + vessels_.size() + stations_.size(); }
    WorldObject* objectAt(size_t index);
    const std::deque<std::unique_ptr<Base>>& bases() const { return bases_; }
    const std::deque<std::unique_ptr<Station>>& stations() const { return stations_; }
    const std::deque<std::unique_ptr<Vessel>>& vessels() const { return vessels_; }

    // Moves every vessel on by one frame of simulation time.
    void advance(double simStepS);

private:
    // Tells each vessel the base it stands at, for its status record.
    void findBasesNearby();

    std::unique_ptr<Planet> planet_;
    std::deque<std::unique_ptr<Base>> bases_;
    std::deque<std::unique_ptr<Station>> stations_;
    std::deque<std::unique_ptr<Vessel>> vessels_;
    Vessel* focus_ = nullptr;
    CameraSettings camera_;
    double timeAcceleration_ = 1.0;
    double systemStep_ = 0.0;
    Screen screen_;
    InputBox inputBox_;
};

World& world();

} // namespace vrhost
