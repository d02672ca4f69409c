#include "host/simulation.h"
#include "host/world.h"
#include "sdk/VoranthAPI.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace vrhost;

class VrapiTest : public testing::Test {
protected:
    void SetUp() override {
        world().reset();
        base = &world().addBase("Cape", {28.6, -80.6});
        station = &world().addStation("Outpost", 40.0, 2e5,
                                      world().planet().positionOver({28.6, -80.59}, 300.0));
        glider = &world().addVessel(VesselSpec{.name = "DG-01",
                                               .className = "DeltaGlider",
                                               .mass = 12000.0,
                                               .position = {28.6, -80.6},
                                               .altitude = 1000.0});
        tug = &world().addVessel(VesselSpec{.name = "Tug", .position = {28.6, -80.6}});
        world().setFocus(*glider);
    }
    void TearDown() override { world().reset(); }

    Base* base = nullptr;
    Station* station = nullptr;
    Vessel* glider = nullptr;
    Vessel* tug = nullptr;
};

TEST_F(VrapiTest, FocusAndVesselInterfaces) {
    OBJHANDLE focus = vrapiGetFocusObject();
    EXPECT_EQ(focus, glider->handle());
    EXPECT_EQ(vrapiGetFocusInterface(), glider);
    EXPECT_EQ(vrapiGetVesselInterface(tug->handle()), tug);
    EXPECT_EQ(vrapiGetFocusInterface()->GetHandle(), focus);
    EXPECT_TRUE(vrapiIsVessel(focus));
    EXPECT_FALSE(vrapiIsVessel(station->handle()));
    EXPECT_FALSE(vrapiIsVessel(nullptr));
    int unknown = 0;
    EXPECT_EQ(vrapiGetVesselInterface(&unknown), nullptr);
}

TEST_F(VrapiTest, ObjectsArePlanetVesselsThenStations) {
    ASSERT_EQ(vrapiGetObjectCount(), 4u);
    EXPECT_EQ(vrapiGetObjectByIndex(0), world().planet().handle());
    EXPECT_EQ(vrapiGetObjectByIndex(1), glider->handle());
    EXPECT_EQ(vrapiGetObjectByIndex(3), station->handle());
    EXPECT_EQ(vrapiGetObjectByIndex(4), nullptr);
    EXPECT_EQ(vrapiGetObjectByIndex(-1), nullptr);
    ASSERT_EQ(vrapiGetStationCount(), 1u);
    EXPECT_EQ(vrapiGetStationByIndex(0), station->handle());
    EXPECT_GE(vrapiGetMass(vrapiGetObjectByIndex(0)), 1e8);
    EXPECT_DOUBLE_EQ(vrapiGetMass(glider->handle()), 12000.0);
    EXPECT_DOUBLE_EQ(vrapiGetSize(station->handle()), 40.0);
    EXPECT_DOUBLE_EQ(vrapiGetSize(nullptr), 0.0);
}

TEST_F(VrapiTest, NamesAreCutToTheCallersBuffer) {
    char name[5];
    std::memset(name, 'x', sizeof name);
    vrapiGetObjectName(station->handle(), name, sizeof name);
    EXPECT_STREQ(name, "Outp");
    char planet[32];
    vrapiGetObjectName(world().planet().handle(), planet, sizeof planet);
    EXPECT_STREQ(planet, "Earth");
    vrapiGetObjectName(nullptr, planet, sizeof planet);
    EXPECT_STREQ(planet, "");
}

TEST_F(VrapiTest, PositionsRelativeToTheFocus) {
    VECTOR3 relative;
    vrapiGetFocusRelativePos(tug->handle(), &relative);
    // The tug stands below the glider: 1000 m minus its centre of gravity height.
    EXPECT_NEAR(
        std::sqrt(relative.x * relative.x + relative.y * relative.y + relative.z * relative.z),
        998.0, 1e-6);
    VECTOR3 global;
    vrapiGetGlobalPos(glider->handle(), &global);
    EXPECT_NEAR(std::sqrt(global.x * global.x + global.y * global.y + global.z * global.z),
                earthRadiusM + 1000.0, 1e-6);
}

