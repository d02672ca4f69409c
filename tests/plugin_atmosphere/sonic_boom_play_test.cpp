#include "plugin/behaviour/sonic_boom.h"
#include "plugin/core/random.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin_sound_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;

constexpr const char* nearBoom = "Sound\\Vessel\\Sonicbang.wav";
constexpr const char* farBoom = "Sound\\Vessel\\Sonicbangfar.wav";
constexpr const char* fartherBoom = "Sound\\Vessel\\Sonicbangfar1.wav";

class SonicBoomPlay : public testsupport::PluginSoundTest {
protected:
    SonicBoomPlay() {
        const std::pair<StockSlot, const char*> booms[] = {
            {SonicBoom, nearBoom}, {SonicBoomFar, farBoom}, {SonicBoomFar1, fartherBoom}};
        for (const auto& [slot, file] : booms) {
            std::string path = file;
            for (char& c : path) {
                c = c == '\\' ? '/' : c;
            }
            writeWave(path);
            LoadWave3D(stockSlot(slot), file, 0, nullptr, 500, 10000);
        }
        loadedCalls = fake::calls().size();
    }

    // The files played since the booms were loaded, in order.
    std::vector<std::string> played() const {
        std::vector<std::string> files;
        const std::vector<fake::Call>& calls = fake::calls();
        for (size_t i = loadedCalls; i < calls.size(); ++i) {
            if (calls[i].method == "Play") {
                files.push_back(fake::buffer(std::stoi(calls[i].object.substr(6))).name);
            }
        }
        return files;
    }

    // The far variant that played, checked to be the only one.
    const StockSoundSlot& farVariantPlayed() const {
        bool far = stockSlot(SonicBoomFar).lastVolume >= 0;
        bool farther = stockSlot(SonicBoomFar1).lastVolume >= 0;
        EXPECT_NE(far, farther);
        return stockSlot(far ? SonicBoomFar : SonicBoomFar1);
    }

    size_t loadedCalls = 0;
};

TEST_F(SonicBoomPlay, CloseByTheSharpBoomLeadsAndAQuieterEchoFollows) {
    seedRandom(7);
    playSonicBoom(200, 1000);
    std::vector<std::string> files = played();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], nearBoom);
    EXPECT_EQ(stockSlot(SonicBoom).lastVolume, 200);
    EXPECT_EQ(farVariantPlayed().lastVolume, 150);
    EXPECT_EQ(files[1], farVariantPlayed().fileName);
}

TEST_F(SonicBoomPlay, FromAfarTheRollingBoomLeadsLouder) {
    seedRandom(7);
    playSonicBoom(120, nearBoomDistanceM);
    std::vector<std::string> files = played();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], farVariantPlayed().fileName);
    EXPECT_EQ(files[1], nearBoom);
    EXPECT_EQ(farVariantPlayed().lastVolume, 220);
    EXPECT_EQ(stockSlot(SonicBoom).lastVolume, 120);
}

TEST_F(SonicBoomPlay, TheFarVariantIsDrawnAtRandom) {
    int far = 0;
    int farther = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        seedRandom(seed);
        stopSlot(stockSlot(SonicBoomFar));
        stopSlot(stockSlot(SonicBoomFar1));
        playSonicBoom(200, 1000);
        far += stockSlot(SonicBoomFar).lastVolume >= 0 ? 1 : 0;
        farther += stockSlot(SonicBoomFar1).lastVolume >= 0 ? 1 : 0;
    }
    EXPECT_EQ(far + farther, 40);
    EXPECT_GT(far, 0);
    EXPECT_GT(farther, 0);
}

} // namespace
