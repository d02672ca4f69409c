#include "flown_vessel.h"
#include "plugin/behaviour/callouts.h"
#include "plugin/core/focus_vessel.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace zephyrin;

constexpr double cogElevation = 2; // of the flown glider

std::vector<std::string> calloutFiles(std::initializer_list<int> heights) {
    std::vector<std::string> files;
    for (int height : heights) {
        files.push_back("Sound\\Vessel\\-" + std::to_string(height) + ".wav");
    }
    return files;
}

std::vector<std::string> onlyCallouts(const std::vector<std::string>& played) {
    std::vector<std::string> callouts;
    for (const std::string& file : played) {
        if (file.rfind("Sound\\Vessel\\-", 0) == 0) {
            callouts.push_back(file);
        }
    }
    return callouts;
}

class CalloutFlight : public testsupport::FlownVessel {
protected:
    // A steady descent or climb of `metresPerFrame` to `height` above the ground.
    void flyTo(double height, double metresPerFrame) {
        double now = glider.altitude() - cogElevation;
        int steps = static_cast<int>(std::ceil(std::abs(height - now) / metresPerFrame));
        for (int step = 1; step <= steps; ++step) {
            glider.setAltitude(cogElevation + now + (height - now) * step / steps);
            frames(1);
        }
    }
};

TEST_F(CalloutFlight, ALandingFrom2800MetresCallsEveryThresholdOnceInOrder) {
    glider.setAltitude(cogElevation + 2800);
    GetStartValue();
    flyTo(0, 4);
    EXPECT_EQ(onlyCallouts(playedFiles()),
              calloutFiles({2500, 1000, 500, 400, 300, 200, 100, 50, 40, 30, 20, 10}));
}

TEST_F(CalloutFlight, AClimbRearmsTheCalloutsBelowIt) {
    glider.setAltitude(cogElevation + 800);
    GetStartValue();
    flyTo(150, 5);
    flyTo(600, 5);
    EXPECT_NEAR(callouts.lastCalloutHeight, 600, 1e-6);
    flyTo(80, 5);
    EXPECT_EQ(onlyCallouts(playedFiles()),
              calloutFiles({500, 400, 300, 200, 500, 400, 300, 200, 100}));
}

TEST_F(CalloutFlight, OutsideTheCalloutsAreSilentUnlessAskedFor) {
    glider.setAltitude(cogElevation + 600);
    GetStartValue();
    vrhost::world().camera().internal = false;
    flyTo(450, 10);
    EXPECT_TRUE(onlyCallouts(playedFiles()).empty());
    liveOptions.GPWSINEXTERNALVIEW = 1;
    flyTo(350, 10);
    EXPECT_EQ(onlyCallouts(playedFiles()), calloutFiles({400}));
}

TEST_F(CalloutFlight, ThrustOnThePadStartsTheCountdownOnce) {
    liveOptions.PLAYCOUNTDOWNWHENTAKEOFF = 1;
    frames(2);
    glider.setGroupLevel(THGROUP_HOVER, 0.3);
    frames(2);
    glider.setAltitude(cogElevation + 50);
    frames(10);
    EXPECT_EQ(timesPlayed("sound\\vessel\\countdown.wav"), 1);
}

TEST_F(CalloutFlight, AttitudeModeChangesClickInTheCockpitOnly) {
    glider.setAttitudeMode(2);
    frames(1);
    vrhost::world().camera().internal = false;
    liveOptions.RADIOINEXTERNALVIEW = 0;
    frames(1);
    glider.setAttitudeMode(0);
    frames(1);
    vrhost::world().camera().internal = true;
    frames(2);
    EXPECT_EQ(timesPlayed("sound\\vessel\\RcsattmodeTrans.wav"), 1);
    EXPECT_EQ(timesPlayed("sound\\vessel\\RcsattmodeOff.wav"), 0);
    EXPECT_EQ(callouts.lastAttitudeMode, 0);
}

// A station straight above the glider in orbit; climbing brings the glider closer.
class RadarFlight : public testsupport::FlownVessel {
protected:
    static constexpr double orbit = 350000;

