#include "plugin/behaviour/atmosphere_sounds.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/environment/planet_and_base_sounds.h"
#include "plugin_sound_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;

constexpr const char* earthWind = "sound\\_CustomWindSounds\\Earth_breeze.wav";
constexpr const char* capeSound = "Sound\\_CustomBaseSounds\\Earth_Cape Canaveral_12000_255_40.wav";
constexpr vrhost::SurfacePoint cape{28.6085, -80.6040};
constexpr vrhost::SurfacePoint pad{28.6085, -80.6042};

// A glider on the pad by the Cape, seen from the track camera, with the winds and bases of a
// small sound pack listed.
class WindAndBaseSelection : public testsupport::PluginSoundTest {
protected:
    WindAndBaseSelection() {
        for (const char* wind :
             {"Earth_breeze.wav", "GenericBig_dense.wav", "GenericNormal_thin.wav"}) {
            writeWave(std::string("Sound/_CustomWindSounds/") + wind, 2);
        }
        writeWave("Sound/_CustomBaseSounds/Earth_Cape Canaveral_12000_255_40.wav", 2);
        writeWave("Sound/_CustomBaseSounds/Earth_Cape Canaveral_12000_255_0.wav", 2);
        listPlanetWindSounds();
        listBaseSounds();
        resetWindAndBaseState();
        standOnThePad();
    }

    void standOnThePad(double airspeed = 0) {
        vrhost::world().addBase("Cape Canaveral", cape);
        vrhost::VesselSpec spec;
        spec.position = pad;
        vrhost::Vessel& glider = focusOn(spec);
        glider.setAirspeed(airspeed);
        vrhost::world().camera().internal = false;
        vrhost::world().camera().targetDistanceM = 50;
        frame.cameraInternal = 0;
        frame.cameraMode = CAMERA_MODE_TRACK;
        frame.airspeed = airspeed;
    }

    void useOnlyBaseFile(const char* keptName) {
        for (int i = 0; i < baseSoundFileCount; ++i) {
            if (std::string(baseSoundFiles[i].fileName) == keptName) {
                baseSoundFiles[0] = baseSoundFiles[i];
            }
        }
        baseSoundFileCount = 1;
    }

    const StockSoundSlot& wind() const { return stockSlot(PlanetWind); }
    const StockSoundSlot& base() const { return stockSlot(BaseAmbient); }
};

TEST_F(WindAndBaseSelection, OnThePadTheWindAndTheCapeAmbiencePlay) {
    useOnlyBaseFile("Earth_Cape Canaveral_12000_255_40.wav");
    // A new planet: its wind is loaded, nothing plays yet, and a full scan is asked for.
    EXPECT_EQ(UpdateWindAndBase(false), 0);
    EXPECT_EQ(atmosphere.baseAmbienceForced, 1);
    EXPECT_STREQ(wind().fileName, earthWind);
    EXPECT_EQ(wind().isStereoPair, 1);
    EXPECT_EQ(bufferOf(earthWind)->parameters3D.dwMode, DS3DMODE_HEADRELATIVE);
    ASSERT_EQ(planetBaseTable.planetBaseCount, 1);

    // The full scan chooses the Cape and loads its sound; its nearness 275 lowers the wind
    // by (275 - 160) / (40 / 10).
    EXPECT_NEAR(UpdateWindAndBase(true), 235 - 115 / 4.0, 1e-9);
    EXPECT_EQ(ambienceSelection.currentBase, 0);
    EXPECT_STREQ(base().fileName, capeSound);
    EXPECT_EQ(bufferOf(capeSound)->parameters3D.dwMode, DS3DMODE_HEADRELATIVE);
    EXPECT_FALSE(bufferOf(capeSound)->playing);

    // The next check plays it, capped at the ambience volume 235.
    EXPECT_NEAR(UpdateWindAndBase(false), 235 - 75 / 4.0, 1e-9);
    EXPECT_EQ(base().lastVolume, 235);
    EXPECT_TRUE(bufferOf(capeSound)->playing);
}

TEST_F(WindAndBaseSelection, ABaseWithoutWindPercentSilencesTheWind) {
    useOnlyBaseFile("Earth_Cape Canaveral_12000_255_0.wav");
    UpdateWindAndBase(false);
    EXPECT_EQ(UpdateWindAndBase(true), 0);
    EXPECT_EQ(UpdateWindAndBase(false), 0);
}

