// Every function called with what a faulty add-on might pass: each refuses, and the table of
// vessels and the wave slots stay as they were.
#include "addon_fixture.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/addon/vessel_wave_slots.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using namespace zephyrin;
using testsupport::AddonTest;

class HostileCallsTest : public AddonTest {
protected:
    HostileCallsTest() : glider(addVessel("DG-01")) {
        id = GetVesselSoundID3(glider.GetHandle());
        moveFocusTo(glider);
        LoadVesselWaveZephx3(id, 1, beep, VIEW_ANY);
        mfdId = GetMFDId("Hostile");
    }

    vrhost::Vessel& glider;
    int id = -1;
    int mfdId = -1;
};

TEST_F(HostileCallsTest, BadIdsAndWaveNumbersAreRefused) {
    const VECTOR3 position{0, 0, 0};
    const float distance = 10;
    const ConeParameters cone{10, 20, {0, 0, 1}, 0};
    for (int badId : {-1, 61, 1000000, -1000000}) {
        SCOPED_TRACE(badId);
        EXPECT_EQ(LoadVesselWaveZephx3(badId, 1, beep, 0), 0);
        EXPECT_EQ(LoadVesselWave3dZephx4(badId, 1, beep, 0, &position, &position, 1), 0);
        EXPECT_EQ(
            Set3dWaveParametersZephx4(badId, 1, &position, &position, &distance, &distance, &cone),
            0);
        EXPECT_EQ(PlayVesselWaveZephx3(badId, 1, 1, 200, 0), 0);
        EXPECT_EQ(PlayVesselExclusiveWaveZephx3(badId, 1, 1, 200, 0), 0);
        EXPECT_EQ(StopVesselWave3(badId, 1), 0);
        EXPECT_EQ(IsPlayingVesselWave3(badId, 1), 0);
        EXPECT_EQ(SoundOption3(badId, PLAYMAINTHRUST, 0), 1);
        EXPECT_EQ(ReplaceStockZephx3(badId, beep, REPLACE_MAIN_THRUST), 0);
        EXPECT_EQ(LoadMFDWaveZephx3(badId, 0, beep), 0);
        EXPECT_EQ(PlayMFDWaveZephx3(badId, 0, 0, 200, 0), 0);
        EXPECT_EQ(StopMFDWave3(badId, 0), 0);
    }
    for (int badWave : {0, 61, -5, 1000000}) {
        SCOPED_TRACE(badWave);
        EXPECT_EQ(LoadVesselWaveZephx3(id, badWave, beep, 0), 0);
        EXPECT_EQ(LoadVesselWave3dZephx4(id, badWave, beep, 0, &position, &position, 1), 0);
        EXPECT_EQ(Set3dWaveParametersZephx4(id, badWave, &position, &position, &distance, &distance,
                                            &cone),
                  0);
        EXPECT_EQ(PlayVesselWaveZephx3(id, badWave, 1, 200, 0), 0);
        EXPECT_EQ(PlayVesselExclusiveWaveZephx3(id, badWave, 1, 200, 0), 0);
        EXPECT_EQ(StopVesselWave3(id, badWave), 0);
        EXPECT_EQ(IsPlayingVesselWave3(id, badWave), 0);
        EXPECT_EQ(LoadVesselWaveZephx(badWave, beep), 0);
        EXPECT_EQ(PlayVesselWaveZephx(badWave, 1, 200, 0), 0);
        EXPECT_EQ(PlayVesselExclusiveWaveZephx(badWave, 1, 200, 0), 0);
        EXPECT_EQ(StopVesselWave(badWave), 0);
        EXPECT_EQ(IsPlayingVesselWave(badWave), 0);
    }
    for (int badWave : {-1, 10, 1000000}) {
        SCOPED_TRACE(badWave);
        EXPECT_EQ(LoadMFDWaveZephx3(mfdId, badWave, beep), 0);
        EXPECT_EQ(PlayMFDWaveZephx3(mfdId, badWave, 0, 200, 0), 0);
        EXPECT_EQ(StopMFDWave3(mfdId, badWave), 0);
    }
    EXPECT_NE(vesselWaveSlots[0].sound, nullptr);
}

TEST_F(HostileCallsTest, NullAndOverlongFileNamesAreRefusedWhole) {
    const std::string longName(300, 'x');
    const std::string longest(259, 'y');
    for (const char* bad : {static_cast<const char*>(nullptr), longName.c_str()}) {
        EXPECT_EQ(LoadVesselWaveZephx3(id, 2, bad, 0), 0);
        EXPECT_EQ(LoadVesselWave3dZephx4(id, 2, bad, 0, nullptr, nullptr, 0), 0);
        EXPECT_EQ(LoadVesselWaveZephx(2, bad), 0);
        EXPECT_EQ(ReplaceStockZephx3(id, bad, REPLACE_MAIN_THRUST), 0);
        EXPECT_EQ(LoadMFDWaveZephx3(mfdId, 0, bad), 0);
    }
    EXPECT_EQ(vesselTable[id].waveFileName[1][0], '\0');
    EXPECT_NE(log().find("LoadVesselWaveZephx3 refused: file name of 260 characters or more"),
              std::string::npos);
    EXPECT_NE(log().find("LoadVesselWaveZephx3 refused: no file name"), std::string::npos);
    // 259 characters fit: the name is kept whole and the missing file is reported.
    EXPECT_EQ(LoadVesselWaveZephx3(id, 2, longest.c_str(), 0), 0);
    EXPECT_EQ(std::strlen(vesselTable[id].waveFileName[1]), 259u);
}

TEST_F(HostileCallsTest, AnIdNeverIssuedHasNoVessel) {
    EXPECT_EQ(Set3dWaveParametersZephx4(40, 1, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ReplaceStockZephx3(40, beep, REPLACE_MAIN_THRUST), 0);
    EXPECT_EQ(PlayVesselWaveZephx3(40, 1, 1, 200, 0), 0);
    EXPECT_EQ(GetMFDId(std::string(300, 'm').c_str()), 1);
}

} // namespace
