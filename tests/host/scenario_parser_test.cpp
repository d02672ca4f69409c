#include "host/scenario_parser.h"

#include <gtest/gtest.h>

namespace {

using namespace vrhost;

const char* const goodScenario = R"(# a complete scenario
framerate 30
mjd 60000.25
planet Earth 6371000
base "Cape Canaveral" 28.6 -80.6
station ISS 28.6 -80.5 400000 size 60 mass 420000
addon Modules/MyAddon.so

vessel DG-01 DeltaGlider   # the first vessel
    size 12
    mass 15000
    cog 2.2
    camera 0 1.2 6
    position 28.6 -80.6
    altitude 3
    attitude 1 2 90
    thruster main 0 0 -8  0 0 1
    thruster pitchup,up 0 -1 6  0 1 0
    thruster user1 2 0 0  0 0 1
    dock 0 1.5 4  0 1 0  0 0 1
    animation 1
    component translate mesh 0 groups 3,4 shift 0 1 0 range 0 0.5
    component rotate groups 5 ref 0 -1 3 axis 1 0 0 angle 90 parent 0
end

vessel Tug ShuttleA
    dock 0 2 0  0 1 0  0 0 1
end

focus Tug

run "first flight" until 20
    focus DG-01
    0    throttle 0
    10   throttle -1
    2    hover 0.5
    3    rcs bankleft 1
    3    user 1 0.4
    4    altitude 100
    4    airspeed 50
    4    vspeed auto
    5    attitude 10 0 90
    6    contact off
    6    status landed
    7    brakes 0.5 0.7
    7    anim 0 1
    8    fuel 0.5
    9    camera external
    9    camera-mode observer
    9    cockpit-mode virtual
    9    camera-distance 40
    9    warp 10
    12   focus Tug
    with Tug
    12   throttle 1
    13   dock 0 docked
    13   keydown SPACE
    13.5 keyup space
    14   press R 0.5
    15   attmode translation
    15   navmode killrot on
    16   observer 1000 50 2
    17   mfd open "Radio/mp3 Panel" 300 300
    17   mfd button 3
    17   mfd key R
    18   mfd close
    19   input "123.45"
end

run second until 5
end
)";

TEST(ScenarioParser, ReadsAWholeScenario) {
    Scenario scenario = parseScenario(goodScenario, "good.vrs");
    EXPECT_EQ(scenario.frameRate, 30.0);
    EXPECT_EQ(scenario.startMjd, 60000.25);
    ASSERT_EQ(scenario.bases.size(), 1u);
    EXPECT_EQ(scenario.bases[0].name, "Cape Canaveral");
    ASSERT_EQ(scenario.stations.size(), 1u);
    EXPECT_EQ(scenario.stations[0].sizeM, 60.0);
    EXPECT_EQ(scenario.addons, std::vector<std::string>{"Modules/MyAddon.so"});
    ASSERT_EQ(scenario.vessels.size(), 2u);
    const VesselDefinition& glider = scenario.vessels[0];
    EXPECT_EQ(glider.spec.className, "DeltaGlider");
    EXPECT_EQ(glider.spec.size, 12.0);
    EXPECT_EQ(glider.spec.altitude, 3.0);
    EXPECT_EQ(glider.spec.attitude.heading, 90.0);
    ASSERT_EQ(glider.thrusters.size(), 3u);
    EXPECT_EQ(glider.thrusters[1].groups,
              (std::vector<THGROUP_TYPE>{THGROUP_ATT_PITCHUP, THGROUP_ATT_UP}));
    EXPECT_EQ(glider.thrusters[2].userGroup, 1);
    ASSERT_EQ(glider.ports.size(), 1u);
    ASSERT_EQ(glider.animations.size(), 1u);
    ASSERT_EQ(glider.animations[0].components.size(), 2u);
    EXPECT_EQ(glider.animations[0].components[0].groups, (std::vector<UINT>{3, 4}));
    EXPECT_EQ(glider.animations[0].components[0].state1, 0.5);
    EXPECT_EQ(glider.animations[0].components[1].parent, 0);
    EXPECT_EQ(scenario.focus, "Tug");

    ASSERT_EQ(scenario.runs.size(), 2u);
    const vrhost::Run& run = scenario.runs[0];
    EXPECT_EQ(run.name, "first flight");
    EXPECT_EQ(run.endTime, 20.0);
    EXPECT_EQ(run.focus, "DG-01");
    // Before `with`, keyframes belong to the run's focus; after it, to the named vessel.
    EXPECT_EQ(run.tracks.at(TrackKey{"DG-01", Channel::Throttle, 0}).keyframes().size(), 2u);
    EXPECT_EQ(run.tracks.at(TrackKey{"Tug", Channel::Throttle, 0}).keyframes().size(), 1u);
    EXPECT_EQ(run.tracks.count(TrackKey{"DG-01", Channel::GroupLevel, THGROUP_ATT_BANKLEFT}), 1u);
    EXPECT_EQ(run.tracks.count(TrackKey{"", Channel::CameraMode, 0}), 1u);
    EXPECT_TRUE(isAutomatic(
        run.tracks.at(TrackKey{"DG-01", Channel::VerticalSpeed, 0}).keyframes()[0].values[0]));
    EXPECT_EQ(run.tracks.at(TrackKey{"", Channel::CockpitMode, 0}).keyframes()[0].values[0],
              COCKPIT_VIRTUAL);

    ASSERT_EQ(run.events.size(), 14u);
    EXPECT_EQ(run.events[0].kind, EventKind::Focus);
    EXPECT_EQ(run.events[0].text, "Tug");
    EXPECT_EQ(run.events[1].kind, EventKind::Dock);
    EXPECT_EQ(run.events[1].vessel, "Tug");
    EXPECT_TRUE(run.events[1].flag);
    EXPECT_EQ(run.events[2].kind, EventKind::KeyDown);
    EXPECT_EQ(run.events[2].number, 0x20);
    EXPECT_EQ(run.events[4].kind, EventKind::KeyDown); // press R at 14 ...
    EXPECT_EQ(run.events[5].kind, EventKind::KeyUp);   // ... released 0.5 s later
    EXPECT_EQ(run.events[5].time, 14.5);
    EXPECT_EQ(run.events[7].number, NAVMODE_KILLROT);
    EXPECT_EQ(run.events[9].text, "Radio/mp3 Panel");
    EXPECT_EQ(run.events[9].values, (std::vector<double>{300.0, 300.0}));
    EXPECT_EQ(run.events[11].number, 0x13);
    EXPECT_EQ(run.events[13].text, "123.45");
    EXPECT_EQ(run.events[13].line, 67);

    EXPECT_EQ(scenario.runs[1].focus, "Tug");
}