TEST_F(VrapiTest, FlightDataOfTheFocus) {
    glider->setAirspeed(120.0);
    glider->setThrottle(-0.5);
    glider->setGroupLevel(THGROUP_HOVER, 0.25);
    glider->setAttitudeMode(2);
    double altitude = 0.0;
    double airspeed = 0.0;
    ASSERT_TRUE(vrapiGetAltitude(&altitude));
    ASSERT_TRUE(vrapiGetAirspeed(&airspeed));
    EXPECT_DOUBLE_EQ(altitude, 1000.0);
    EXPECT_DOUBLE_EQ(airspeed, 120.0);
    ENGINESTATUS engines;
    vrapiGetEngineStatus(&engines);
    EXPECT_DOUBLE_EQ(engines.main, -0.5);
    EXPECT_DOUBLE_EQ(engines.hover, 0.25);
    EXPECT_EQ(engines.attmode, 2);
    EXPECT_EQ(vrapiGetAttitudeMode(), 2);
    world().reset();
    EXPECT_FALSE(vrapiGetAltitude(&altitude));
    EXPECT_EQ(vrapiGetFocusObject(), nullptr);
}

TEST_F(VrapiTest, AVesselLandedAtABaseNamesItInItsStatus) {
    VESSELSTATUS status;
    tug->GetStatus(status);
    EXPECT_EQ(status.status, VESSEL_STATUS_LANDED);
    EXPECT_EQ(status.base, base->handle());
    EXPECT_EQ(status.rbody, world().planet().handle());
    glider->GetStatus(status);
    EXPECT_EQ(status.status, VESSEL_STATUS_FLYING);
    EXPECT_EQ(status.base, nullptr);
    tug->setAirspeed(80.0);
    tug->setVerticalSpeed(0.0);
    world().advance(100.0); // 8 km north: beyond the base
    tug->setAirspeed(0.0);
    tug->GetStatus(status);
    EXPECT_EQ(status.status, VESSEL_STATUS_LANDED);
    EXPECT_EQ(status.base, nullptr);
}

TEST_F(VrapiTest, PlanetBasesAndAir) {
    OBJHANDLE earth = world().planet().handle();
    ASSERT_EQ(vrapiGetBaseCount(earth), 1u);
    EXPECT_EQ(vrapiGetBaseByIndex(earth, 0), base->handle());
    EXPECT_EQ(vrapiGetBaseCount(glider->handle()), 0u);
    ATMPARAM air;
    vrapiGetPlanetAtmParams(earth, earthRadiusM, &air);
    EXPECT_NEAR(air.p, 101325.0, 0.01);
    EXPECT_NEAR(air.T, 288.15, 0.01);
    vrapiGetPlanetAtmParams(earth, earthRadiusM + 200000.0, &air);
    EXPECT_EQ(air.p, 0.0);
    EXPECT_EQ(vrapiCameraProxyGbody(), earth);
}

TEST_F(VrapiTest, CameraFollowsTheSettings) {
    EXPECT_TRUE(vrapiCameraInternal());
    EXPECT_EQ(vrapiCameraMode(), CAMERA_MODE_COCKPIT);
    world().camera().internal = false;
    world().camera().externalMode = CAMERA_MODE_GROUND_OBSERVER;
    world().camera().cockpitMode = COCKPIT_VIRTUAL;
    world().placeObserver(0.0, 0.0, 0.0);
    EXPECT_FALSE(vrapiCameraInternal());
    EXPECT_EQ(vrapiCameraMode(), CAMERA_MODE_GROUND_OBSERVER);
    EXPECT_EQ(vrapiCockpitMode(), COCKPIT_VIRTUAL);
    EXPECT_NEAR(vrapiCameraTargetDist(), 1000.0, 1e-6);
    VECTOR3 direction;
    vrapiCameraGlobalDir(&direction);
    VECTOR3 position;
    vrapiCameraGlobalPos(&position);
    // Straight up from the observer to the glider overhead.
    EXPECT_NEAR(direction.x * position.x + direction.y * position.y + direction.z * position.z,
                earthRadiusM, 1e-3);
    MATRIX3 rotation;
    vrapiCameraRotationMatrix(&rotation);
    EXPECT_NEAR(rotation.m13 * direction.x + rotation.m23 * direction.y +
                    rotation.m33 * direction.z,
                1.0, 1e-9);
}