    RadarFlight() {
        liveOptions.PLAYRADARBIP = 1;
        glider.setAltitude(orbit);
        VECTOR3 at = glider.globalPosition();
        double radius = std::sqrt(at.x * at.x + at.y * at.y + at.z * at.z);
        double above = 1000 / radius + 1;
        vrhost::world().addStation("Station", 5, 300000,
                                   {at.x * above, at.y * above, at.z * above});
        GetStartValue();
    }
    // Gap between the glider and the station's surface (size 5 m), half a metre more than the
    // whole metres the radar counts.
    void gapOf(double metres) {
        glider.setAltitude(orbit + 1000 - 5 - metres - 0.5);
        frames(2);
    }
};

TEST_F(RadarFlight, TheBipQuickensAndTheCloseWarningSoundsOncePerApproach) {
    EXPECT_EQ(callouts.radarTargetKind, radarTargetsAllObjects);
    gapOf(1500);
    EXPECT_EQ(callouts.radarBipPlaying, 0);
    gapOf(200);
    const auto* bip = bufferOf("sound\\vessel\\radar_bip.wav");
    ASSERT_NE(bip, nullptr);
    EXPECT_TRUE(bip->playing);
    // Against 11025 Hz: the file's own 22050 Hz doubles it.
    EXPECT_EQ(bip->frequency, 2u * 14525);
    gapOf(40);
    EXPECT_EQ(bip->frequency, 2u * 15675);
    gapOf(25);
    EXPECT_FALSE(bip->playing);
    gapOf(24);
    gapOf(10);
    EXPECT_EQ(timesPlayed("sound\\vessel\\radar_close.wav"), 1);
    gapOf(100);
    gapOf(25);
    EXPECT_EQ(timesPlayed("sound\\vessel\\radar_close.wav"), 2);
}

TEST_F(RadarFlight, WithinTwentyMetresThereIsNoCloseWarning) {
    gapOf(100);
    gapOf(15);
    EXPECT_FALSE(bufferOf("sound\\vessel\\radar_bip.wav")->playing);
    EXPECT_EQ(timesPlayed("sound\\vessel\\radar_close.wav"), 0);
}

TEST_F(RadarFlight, TheNewFocusVesselsOwnRadarOptionChoosesTheTargets) {
    savedOptions.PLAYRADARBIP = 1;
    liveOptions.PLAYRADARBIP = 0;
    GetStartValue();
    EXPECT_EQ(callouts.radarTargetKind, 0);
    loadFocusVesselSounds();
    EXPECT_EQ(callouts.radarTargetKind, radarTargetsAllObjects);
}

class CabinFlight : public testsupport::FlownVessel {
protected:
    // The ambience counter cycles every 30 s of slow ticks.
    // The first frame loads the stock sounds, which seeds the generator from the clock.
    int ambiencesIn(double seconds) {
        frames(1);
        seedRandom(1);
        frames(static_cast<int>(seconds / frameSeconds));
        int count = 0;
        for (const std::string& file : playedFiles()) {
            count += file.rfind("sound\\vessel\\ambient", 0) == 0 ? 1 : 0;
        }
        return count;
    }
};

TEST_F(CabinFlight, TheCabinBreathesInRealTime) {
    EXPECT_GT(ambiencesIn(400), 2);
}

TEST_F(CabinFlight, UnderTimeAccelerationTheCabinIsSilent) {
    vrhost::world().setTimeAcceleration(2);
    EXPECT_EQ(ambiencesIn(400), 0);
}

TEST_F(CabinFlight, TheAirConditioningFollowsTheEnginesAndStopsOutside) {
    frames(200);
    const auto* fans = bufferOf("sound\\vessel\\aircond.wav");
    ASSERT_NE(fans, nullptr);
    EXPECT_TRUE(fans->playing);
    EXPECT_NEAR(fans->frequency, 22050.0, 150.0);
    vrhost::world().camera().internal = false;
    frames(1);
    EXPECT_FALSE(fans->playing);
}

} // namespace
