#include "host/simulation.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace vrhost;

struct Step {
    double simTime;
    double simStep;
    double mjd;
    uint32_t tickMs;
};
std::vector<Step> steps;
std::vector<std::string> focusChanges;

PluginCallbacks stepRecorder() {
    PluginCallbacks callbacks;
    callbacks.preStep = [](double simTime, double simStep, double mjd) {
        steps.push_back(Step{simTime, simStep, mjd, platform::tickCountMs()});
    };
    callbacks.focusChanged = [](OBJHANDLE newFocus, OBJHANDLE oldFocus) {
        focusChanges.push_back(
            world().vessel(newFocus)->objectName() + " from " +
            (oldFocus != nullptr ? world().vessel(oldFocus)->objectName() : std::string("none")));
    };
    return callbacks;
}

class SimulationTest : public testing::Test {
protected:
    void SetUp() override {
        steps.clear();
        focusChanges.clear();
        world().reset();
    }
    void TearDown() override { world().reset(); }
};

TEST_F(SimulationTest, FramesAdvanceSimulationTimeTheClockAndTheVessels) {
    Vessel& glider = world().addVessel(VesselSpec{.altitude = 100.0});
    world().setFocus(glider);
    glider.setAirspeed(50.0);
    glider.setVerticalSpeed(0.0);
    Simulation simulation{{stepRecorder()}};
    simulation.setStartMjd(60000.0);
    simulation.openViewport();
    simulation.frame(0.1);
    world().setTimeAcceleration(10.0);
    simulation.frame(0.1);
    simulation.frame(0.1);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_DOUBLE_EQ(steps[0].simTime, 0.0);
    EXPECT_DOUBLE_EQ(steps[1].simTime, 0.1);
    EXPECT_DOUBLE_EQ(steps[1].simStep, 1.0);
    EXPECT_DOUBLE_EQ(steps[2].simTime, 1.1);
    EXPECT_DOUBLE_EQ(steps[2].mjd, 60000.0 + 1.1 / 86400.0);
    // The plug-in's clock runs with the real frame steps, not the accelerated ones.
    EXPECT_EQ(steps[2].tickMs - steps[0].tickMs, 200u);
    EXPECT_DOUBLE_EQ(world().systemStep(), 0.1);
    EXPECT_NEAR(glider.position().latitude * 111194.9, 50.0 * 2.1, 0.1); // metres flown north
    simulation.openViewport();
    EXPECT_DOUBLE_EQ(simulation.simTime(), 0.0);
}

TEST_F(SimulationTest, FocusChangesReachThePlugInOnlyWhenTheFocusMoves) {
    Vessel& first = world().addVessel(VesselSpec{.name = "First"});
    Vessel& second = world().addVessel(VesselSpec{.name = "Second"});
    Simulation simulation{{stepRecorder()}};
    simulation.changeFocus(first);
    simulation.changeFocus(first);
    simulation.changeFocus(second);
    EXPECT_EQ(focusChanges, (std::vector<std::string>{"First from none", "Second from First"}));
    EXPECT_EQ(world().focus(), &second);
}

TEST_F(SimulationTest, MissingCallbacksAreSkipped) {
    Simulation simulation{{PluginCallbacks{}, stepRecorder()}};
    simulation.initModule();
    simulation.openViewport(false);
    simulation.frame(0.02);
    simulation.closeViewport();
    simulation.exitModule();
    EXPECT_EQ(steps.size(), 1u);
    EXPECT_EQ(simulation.moduleDescriptions(), (std::vector<std::string>{"no date", "no date"}));
}

} // namespace
