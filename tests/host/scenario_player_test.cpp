#include "host/scenario_parser.h"
#include "host/scenario_player.h"
#include "platform/keyboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace vrhost;

// Callbacks of an in-process plug-in that keep what they saw.
std::vector<std::string> calls;

std::string focusName() {
    Vessel* focus = world().focus();
    return focus != nullptr ? focus->objectName() : "none";
}

PluginCallbacks recordingCallbacks() {
    PluginCallbacks callbacks;
    callbacks.initModule = [](HINSTANCE) { calls.push_back("init"); };
    callbacks.exitModule = [](HINSTANCE) { calls.push_back("exit"); };
    callbacks.openRenderViewport = [](HWND window, DWORD, DWORD, BOOL) {
        calls.push_back(std::string("open ") + (window != nullptr ? "window " : "null ") +
                        focusName());
    };
    callbacks.closeRenderViewport = [] { calls.push_back("close"); };
    callbacks.preStep = [](double simTime, double, double) {
        calls.push_back("frame " + std::to_string(static_cast<int>(simTime * 10.0 + 0.5)) + " " +
                        focusName() + (platform::asyncKeyState(0x20) < 0 ? " space" : ""));
    };
    callbacks.focusChanged = [](OBJHANDLE newFocus, OBJHANDLE oldFocus) {
        calls.push_back("focus " + world().vessel(newFocus)->objectName() + " from " +
                        world().vessel(oldFocus)->objectName());
    };
    return callbacks;
}

class ScenarioPlayerTest : public testing::Test {
protected:
    void SetUp() override { calls.clear(); }

    Scenario scenario = parseScenario(R"(
framerate 10
vessel A DeltaGlider
    cog 2
    thruster main 0 0 -5 0 0 1
    dock 0 1 3 0 1 0 0 0 1
    animation 0
    component rotate
end
vessel B ShuttleA
    altitude 500
end
run one until 0.3
    0   altitude 2
    0.2 altitude 4
    0   throttle 0
    0.2 throttle 1
    0.1 camera external
    0.1 camera-mode observer
    0.1 press SPACE 0.1
    0.2 focus B
    0.2 dock 0 docked
    0.1 anim 0 0.5
    0.1 vspeed -3
    0.2 vspeed auto
end
run two until 0.1
    focus B
end
)",
                                      "player.vrs");
    Simulation simulation{{recordingCallbacks()}};
    ScenarioPlayer player{scenario, simulation, PlayOptions{}};
};

TEST_F(ScenarioPlayerTest, CallsTheCallbacksInTheSimulatorsOrder) {
    player.playAll();
    std::vector<std::string> expected{
        "init",      "open window A", "frame 0 A", "frame 1 A space", "focus B from A",
        "frame 2 B", "frame 3 B",     "close",     "open window B",   "frame 0 B",
        "frame 1 B", "close",         "exit"};
    EXPECT_EQ(calls, expected);
}

TEST_F(ScenarioPlayerTest, KeyframesInterpolateAndHold) {
    const vrhost::Run& run = scenario.runs[0];
    player.buildWorld(run);
    Vessel& a = *world().findVessel("A");
    player.applyKeyframes(run, 0.1);
    EXPECT_DOUBLE_EQ(a.altitude(), 3.0);
    EXPECT_DOUBLE_EQ(a.GetThrusterGroupLevel(THGROUP_MAIN), 0.5);
    EXPECT_DOUBLE_EQ(a.verticalSpeed(), -3.0);
    EXPECT_FALSE(world().camera().internal);
    EXPECT_EQ(world().camera().externalMode, CAMERA_MODE_GROUND_OBSERVER);
    // The ground camera without an observer gets one that stays where it was put.
    ASSERT_TRUE(world().camera().observer.has_value());
    ANIMATION* animations = nullptr;
    a.GetAnimPtr(&animations);
    EXPECT_DOUBLE_EQ(animations[0].state, 0.5);
    player.applyKeyframes(run, 0.3);
    EXPECT_DOUBLE_EQ(a.altitude(), 4.0);
    EXPECT_DOUBLE_EQ(a.verticalSpeed(), 0.0); // automatic again; nothing has moved yet
}

TEST_F(ScenarioPlayerTest, EventsTheWorldCannotServeAreReported) {
    Scenario lonely = parseScenario("framerate 10\nvessel A DG\nend\nrun r until 0.1\n"
                                    "  0 mfd open \"Nope\"\n  0 mfd open \"Blank\"\n"
                                    "  0 mfd button 1\n"
                                    "  0.1 input \"42\"\nend\n",
                                    "lonely.vrs");
    MFDMODESPECEX blank{"Blank", 0, nullptr,
                        [](UINT, UINT, WPARAM, LPARAM) -> LRESULT { return 0; }};
    int blankId = mfdModes().add(blank);
    std::vector<std::string> reports;
    simulation.setReporter([&](double, const std::string& m) { reports.push_back(m); });
    ScenarioPlayer(lonely, simulation, PlayOptions{}).playRun(lonely.runs[0]);
    mfdModes().remove(blankId);
    EXPECT_EQ(reports, (std::vector<std::string>{
                           "mfd: no mode \"Nope\" is registered (registered: \"Blank\")",
                           "mfd: mode \"Blank\" made no display", "mfd: no display is open",
                           "input: no input box is open for \"42\""}));
}

TEST_F(ScenarioPlayerTest, EachRunStartsFromTheDefinitions) {
    player.playAll();
    // The docking of the first run is gone when the second builds its world.
    EXPECT_EQ(world().findVessel("A")->DockingStatus(0), 0u);
    EXPECT_DOUBLE_EQ(world().findVessel("B")->altitude(), 500.0);
    EXPECT_EQ(platform::asyncKeyState(0x20), 0);
}

} // namespace
