#include "addon_fixture.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/core/main_configuration.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace zephyrin;
using testsupport::AddonTest;

class WaveDefinitionTest : public AddonTest {
protected:
    explicit WaveDefinitionTest(bool allow3D = true)
        : AddonTest(allow3D), glider(addVessel("DG-01")), tug(addVessel("Tug")) {
        gliderId = GetVesselSoundID3(glider.GetHandle());
        tugId = GetVesselSoundID3(tug.GetHandle());
        moveFocusTo(glider);
    }

    vrhost::Vessel& glider;
    vrhost::Vessel& tug;
    int gliderId = -1;
    int tugId = -1;
};

TEST_F(WaveDefinitionTest, TheFocusVesselLoadsAtOnce) {
    EXPECT_EQ(LoadVesselWaveZephx3(gliderId, 3, beep, VIEW_ANY), 1);
    EXPECT_NE(vesselWaveSlots[2].sound, nullptr);
    EXPECT_EQ(vesselWaveSlots[2].baseFrequency, 22050);
    EXPECT_EQ(LoadVesselWaveZephx3(gliderId, 4, "Sound\\Addon\\missing.wav", VIEW_ANY), 0);
    EXPECT_NE(log().find("Vessel sound FAILED TO LOAD WAV missing wav file ?->"),
              std::string::npos);
}

TEST_F(WaveDefinitionTest, AnotherVesselsWaveLoadsWhenItTakesTheFocusAndLeavesWithIt) {
    EXPECT_EQ(LoadVesselWaveZephx3(tugId, 7, beep, VIEW_BOTH_MID), 1);
    EXPECT_EQ(bufferOf(beep), nullptr);
    moveFocusTo(tug);
    ASSERT_NE(vesselWaveSlots[6].sound, nullptr);
    EXPECT_EQ(PlayVesselWaveZephx3(tugId, 7, 1, 200, 0), 1);
    const platform::audio::fake::BufferState* buffer = bufferOf(beep);
    moveFocusTo(glider);
    EXPECT_EQ(vesselWaveSlots[6].sound, nullptr);
    EXPECT_EQ(buffer->references, 0u);
    EXPECT_EQ(PlayVesselWaveZephx3(tugId, 7, 1, 200, 0), 0);
    EXPECT_STREQ(vesselTable[tugId].waveFileName[6], beep);
    moveFocusTo(tug);
    EXPECT_NE(vesselWaveSlots[6].sound, nullptr);
}

struct DistanceCase {
    int type;
    double minDistance;
    double maxDistance;
};

TEST_F(WaveDefinitionTest, ThreeDimensionalWavesCarryAsFarAsTheirTypeIsHeard) {
    const DistanceCase cases[] = {{VIEW_ANY, 80, 18000},        {VIEW_INSIDE_ONLY, 5, 100},
                                  {VIEW_BOTH_NEAR, 10, 2000},   {VIEW_BOTH_MID, 50, 8000},
                                  {VIEW_BOTH_FAR, 80, 18000},   {VIEW_OUTSIDE_NEAR, 10, 2000},
                                  {VIEW_OUTSIDE_MID, 50, 8000}, {VIEW_OUTSIDE_FAR, 80, 18000},
                                  {VIEW_RADIO, 80, 18000},      {42, 80, 18000}};
    const VECTOR3 position{1, 2, -8};
    for (const DistanceCase& c : cases) {
        SCOPED_TRACE(c.type);
        ASSERT_EQ(LoadVesselWave3dZephx4(gliderId, 1, beep, c.type, &position, nullptr, 0), 1);
        EXPECT_EQ(vesselTable[gliderId].wave3dMode[0], WAVE_3D_MONO);
        EXPECT_EQ(vesselWaveSlots[0].is3D, 1);
        EXPECT_EQ(vesselWaveSlots[0].minDistance, c.minDistance);
        EXPECT_EQ(vesselWaveSlots[0].maxDistance, c.maxDistance);
        EXPECT_EQ(vesselWaveSlots[0].rightPosition.z, -8);
    }
}

