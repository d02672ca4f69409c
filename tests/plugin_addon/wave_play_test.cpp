#include "addon_fixture.h"
#include "plugin/addon/addon_sounds.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/audio/sound.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <gtest/gtest.h>

namespace {

using namespace zephyrin;
using testsupport::AddonTest;
namespace fake = platform::audio::fake;

constexpr int cockpit = 1;
constexpr int outside = 0;

class WavePlayTest : public AddonTest {
protected:
    WavePlayTest() : glider(addVessel("DG-01")) {
        id = GetVesselSoundID3(glider.GetHandle());
        moveFocusTo(glider);
        frame.closeAttenuation = 30;
        frame.mediumAttenuation = 60;
        frame.farAttenuation = 90;
        frame.vacuumAttenuation = 10;
        frame.cameraInternal = cockpit;
    }

    LONG beepVolume() const { return bufferOf(beep)->volume; }

    vrhost::Vessel& glider;
    int id = -1;
};

struct ViewCase {
    int type;
    int camera;
    int volume;
};

TEST_F(WavePlayTest, EachTypeIsHeardAsItsViewRuleSays) {
    const ViewCase cases[] = {
        {VIEW_ANY, cockpit, 200},         {VIEW_ANY, outside, 200},
        {VIEW_INSIDE_ONLY, cockpit, 200}, {VIEW_INSIDE_ONLY, outside, 0},
        {VIEW_BOTH_NEAR, cockpit, 200},   {VIEW_BOTH_NEAR, outside, 160},
        {VIEW_BOTH_MID, cockpit, 200},    {VIEW_BOTH_MID, outside, 130},
        {VIEW_BOTH_FAR, cockpit, 200},    {VIEW_BOTH_FAR, outside, 100},
        {VIEW_OUTSIDE_NEAR, cockpit, 0},  {VIEW_OUTSIDE_NEAR, outside, 160},
        {VIEW_OUTSIDE_MID, cockpit, 0},   {VIEW_OUTSIDE_MID, outside, 130},
        {VIEW_OUTSIDE_FAR, cockpit, 0},   {VIEW_OUTSIDE_FAR, outside, 100},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " camera " << c.camera);
        LoadVesselWaveZephx3(id, 1, beep, c.type);
        frame.cameraInternal = c.camera;
        ASSERT_EQ(PlayVesselWaveZephx3(id, 1, 0, 200, 0), 1);
        EXPECT_EQ(beepVolume(), volumeToAttenuation(c.volume));
    }
}

TEST_F(WavePlayTest, A3DWaveOutsideLosesOnlyTheThinAir) {
    const VECTOR3 position{0, 0, -10};
    LoadVesselWave3dZephx4(id, 1, beep, VIEW_BOTH_FAR, &position, nullptr, 0);
    frame.cameraInternal = outside;
    PlayVesselWaveZephx3(id, 1, 0, 200, 0);
    EXPECT_EQ(beepVolume(), volumeToAttenuation(190));
}

struct ClampCase {
    int volume;
    int frequency;
    int heardVolume;
    DWORD heardFrequency;
};

TEST_F(WavePlayTest, VolumeAndFrequencyAreClamped) {
    const ClampCase cases[] = {{300, 3000, 255, 5000},
                               {-5, 50000, 0, 44100},
                               {128, 0, 128, 22050},
                               {128, 11025, 128, 11025}};
    for (const ClampCase& c : cases) {
        SCOPED_TRACE(c.frequency);
        LoadVesselWaveZephx3(id, 1, beep, VIEW_ANY);
        PlayVesselWaveZephx3(id, 1, 0, c.volume, c.frequency);
        EXPECT_EQ(beepVolume(), volumeToAttenuation(c.heardVolume));
        EXPECT_EQ(bufferOf(beep)->frequency, c.heardFrequency);
    }
}

struct RepeatCase {
    int volume;
    int frequency;
    bool replayed;
};