TEST_F(WindAndBaseSelection, AfterAPlanetChangeTheNextFrameScansEveryBase) {
    useOnlyBaseFile("Earth_Cape Canaveral_12000_255_40.wav");
    liveOptions.PLAYWINDAMBIANCEWHENLANDED = 1;
    frame.lateTick = 1;
    updateWindAndBaseAmbience(); // the planet change
    EXPECT_EQ(ambienceSelection.currentBase, -1);
    frame.lateTick = 0;
    updateWindAndBaseAmbience(); // no tick, but the full scan asked for
    EXPECT_EQ(ambienceSelection.currentBase, 0);
    EXPECT_EQ(atmosphere.baseAmbienceForced, 0);
    EXPECT_EQ(atmosphere.windAmbiencePlaying, 1);
    EXPECT_TRUE(bufferOf(earthWind)->playing);
}

TEST_F(WindAndBaseSelection, InTheCockpitTheWindIsHeardOnlyWithTheCockpitOpen) {
    frame.cameraInternal = 1;
    liveOptions.PLAYWINDCOCKPITOPEN = 0;
    EXPECT_EQ(UpdateWindAndBase(false), 0);
    EXPECT_EQ(ambienceSelection.currentWindPlanet, nullptr);
    liveOptions.PLAYWINDCOCKPITOPEN = 1;
    UpdateWindAndBase(false);
    EXPECT_NE(ambienceSelection.currentWindPlanet, nullptr);
}

TEST_F(WindAndBaseSelection, AFastVesselPastTheCameraDrownsTheWind) {
    useOnlyBaseFile("Earth_Cape Canaveral_12000_255_40.wav");
    UpdateWindAndBase(false);
    frame.airspeed = 300;
    // 50 m away: 255 - √200 = 240.9 of the 235 is taken.
    EXPECT_EQ(UpdateWindAndBase(false), 0);
    frame.cameraMode = CAMERA_MODE_GROUND_OBSERVER; // the observer hears the wind all the same
    // The check that follows chooses the Cape, which lowers the wind a little.
    EXPECT_NEAR(UpdateWindAndBase(false), 235 - 115 / 4.0, 1e-9);
}

struct GenericCase {
    const char* planet;
    double radiusM;
    const char* wind;
    int baseSounds;
};

class GenericWind : public WindAndBaseSelection, public testing::WithParamInterface<GenericCase> {};

TEST_P(GenericWind, APlanetWithoutWindsGetsTheGenericOneOfItsSize) {
    const GenericCase& c = GetParam();
    vrhost::world().setPlanet(c.planet, c.radiusM, 1e24);
    standOnThePad();
    EXPECT_EQ(UpdateWindAndBase(false), 0);
    EXPECT_STREQ(ambienceSelection.lastWindFile, c.wind);
    EXPECT_STREQ(wind().fileName, c.wind);
    EXPECT_EQ(planetBaseTable.planetBaseCount, c.baseSounds); // the Cape's sounds are Earth's
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, GenericWind,
    testing::Values(
        GenericCase{"Kerbin", 600000, "sound\\_CustomWindSounds\\GenericNormal_thin.wav", 0},
        GenericCase{"Jool", 36051840, "sound\\_CustomWindSounds\\GenericBig_dense.wav", 0},
        GenericCase{"earth", 6371000, earthWind, 2}),
    [](const testing::TestParamInfo<GenericCase>& tested) { return tested.param.planet; });

TEST_F(WindAndBaseSelection, APlanetWithoutAnyWindIsLoggedAndSilent) {
    windPlanetCount = 1; // only Earth
    vrhost::world().setPlanet("Kerbin", 600000, 1e24);
    standOnThePad();
    EXPECT_EQ(UpdateWindAndBase(false), 0);
    EXPECT_EQ(wind().sound, nullptr);
    EXPECT_NE(log().find("Error: No winds found for this planet and failed to load generic\n"),
              std::string::npos);
}

TEST_F(WindAndBaseSelection, APlanetChangeStopsTheLastPlanetsBaseAndRestartsTheScan) {
    useOnlyBaseFile("Earth_Cape Canaveral_12000_255_40.wav");
    UpdateWindAndBase(false);
    UpdateWindAndBase(true);
    UpdateWindAndBase(false);
    ASSERT_TRUE(bufferOf(capeSound)->playing);
    vrhost::world().setPlanet("Mars", 3389500, 6.4e23);
    standOnThePad();
    EXPECT_EQ(UpdateWindAndBase(false), 0);
    EXPECT_FALSE(bufferOf(capeSound)->playing);
    EXPECT_EQ(ambienceSelection.currentBase, -1);
    EXPECT_EQ(ambienceSelection.baseScanIndex, 0);
    EXPECT_STREQ(wind().fileName, "sound\\_CustomWindSounds\\GenericNormal_thin.wav");
}

} // namespace
