#include "flown_vessel.h"
#include "plugin/audio/sound.h"
#include "plugin/behaviour/ground_sounds.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <gtest/gtest.h>

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;

constexpr const char* touchdownFile = "sound\\vessel\\land.wav";
constexpr const char* crashFile = "sound\\vessel\\crash.wav";
constexpr const char* rollFile = "sound\\vessel\\roll.wav";
constexpr const char* brakeFile = "sound\\vessel\\brake.wav";
constexpr const char* dockingFile = "sound\\vessel\\docking.wav";
constexpr const char* undockingFile = "sound\\vessel\\Undocking.wav";
constexpr const char* dockingRadioFile = "sound\\vessel\\docking_radio.wav";
constexpr const char* undockingRadioFile = "sound\\vessel\\undocking_radio.wav";

// The glider's centre of gravity is 2 m above its wheels.
constexpr double onTheGround = 2;

class GroundFlight : public testsupport::FlownVessel {
protected:
    // Above 20 m the next contact is a touchdown.
    void approach(double sinkRate, double airspeed) {
        glider.setAltitude(onTheGround + 30);
        glider.setAirspeed(airspeed);
        glider.setVerticalSpeed(sinkRate);
        frames(1);
        glider.setAltitude(onTheGround + 1.5);
        frames(1);
    }
    void touchDown() {
        glider.setAltitude(onTheGround);
        frames(1);
        glider.setVerticalSpeed(0.0);
    }
};

TEST_F(GroundFlight, AGentleTouchdownThumpsOnceThenRollsAndBrakesToAStop) {
    approach(-2, 40);
    EXPECT_EQ(ground.touchdownArmed, 1);
    touchDown();
    EXPECT_EQ(timesPlayed(touchdownFile), 1);
    EXPECT_EQ(bufferOf(touchdownFile)->frequency, 21050u);
    EXPECT_EQ(timesPlayed(crashFile), 0);

    glider.setWheelbrakes(0.8, 0.8);
    frames(12);
    EXPECT_EQ(timesPlayed(touchdownFile), 1);
    EXPECT_TRUE(bufferOf(rollFile)->playing);
    EXPECT_TRUE(bufferOf(brakeFile)->looping);
    EXPECT_EQ(bufferOf(brakeFile)->frequency, 20800u);
    EXPECT_EQ(bufferOf(brakeFile)->volume, volumeToAttenuation(80));

    // Taxiing: silent but going on; stopped: the loops end.
    glider.setAirspeed(1.5);
    frames(1);
    EXPECT_TRUE(bufferOf(rollFile)->playing);
    EXPECT_EQ(bufferOf(rollFile)->volume, volumeToAttenuation(0));
    EXPECT_EQ(bufferOf(brakeFile)->volume, volumeToAttenuation(0));
    glider.setAirspeed(0.5);
    frames(1);
    EXPECT_FALSE(bufferOf(rollFile)->playing);
    EXPECT_FALSE(bufferOf(brakeFile)->playing);
    EXPECT_EQ(ground.groundSoundsActive, 0);
}

TEST_F(GroundFlight, AHardContactCrashesAndTheSlidingWreckNeverThumps) {
    approach(-12, 40);
    touchDown();
    EXPECT_EQ(timesPlayed(crashFile), 1);
    EXPECT_EQ(timesPlayed(touchdownFile), 0);
    EXPECT_EQ(ground.touchdownArmed, 0);
    frames(40);
    EXPECT_TRUE(bufferOf(rollFile)->playing);
    EXPECT_EQ(timesPlayed(touchdownFile), 0);
}

TEST_F(GroundFlight, AVesselThatStartsOnTheGroundMakesNoThump) {
    glider.setAltitude(onTheGround);
    glider.setAirspeed(30);
    frames(10);
    EXPECT_EQ(timesPlayed(touchdownFile), 0);
    EXPECT_TRUE(bufferOf(rollFile)->playing);
}

TEST_F(GroundFlight, ClimbingAwayStopsTheGroundLoopsAndArmsTheTouchdown) {
    glider.setAltitude(onTheGround);
    glider.setAirspeed(30);
    frames(10);
    glider.setAltitude(onTheGround + 25);
    frames(1);
    EXPECT_FALSE(bufferOf(rollFile)->playing);
    EXPECT_EQ(ground.groundSoundsActive, 0);
    EXPECT_EQ(ground.touchdownArmed, 1);
}