TEST_F(WavePlayTest, ALoopRepeatedWithLittleChangeIsNotRestarted) {
    const RepeatCase cases[] = {{203, 20000, false}, {197, 20000, false}, {200, 20100, false},
                                {200, 19900, false}, {204, 20000, true},  {196, 20000, true},
                                {200, 20101, true},  {200, 19899, true}};
    LoadVesselWaveZephx3(id, 1, beep, VIEW_ANY);
    for (const RepeatCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.volume << " " << c.frequency);
        StopVesselWave3(id, 1);
        PlayVesselWaveZephx3(id, 1, 1, 200, 20000);
        int before = playCalls();
        EXPECT_EQ(PlayVesselWaveZephx3(id, 1, 1, c.volume, c.frequency), 1);
        EXPECT_EQ(playCalls() > before, c.replayed);
    }
    // A single play is always played.
    int before = playCalls();
    PlayVesselWaveZephx3(id, 1, 0, 200, 20000);
    EXPECT_GT(playCalls(), before);
}

TEST_F(WavePlayTest, AnExclusivePlayIsARadioMessageThatSilencesTheChatter) {
    writeWave("Sound/Radio/chatter.wav");
    LoadWave(stockSlot(RadioChatter), "Sound\\Radio\\chatter.wav", 0);
    playWaveSimple(stockSlot(RadioChatter), 1, 200);
    LoadVesselWaveZephx3(id, 4, beep, VIEW_ANY);
    EXPECT_EQ(PlayVesselExclusiveWaveZephx3(id, 4, 1, 180, 0), 1);
    EXPECT_TRUE(bufferOf(beep)->playing);
    EXPECT_FALSE(bufferOf(beep)->looping);
    EXPECT_EQ(isSlotPlaying(stockSlot(RadioChatter)), 0);
    EXPECT_EQ(exclusiveWaveIndex, 3);
    EXPECT_EQ(vesselTable[id].waveType[3], VIEW_RADIO);
    // From now on a plain play goes the same way: once, never looping.
    StopVesselWave3(id, 4);
    EXPECT_EQ(PlayVesselWaveZephx3(id, 4, 1, 100, 0), 1);
    EXPECT_FALSE(bufferOf(beep)->looping);
    EXPECT_EQ(beepVolume(), volumeToAttenuation(100));
}

TEST_F(WavePlayTest, TheViewSwitchSilencesInsideAndRadioWavesOutside) {
    writeWave("Sound/Addon/radio.wav");
    const char* radio = "Sound\\Addon\\radio.wav";
    LoadVesselWaveZephx3(id, 1, beep, VIEW_INSIDE_ONLY);
    LoadVesselWaveZephx3(id, 2, radio, VIEW_RADIO);
    PlayVesselWaveZephx3(id, 1, 1, 200, 0);
    PlayVesselWaveZephx3(id, 2, 0, 150, 0);
    for (int radioOutside : {0, 1}) {
        SCOPED_TRACE(radioOutside);
        liveOptions.RADIOINEXTERNALVIEW = radioOutside;
        switchAddonSoundsView(outside);
        EXPECT_EQ(beepVolume(), volumeToAttenuation(0));
        EXPECT_EQ(bufferOf(radio)->volume, volumeToAttenuation(radioOutside == 1 ? 150 : 0));
        switchAddonSoundsView(cockpit);
        EXPECT_EQ(beepVolume(), volumeToAttenuation(200));
        EXPECT_EQ(bufferOf(radio)->volume, volumeToAttenuation(150));
    }
}

TEST_F(WavePlayTest, StopEndsTheWaveAndOnlyTheFocusVesselPlays) {
    LoadVesselWaveZephx3(id, 1, beep, VIEW_ANY);
    PlayVesselWaveZephx3(id, 1, 1, 200, 0);
    EXPECT_EQ(IsPlayingVesselWave3(id, 1), 1);
    EXPECT_EQ(StopVesselWave3(id, 1), 1);
    EXPECT_EQ(IsPlayingVesselWave3(id, 1), 0);
    EXPECT_FALSE(bufferOf(beep)->playing);
    EXPECT_EQ(StopVesselWave3(id, 2), 0);
    int other = GetVesselSoundID3(addVessel("Tug").GetHandle());
    EXPECT_EQ(PlayVesselWaveZephx3(other, 1, 1, 200, 0), 0);
    EXPECT_EQ(StopVesselWave3(other, 1), 0);
}

} // namespace