struct BadScenario {
    const char* name;
    const char* text;
    int line;
    const char* message;
};

class ScenarioFaults : public testing::TestWithParam<BadScenario> {};

TEST_P(ScenarioFaults, NameTheFileLineAndFault) {
    const BadScenario& bad = GetParam();
    try {
        parseScenario(bad.text, "bad.vrs");
        FAIL() << "no fault found";
    } catch (const ScenarioError& error) {
        EXPECT_EQ(error.line(), bad.line);
        std::string expectedStart = "bad.vrs:" + std::to_string(bad.line) + ": ";
        EXPECT_EQ(std::string(error.what()).rfind(expectedStart, 0), 0u) << error.what();
        EXPECT_NE(std::string(error.what()).find(bad.message), std::string::npos) << error.what();
    }
}

#define VESSEL "vessel A DG\nend\n"
#define RUN_START "run r until 10\n"

INSTANTIATE_TEST_SUITE_P(
    Faults, ScenarioFaults,
    testing::Values(
        BadScenario{"UnknownKeyword", "fly high\n", 1, "unknown keyword 'fly'"},
        BadScenario{"BadNumber", "framerate fast\n", 1, "bad frame rate 'fast'"},
        BadScenario{"HexadecimalNumber", "framerate 0x20\n", 1, "bad frame rate '0x20'"},
        BadScenario{"InfiniteNumber", "framerate inf\n", 1, "bad frame rate 'inf'"},
        BadScenario{"NotANumber", VESSEL RUN_START "  nan hover 1\nend\n", 4, "'nan'"},
        BadScenario{"FrameRateRange", "framerate 0.5\n", 1, "between 1 and 1000"},
        BadScenario{"MissingArgument", VESSEL "base Cape 28\n", 3,
                    "expected: base NAME LATITUDE LONGITUDE"},
        BadScenario{"UnterminatedQuote", "base \"Cape 1 2\n", 1, "unterminated quoted text"},
        BadScenario{"UnknownGroup", "vessel A DG\n  thruster warp 0 0 0 0 0 1\nend\n", 2,
                    "unknown thruster group 'warp'"},
        BadScenario{"ZeroDirection", "vessel A DG\n  thruster main 0 0 0 0 0 0\nend\n", 2,
                    "direction must not be zero"},
        BadScenario{"ComponentFirst", "vessel A DG\n  component rotate\nend\n", 2,
                    "before any 'animation'"},
        BadScenario{"DuplicateVessel", VESSEL VESSEL, 3, "exists already"},
        BadScenario{"VesselNotEnded", "vessel A DG\n  size 3\n", 3, "has no 'end'"},
        BadScenario{"RunNotEnded", VESSEL RUN_START "  1 throttle 1\n", 5, "has no 'end'"},
        BadScenario{"NoVessel", "framerate 10\n", 2, "defines no vessel"},
        BadScenario{"NoRun", VESSEL, 3, "has no run"},
        BadScenario{"UnknownChannel", VESSEL RUN_START "  1 teleport 3\nend\n", 4,
                    "unknown keyframe or event 'teleport'"},
        BadScenario{"LevelRange", VESSEL RUN_START "  1 hover 1.5\nend\n", 4, "between 0 and 1"},
        BadScenario{"TimeAfterEnd", VESSEL RUN_START "  11 hover 1\nend\n", 4,
                    "after the run's end"},
        BadScenario{"NegativeTime", VESSEL RUN_START "  -1 hover 1\nend\n", 4, "start at 0"},
        BadScenario{"UnknownVessel", VESSEL RUN_START "  1 focus B\nend\n", 4,
                    "no vessel named 'B'"},
        BadScenario{"UnknownWith", VESSEL RUN_START "  with Z\nend\n", 4, "no vessel named 'Z'"},
        BadScenario{"MissingPort", VESSEL RUN_START "  1 dock 0 docked\nend\n", 4,
                    "has no docking port 0"},
        BadScenario{"MissingAnimation", VESSEL RUN_START "  1 anim 2 0.5\nend\n", 4,
                    "has no animation 2"},
        BadScenario{"MissingUserGroup", VESSEL RUN_START "  1 user 0 0.5\nend\n", 4,
                    "has no user thruster group 0"},
        BadScenario{"UnknownKey", VESSEL RUN_START "  1 press WARP\nend\n", 4,
                    "unknown key 'WARP'"},
        BadScenario{"BadCamera", VESSEL RUN_START "  1 camera sideways\nend\n", 4,
                    "bad camera view 'sideways'"},
        BadScenario{"BadNavmode", VESSEL RUN_START "  1 navmode 9 on\nend\n", 4, "numbered 1 to 7"},
        BadScenario{"NotAnAttitudeGroup", VESSEL RUN_START "  1 rcs main 1\nend\n", 4,
                    "no attitude group"},
        BadScenario{"MfdSizeHalf", VESSEL RUN_START "  1 mfd open \"M\" 300\nend\n", 4,
                    "both width and height"},
        BadScenario{"StrayEnd", "end\n", 1, "without a vessel or run block"},
        BadScenario{"RunSyntax", VESSEL "run r 10 until\n", 3,
                    "expected: run NAME until END_SECONDS"}),
    [](const testing::TestParamInfo<BadScenario>& faultCase) { return faultCase.param.name; });