TEST_F(GroundFlight, TheTowerClearsOnceADescentFromAbove10Km) {
    glider.setAltitude(12000);
    frames(1);
    glider.setAltitude(3500);
    frames(1);
    EXPECT_EQ(timesPlayed("sound\\vessel\\landClr.wav"), 0);
    glider.setAltitude(2900);
    frames(1);
    glider.setAltitude(1500);
    frames(1);
    EXPECT_EQ(timesPlayed("sound\\vessel\\landClr.wav"), 1);
}

class DockingFlight : public testsupport::FlownVessel {
protected:
    DockingFlight() {
        glider.setAltitude(350000);
        glider.setAirspeed(1);
        for (double x : {-3.0, 0.0, 3.0}) {
            glider.addDockingPort({x, 1.5, 4}, {0, 1, 0}, {0, 0, 1});
        }
        countDockingPorts();
        frames(1);
    }
    static VECTOR3 positionOf(const fake::BufferState& buffer) {
        const D3DVECTOR& p = buffer.parameters3D.vPosition;
        return {p.x, p.y, p.z};
    }
};

TEST_F(DockingFlight, DockingOnTheThirdPortClangsAtThatPortThenTheStationConfirms) {
    glider.setDockingStatus(2, true);
    frames(3);
    ASSERT_EQ(timesPlayed(dockingFile), 1);
    const fake::BufferState& second = *bufferOf(dockingFile);
    const fake::BufferState& first = fake::buffer(second.id - 1);
    EXPECT_FLOAT_EQ(static_cast<float>(positionOf(first).x), 3 + 2);
    EXPECT_FLOAT_EQ(static_cast<float>(positionOf(second).x), 3 - 2);
    EXPECT_FLOAT_EQ(static_cast<float>(positionOf(second).z), 4);
    EXPECT_EQ(ground.dockingRadioPending, dockingRadioAfterDocking);

    // The radio waits while the clang goes on.
    frames(6);
    EXPECT_EQ(timesPlayed(dockingRadioFile), 0);
    stopSlot(stockSlot(Docking));
    frames(3);
    EXPECT_EQ(timesPlayed(dockingRadioFile), 1);
    EXPECT_EQ(bufferOf(dockingRadioFile)->volume, volumeToAttenuation(liveOptions.VOLDOCKING));
    EXPECT_EQ(ground.dockingRadioPending, noDockingRadioCall);
}

TEST_F(DockingFlight, UndockingOutsideInVacuumIsSilentButTheRadioIsHeard) {
    glider.setDockingStatus(1, true);
    countDockingPorts();
    vrhost::world().camera().internal = false;
    frames(1);
    glider.setDockingStatus(1, false);
    frames(3);
    ASSERT_EQ(timesPlayed(undockingFile), 1);
    EXPECT_EQ(bufferOf(undockingFile)->volume, volumeToAttenuation(0));
    stopSlot(stockSlot(Undocking));
    frames(3);
    ASSERT_EQ(timesPlayed(undockingRadioFile), 1);
    EXPECT_EQ(bufferOf(undockingRadioFile)->volume, volumeToAttenuation(liveOptions.VOLDOCKING));
}

TEST_F(DockingFlight, ANewPortIsCountedWithoutASound) {
    int port = glider.addDockingPort({0, -1.5, 4}, {0, -1, 0}, {0, 0, 1});
    glider.setDockingStatus(port, true);
    frames(8);
    EXPECT_EQ(ground.ports.count, 4);
    EXPECT_EQ(timesPlayed(dockingFile), 0);
    EXPECT_EQ(ground.ports.docked[port], 1u);
}

TEST_F(DockingFlight, OnlyTheFirstNinePortsAreWatched) {
    for (int extra = 0; extra < 8; ++extra) {
        glider.addDockingPort({0, 0, -4}, {0, 0, -1}, {0, 1, 0});
    }
    countDockingPorts();
    EXPECT_EQ(ground.ports.count, dockingPortLimit);
    glider.setDockingStatus(10, true);
    frames(20);
    EXPECT_EQ(timesPlayed(dockingFile), 0);
}

} // namespace