TEST_F(VrapiTest, TimeOfTheFrame) {
    world().setTimeAcceleration(10.0);
    world().setSystemStep(0.02);
    EXPECT_DOUBLE_EQ(vrapiGetTimeAcceleration(), 10.0);
    EXPECT_DOUBLE_EQ(vrapiGetSysStep(), 0.02);
    EXPECT_EQ(vrapiGetVoranthVersion(), 100830);
}

TEST_F(VrapiTest, DebugLineAndAnnotationsAreReported) {
    std::vector<std::string> messages;
    world().screen().setListener([&](const std::string& m) { messages.push_back(m); });
    char* debug = vrapiDebugString();
    std::memset(debug, 'A', debugStringSize); // a plug-in that forgot the terminator
    world().screen().reportDebugChange();
    std::strcpy(debug, "T+3s");
    world().screen().reportDebugChange();
    world().screen().reportDebugChange();
    debug[0] = '\0';
    world().screen().reportDebugChange();

    NOTEHANDLE note = vrapiCreateAnnotation(true, 1.0, VECTOR3{1.0, 0.5, 0.2});
    vrapiAnnotationSetPos(note, 0.1, 0.1, 0.9, 0.5);
    vrapiAnnotationSetText(note, "Hello\n\"pilot\"");
    vrapiAnnotationSetText(note, "Hello\n\"pilot\"");
    EXPECT_TRUE(vrapiDelAnnotation(note));
    EXPECT_FALSE(vrapiDelAnnotation(note));
    vrapiAnnotationSetText(note, "gone");
    world().screen().setListener(nullptr);

    ASSERT_EQ(messages.size(), 7u);
    EXPECT_EQ(messages[0], "debug: " + std::string(debugStringSize, 'A'));
    EXPECT_EQ(messages[1], "debug: T+3s");
    EXPECT_EQ(messages[2], "debug cleared");
    EXPECT_EQ(messages[3], "note 1 created (size 1.00, colour 1.00 0.50 0.20)");
    EXPECT_EQ(messages[4], "note 1 placed at (0.10, 0.10)-(0.90, 0.50)");
    EXPECT_EQ(messages[5], "note 1: \"Hello\\n\\\"pilot\\\"\"");
    EXPECT_EQ(messages[6], "note 1 deleted");
}

TEST_F(VrapiTest, AStaleAnnotationHandleFindsNothing) {
    NOTEHANDLE old = vrapiCreateAnnotation(true, 1.0, VECTOR3{1.0, 1.0, 1.0});
    world().reset();
    NOTEHANDLE fresh = vrapiCreateAnnotation(true, 1.0, VECTOR3{1.0, 1.0, 1.0});
    EXPECT_NE(old, fresh);
    EXPECT_FALSE(vrapiDelAnnotation(old));
    ASSERT_EQ(world().screen().annotations().size(), 1u);
    EXPECT_EQ(world().screen().annotations().front().number, 1);
    EXPECT_TRUE(vrapiDelAnnotation(fresh));
}

// A display mode as a plug-in defines it.
class EchoMfd : public MFD2 {
public:
    EchoMfd(DWORD width, DWORD height, VESSEL* vessel) : MFD2(width, height, vessel) {}
    bool Update(Sketchpad* pad) override {
        std::string size = std::to_string(W) + "x" + std::to_string(H) + " cw " +
                           std::to_string(cw) + " " + pV->GetName();
        pad->Text(10, 20, "second row", 10);
        pad->Text(10, 5, size.c_str(), static_cast<int>(size.size()));
        pad->Text(90, 20, "right", 5);
        pad->Text(0, 30, ("button " + std::to_string(lastButton)).c_str(), 8);
        return true;
    }
    char* ButtonLabel(int button) override {
        static char up[] = "UP";
        static char down[] = "DN";
        return button == 0 ? up : button == 2 ? down : nullptr;
    }
    bool ConsumeButton(int button, int) override {
        lastButton = button;
        return true;
    }
    int lastButton = 0;
};

