#include "addon_fixture.h"
#include "plugin/addon/addon_sounds.h"
#include "plugin/addon/vessel_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::AddonTest;

class ConnectTest : public AddonTest {
protected:
    ConnectTest() {
        for (int index = 0; index < 61; ++index) {
            vessels.push_back(&addVessel("V-" + std::to_string(index)));
        }
    }
    OBJHANDLE handle(int index) const { return vessels[static_cast<size_t>(index)]->GetHandle(); }

    std::vector<vrhost::Vessel*> vessels;
};

TEST_F(ConnectTest, SixtyVesselsGetTheirIdsInOrderAndTheSixtyFirstNone) {
    for (int index = 0; index < 60; ++index) {
        ASSERT_EQ(GetVesselSoundID3(handle(index)), index);
    }
    EXPECT_EQ(GetVesselSoundID3(handle(60)), -1);
    EXPECT_NE(log().find("Vessel V-59 requested an ID, returned= 59 OK"), std::string::npos);
    EXPECT_NE(log().find("Only 60 vessel allowed"), std::string::npos);
    // Once the ids ran out, a vessel that holds one is refused as well.
    EXPECT_EQ(GetVesselSoundID3(handle(5)), -1);
    // Refused requests do not wrap the count round.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        ASSERT_EQ(GetVesselSoundID3(handle(60)), -1);
    }
}

TEST_F(ConnectTest, AVesselAskingTwiceKeepsItsId) {
    EXPECT_EQ(GetVesselSoundID3(handle(0)), 0);
    EXPECT_EQ(GetVesselSoundID3(handle(1)), 1);
    EXPECT_EQ(GetVesselSoundID3(handle(0)), 0);
    EXPECT_NE(log().find("Vessel V-0 requested but had already an Id returned= 0 OK"),
              std::string::npos);
}

TEST_F(ConnectTest, ANullHandleIsRefused) {
    EXPECT_EQ(GetVesselSoundID3(nullptr), -1);
    EXPECT_NE(log().find("ConnecttoZephyrin failed ->not valid vessel handle"), std::string::npos);
    EXPECT_EQ(GetVesselSoundID3(handle(3)), 0);
}

TEST_F(ConnectTest, ANewWindowHandsOutTheIdsFromZeroAgain) {
    GetVesselSoundID3(handle(0));
    GetVesselSoundID3(handle(1));
    zephyrin::forgetIssuedSoundIds();
    zephyrin::startAllVesselRecords();
    EXPECT_EQ(GetVesselSoundID3(handle(1)), 0);
}

} // namespace
