// Flies the runs of a scenario through a Simulation: builds the world of each run, opens the
// window, plays the keyframes and events frame by frame and closes the window at the run's end.
#pragma once

#include "host/scenario.h"
#include "host/simulation.h"

#include <functional>
#include <string>

namespace vrhost {

struct PlayOptions {
    bool withWindow = true;
    // Told at the start and end of each run.
    std::function<void(const std::string& message)> progress;
    // Called after each frame with its real seconds and the share of the scenario's time flown.
    std::function<void(double systemStepS, double flownFraction)> afterFrame;
    // Wrapped around the callbacks in which the plug-in reads its main configuration file
    // (module start and window close), with true before and false after.
    std::function<void(bool reading)> configurationRead;
};

class ScenarioPlayer {
public:
    ScenarioPlayer(const Scenario& scenario, Simulation& simulation, PlayOptions options);

    // Every run in order, between InitModule and ExitModule.
    void playAll();
    // One run: the world is rebuilt from the scenario's definitions first.
    void playRun(const Run& run);

    // The world at the start of a run, with the run's focus.
    void buildWorld(const Run& run) const;
    // Sets every channel that has a keyframe at or before `time`.
    void applyKeyframes(const Run& run, double time) const;

private:
    void fire(const Event& event);
    Vessel& vesselNamed(const std::string& name) const;
    double totalTimeS() const;
    void readingConfiguration(bool reading) const;

    const Scenario& scenario_;
    Simulation& simulation_;
    PlayOptions options_;
    double flownS_ = 0.0; // simulation seconds of the runs before the current one
};

} // namespace vrhost