LRESULT echoMessageProc(UINT message, UINT, WPARAM wparam, LPARAM lparam) {
    if (message != MFD_OPENED) {
        return 0;
    }
    return reinterpret_cast<LRESULT>(new EchoMfd(static_cast<DWORD>(wparam & 0xFFFF),
                                                 static_cast<DWORD>(wparam >> 16),
                                                 reinterpret_cast<VESSEL*>(lparam)));
}

TEST_F(VrapiTest, RegisteredModesOpenOnTheFocusVessel) {
    MFDMODESPECEX spec{"Echo", 0x13, nullptr, echoMessageProc};
    int id = vrapiRegisterMFDMode(spec);
    Simulation simulation{{}};
    std::vector<std::string> messages;
    simulation.setReporter([&](double, const std::string& m) { messages.push_back(m); });
    EXPECT_FALSE(simulation.openMfd("Unknown"));
    ASSERT_TRUE(simulation.openMfd("Echo", 350, 280));
    ASSERT_TRUE(simulation.mfd()->pressButton(4));
    simulation.paintMfd();
    simulation.closeMfd();
    EXPECT_TRUE(vrapiUnregisterMFDMode(id));
    EXPECT_FALSE(vrapiUnregisterMFDMode(id));
    std::vector<std::string> expected{"mfd: opened \"Echo\", buttons: UP - DN",
                                      "mfd| 350x280 cw 10 DG-01",
                                      "mfd| second row  right",
                                      "mfd| button 0",
                                      "mfd| 350x280 cw 10 DG-01",
                                      "mfd| second row  right",
                                      "mfd| button 4",
                                      "mfd: closed \"Echo\""};
    EXPECT_EQ(messages, expected);
}

TEST(TextSketchpad, KeepsTextColourAndCharacterSize) {
    TextSketchpad pad(7, 12);
    EXPECT_EQ(pad.GetCharSize(), 12u | (7u << 16));
    pad.SetTextColor(0x0000FF);
    EXPECT_TRUE(pad.Text(3, 4, "radar 25 m and more", 8)); // the length given is the text's
    EXPECT_EQ(pad.SetTextColor(0x00FF00), 0x0000FFu);
    pad.Line(0, 0, 10, 10);
    EXPECT_TRUE(pad.Text(1, 4, "short", 50)); // a shorter string ends it early
    EXPECT_FALSE(pad.Text(0, 0, nullptr, 3));
    ASSERT_EQ(pad.texts().size(), 2u);
    EXPECT_EQ(pad.texts()[0].text, "radar 25");
    EXPECT_EQ(pad.texts()[0].colour, 0x0000FFu);
    EXPECT_EQ(pad.rows(), std::vector<std::string>{"short  radar 25"});
}

TEST_F(VrapiTest, FontsKeepWhatWasAsked) {
    Font* font = vrapiCreateFont(18, true, "Sans", FONT_BOLD);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->height, 18);
    EXPECT_EQ(font->face, "Sans");
    vrapiReleaseFont(font);
}

std::string answered;

bool acceptNumbers(void*, char* text, void* userData) {
    answered = text;
    *static_cast<int*>(userData) += 1;
    return std::strspn(text, "0123456789.") == std::strlen(text);
}

TEST_F(VrapiTest, InputBoxGivesTheAnswerToTheCallback) {
    int calls = 0;
    Simulation simulation{{}};
    EXPECT_FALSE(simulation.answerInputBox("too early"));
    vrapiOpenInputBox("Frequency", acceptNumbers, "118.00", 10, &calls);
    ASSERT_TRUE(world().inputBox().isOpen());
    EXPECT_EQ(world().inputBox().request()->initialText, "118.00");
    EXPECT_TRUE(simulation.answerInputBox("121.5"));
    EXPECT_EQ(answered, "121.5");
    EXPECT_FALSE(world().inputBox().isOpen());
    vrapiOpenInputBox("Frequency", acceptNumbers, "", 10, &calls);
    EXPECT_FALSE(simulation.answerInputBox("abc"));
    EXPECT_EQ(calls, 2);
}

} // namespace