TEST_F(WaveDefinitionTest, AStereoWaveIsSplitToItsTwoPositions) {
    const VECTOR3 left{-3, 0, -9};
    const VECTOR3 right{3, 0, -9};
    ASSERT_EQ(LoadVesselWave3dZephx4(gliderId, 2, engine, VIEW_BOTH_NEAR, &left, &right, 1), 1);
    EXPECT_EQ(vesselTable[gliderId].wave3dMode[1], WAVE_3D_STEREO);
    EXPECT_EQ(vesselWaveSlots[1].isStereoPair, 1);
    EXPECT_EQ(vesselWaveSlots[1].leftPosition.x, -3);
    EXPECT_EQ(vesselWaveSlots[1].rightPosition.x, 3);
}

TEST_F(WaveDefinitionTest, NullPositionsAreTheOriginAndTheFirstPosition) {
    const VECTOR3 left{-3, 0, -9};
    ASSERT_EQ(LoadVesselWave3dZephx4(gliderId, 2, engine, VIEW_ANY, nullptr, nullptr, 1), 1);
    EXPECT_EQ(vesselTable[gliderId].wavePositionRight[1].z, 0);
    ASSERT_EQ(LoadVesselWave3dZephx4(gliderId, 2, engine, VIEW_ANY, &left, nullptr, 1), 1);
    EXPECT_EQ(vesselTable[gliderId].wavePositionRight[1].x, -3);
}

TEST_F(WaveDefinitionTest, ParametersMoveA3DWaveAndRefuseA2DOne) {
    const VECTOR3 position{0, 0, 5};
    const VECTOR3 moved{0, 0, -20};
    const float minDistance = 7;
    LoadVesselWaveZephx3(gliderId, 1, beep, VIEW_ANY);
    EXPECT_EQ(Set3dWaveParametersZephx4(gliderId, 1, &moved, nullptr, nullptr, nullptr, nullptr),
              0);
    LoadVesselWave3dZephx4(gliderId, 2, beep, VIEW_ANY, &position, nullptr, 0);
    EXPECT_EQ(
        Set3dWaveParametersZephx4(gliderId, 2, &moved, nullptr, &minDistance, nullptr, nullptr), 1);
    EXPECT_EQ(vesselWaveSlots[1].leftPosition.z, -20);
    EXPECT_EQ(vesselWaveSlots[1].minDistance, 7);
    EXPECT_EQ(vesselWaveSlots[1].maxDistance, 18000);
    EXPECT_EQ(Set3dWaveParametersZephx4(gliderId, 9, &moved, nullptr, nullptr, nullptr, nullptr),
              0);
}

TEST_F(WaveDefinitionTest, AConeIsSetOnlyWhereProjectionConesAreAllowed) {
    const VECTOR3 position{0, 0, -10};
    const ConeParameters cone{60, 200, {0, 0, -1}, 40};
    for (int allowed : {0, 1}) {
        SCOPED_TRACE(allowed);
        vesselTable[gliderId].settings.ALLOW3DPROJECTIONCONE = allowed;
        liveOptions.ALLOW3DPROJECTIONCONE = allowed;
        LoadVesselWave3dZephx4(gliderId, 5, beep, VIEW_ANY, &position, nullptr, 0);
        EXPECT_EQ(Set3dWaveParametersZephx4(gliderId, 5, nullptr, nullptr, nullptr, nullptr, &cone),
                  1);
        EXPECT_EQ(vesselTable[gliderId].waveConeSet[4], 1);
        EXPECT_EQ(bufferOf(beep)->parameters3D.dwInsideConeAngle == 60u, allowed == 1);
    }
}

class WaveDefinitionWithout3DTest : public WaveDefinitionTest {
protected:
    WaveDefinitionWithout3DTest() : WaveDefinitionTest(false) {}
};

TEST_F(WaveDefinitionWithout3DTest, A3DWaveBecomesA2DOne) {
    const VECTOR3 position{0, 0, 5};
    EXPECT_EQ(LoadVesselWave3dZephx4(gliderId, 1, beep, VIEW_ANY, &position, nullptr, 0), 1);
    EXPECT_EQ(vesselTable[gliderId].wave3dMode[0], WAVE_2D);
    EXPECT_NE(vesselWaveSlots[0].sound, nullptr);
    EXPECT_EQ(vesselWaveSlots[0].is3D, 0);
    EXPECT_EQ(IsZephyrin3dZephx4(), 0);
}

} // namespace