TEST(ScenarioParser, LinesWithAndWithoutTheFocusVesselNamedMeetInOneTrack) {
    Scenario scenario = parseScenario("vessel A DG\nend\nrun r until 9\n"
                                      "  0 hover 0\n  with A\n  5 hover 1\nend\n",
                                      "merge.vrs");
    const auto& tracks = scenario.runs[0].tracks;
    ASSERT_EQ(tracks.size(), 1u);
    EXPECT_EQ(tracks.at(TrackKey{"A", Channel::Hover, 0}).valueAt(2.5)->front(), 0.5);
}

TEST(ScenarioParser, AMissingFileIsAFaultAtLineZero) {
    try {
        loadScenario("/nonexistent/flight.vrs");
        FAIL() << "no fault found";
    } catch (const ScenarioError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "/nonexistent/flight.vrs:0: cannot read the scenario file");
    }
}

TEST(ScenarioParser, WindowsLineEndsAndCommentsAreFine) {
    Scenario scenario = parseScenario(
        "vessel A DG\r\nend # done\r\n# only a comment\r\nrun r until 1\r\nend\r\n", "crlf.vrs");
    EXPECT_EQ(scenario.vessels.size(), 1u);
    EXPECT_EQ(scenario.runs.size(), 1u);
}

struct KeyName {
    const char* name;
    int key;
};

class KeyNames : public testing::TestWithParam<KeyName> {};

TEST_P(KeyNames, NameVirtualKeys) {
    EXPECT_EQ(virtualKeyNamed(GetParam().name), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyNames,
                         testing::Values(KeyName{"SPACE", 0x20}, KeyName{"r", 'R'},
                                         KeyName{"7", '7'}, KeyName{"F1", 0x70},
                                         KeyName{"f12", 0x7B}, KeyName{"LShift", 0xA0},
                                         KeyName{"0x41", 0x41}, KeyName{"F13", -1},
                                         KeyName{"0x100", -1}, KeyName{"", -1}));

} // namespace
