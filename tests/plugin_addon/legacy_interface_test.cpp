#include "addon_fixture.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/audio/sound.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace zephyrin;
using testsupport::AddonTest;

constexpr const char* warning =
    "A vessel in this scenario use the old Zephyrin 2.5 SDK somes sound might not benefit of "
    "latest features as silence in space. Ask the author for upgrade.";

class LegacyInterfaceTest : public AddonTest {
protected:
    LegacyInterfaceTest() : oldShuttle(addVessel("Shuttle")) { moveFocusTo(oldShuttle); }

    vrhost::Vessel& oldShuttle;
};

TEST_F(LegacyInterfaceTest, TheFocusVesselWithoutIdLoadsOnTheNextFrameAndWarnsOnce) {
    EXPECT_EQ(LoadVesselWaveZephx(2, beep), 1);
    EXPECT_NE(log().find("Old 2.5 SDK vessel try to load: Sound\\Addon\\beep.wav"),
              std::string::npos);
    EXPECT_EQ(run.addonWaveQueue.pendingCount, 1);
    EXPECT_EQ(run.legacyWarningTimer, 160.0f);
    EXPECT_STREQ(plugin.legacyWarningText, warning);
    EXPECT_EQ(LoadVesselWaveZephx(2, beep), 1);
    EXPECT_EQ(run.addonWaveQueue.pendingCount, 1);

    loadQueuedAddonWaves();
    EXPECT_EQ(PlayVesselWaveZephx(2, 1, 300, 0), 1);
    EXPECT_EQ(bufferOf(beep)->volume, volumeToAttenuation(255));
    EXPECT_EQ(IsPlayingVesselWave(2), 1);
    EXPECT_EQ(StopVesselWave(2), 1);
    EXPECT_EQ(IsPlayingVesselWave(2), 0);
    EXPECT_EQ(PlayVesselExclusiveWaveZephx(2, 1, -20, 0), 1);
    EXPECT_TRUE(bufferOf(beep)->looping);
    EXPECT_EQ(bufferOf(beep)->volume, volumeToAttenuation(0));
    EXPECT_EQ(vesselTable[LEGACY_SOUND_ID].waveType[1], VIEW_ANY);
}

TEST_F(LegacyInterfaceTest, TheUserMaySwitchTheWarningOff) {
    liveOptions.NOOUTDATEDADDONWARNING = 1;
    LoadVesselWaveZephx(1, beep);
    EXPECT_EQ(run.legacyWarningTimer, 0.0f);
}

TEST_F(LegacyInterfaceTest, AVesselWithIdIsNotTouched) {
    vrhost::Vessel& modern = addVessel("DG-01");
    GetVesselSoundID3(modern.GetHandle());
    moveFocusTo(modern);
    EXPECT_EQ(LoadVesselWaveZephx(1, beep), 1);
    EXPECT_EQ(run.addonWaveQueue.pendingCount, 0);
    EXPECT_EQ(run.legacyWarningTimer, 0.0f);
    EXPECT_EQ(PlayVesselWaveZephx(1, 0, 200, 0), 0);
    SoundOption(PLAYMAINTHRUST, 0);
    EXPECT_EQ(vesselTable[LEGACY_SOUND_ID].settings.PLAYMAINTHRUST, 0);
    EXPECT_EQ(liveOptions.PLAYMAINTHRUST, 1);
}

TEST_F(LegacyInterfaceTest, OptionsGoToTheRecordAndTheLiveOptions) {
    SoundOption(PLAYMAINTHRUST, 0);
    EXPECT_EQ(liveOptions.PLAYMAINTHRUST, 0);
    // The old functions know neither the autopilot option nor the last one.
    SoundOption(AUTODISABLEAUTOPILOT, 1);
    SoundOption(PLAYREENTRYAIRSPEED, 0);
    EXPECT_EQ(liveOptions.AUTODISABLEAUTOPILOT, 0);
    EXPECT_EQ(liveOptions.PLAYREENTRYAIRSPEED, 1);
}

} // namespace
