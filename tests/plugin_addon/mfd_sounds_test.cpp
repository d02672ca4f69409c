#include "addon_fixture.h"
#include "plugin/addon/addon_sounds.h"
#include "plugin/audio/sound.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testsupport::AddonTest;

using MfdSoundsTest = AddonTest;

TEST_F(MfdSoundsTest, IdsGoByTheFirstTwentyCharactersOfTheName) {
    EXPECT_EQ(GetMFDId("Nav"), 0);
    EXPECT_EQ(GetMFDId("Nav"), 0);
    EXPECT_EQ(GetMFDId("nav"), 1);
    EXPECT_EQ(GetMFDId("ABCDEFGHIJKLMNOPQRSTuvw"), 2);
    EXPECT_EQ(GetMFDId("ABCDEFGHIJKLMNOPQRSTxyz"), 2);
    EXPECT_EQ(GetMFDId("ABCDEFGHIJKLMNOPQRS"), 3);
    EXPECT_NE(log().find("MFD Requested an ID: ABCDEFGHIJKLMNOPQRST Assigned ID=2 OK"),
              std::string::npos);
    EXPECT_EQ(GetMFDId(nullptr), -1);
    EXPECT_NE(log().find("ERROR MFD NULL NAME"), std::string::npos);
}

TEST_F(MfdSoundsTest, ThirtyNineIdsPerWindowThenTheNextWindowStartsAgain) {
    for (int id = 0; id < 39; ++id) {
        ASSERT_EQ(GetMFDId(("MFD " + std::to_string(id)).c_str()), id);
    }
    EXPECT_EQ(GetMFDId("MFD 39"), -1);
    EXPECT_EQ(GetMFDId("MFD 0"), -1);
    EXPECT_NE(log().find("ERROR MFD Max ID reached"), std::string::npos);
    EXPECT_EQ(LoadMFDWaveZephx3(5, 0, beep), 1);

    zephyrin::releaseMfdSounds();
    EXPECT_EQ(PlayMFDWaveZephx3(5, 0, 0, 200, 0), 0);
    EXPECT_NE(log().find("MFD play wav failed, not initialised"), std::string::npos);
    EXPECT_EQ(GetMFDId("MFD 7"), 0);
}

TEST_F(MfdSoundsTest, WavesPlayAtOnceWithTheirOwnFrequencyLimits) {
    int id = GetMFDId("Radar");
    EXPECT_EQ(LoadMFDWaveZephx3(id, 9, beep), 1);
    EXPECT_EQ(PlayMFDWaveZephx3(id, 9, 0, 300, 3000), 1);
    EXPECT_EQ(bufferOf(beep)->frequency, 4000u);
    EXPECT_EQ(bufferOf(beep)->volume, zephyrin::volumeToAttenuation(255));

    PlayMFDWaveZephx3(id, 9, 1, 200, 20000);
    int before = playCalls();
    PlayMFDWaveZephx3(id, 9, 1, 203, 20100);
    EXPECT_EQ(playCalls(), before);
    PlayMFDWaveZephx3(id, 9, 1, 204, 20100);
    EXPECT_GT(playCalls(), before);

    EXPECT_EQ(StopMFDWave3(id, 9), 1);
    EXPECT_FALSE(bufferOf(beep)->playing);
    EXPECT_EQ(StopMFDWave3(id, 8), 0);
    EXPECT_EQ(PlayMFDWaveZephx3(id, 8, 0, 200, 0), 0);
    EXPECT_EQ(LoadMFDWaveZephx3(id, 8, "Sound\\Addon\\missing.wav"), 0);
    EXPECT_NE(log().find("MFD LoadWave->unable to find wave: Sound\\Addon\\missing.wav"),
              std::string::npos);
}

} // namespace
