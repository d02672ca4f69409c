#include "plugin/core/random.h"
#include "plugin/core/simulator_folder.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace zephyrin;
using testsupport::ScratchFolder;

TEST(Random, FollowsTheGeneratorSequence) {
    seedRandom(1);
    EXPECT_EQ(drawRandom(), 41);
    EXPECT_EQ(drawRandom(), 18467);
    EXPECT_EQ(drawRandom(), 6334);
    EXPECT_EQ(drawRandom(), 26500);
    EXPECT_EQ(drawRandom(), 19169);
}

TEST(Random, RangesUseUnsignedArithmetic) {
    seedRandom(1); // next draw 41
    EXPECT_EQ(RandomInRange(0, 32767), 41u);
    seedRandom(1);
    EXPECT_EQ(RandomInRange(10, 120), 10u);
    seedRandom(1);
    EXPECT_EQ(RandomInRange(120, 10), 131195u);
}

TEST(Random, ReachesTheUpperBoundOnlyWithTheLargestDraw) {
    // Seed whose first draw is 32767: state × 214013 + 2531011 has 0x7FFF in bits 16..30.
    uint32_t seed = 0;
    for (;; ++seed) {
        uint32_t state = seed * 214013u + 2531011u;
        if (((state >> 16) & 0x7FFF) == 32767) {
            break;
        }
    }
    seedRandom(seed);
    EXPECT_EQ(RandomInRange(10, 120), 120u);
}

std::string systemForm(const std::filesystem::path& path) {
    std::string text = path.string();
    for (char& c : text) {
        if (c == '/') {
            c = '\\';
        }
    }
    return text;
}

TEST(SimulatorFolder, IsTheExecutablesFolderWhenItHoldsTheMarker) {
    ScratchFolder folder;
    folder.write("Voranth/Constell.bin", "");
    char found[260];
    findSimulatorFolder((systemForm(folder.path()) + "\\Voranth\\vrhost").c_str(), found,
                        sizeof found);
    EXPECT_EQ(std::string(found), systemForm(folder.path()) + "\\Voranth\\");
}

TEST(SimulatorFolder, IsTheParentWhenTheHostRunsFromASubFolder) {
    ScratchFolder folder;
    folder.write("Voranth/Constell.bin", "");
    char found[260];
    findSimulatorFolder((systemForm(folder.path()) + "\\Voranth\\Modules\\host").c_str(), found,
                        sizeof found);
    EXPECT_EQ(std::string(found), systemForm(folder.path()) + "\\Voranth\\");
}

TEST(SimulatorFolder, IsTwoLevelsUpUncheckedWhenNoMarkerIsFound) {
    ScratchFolder folder;
    char found[260];
    findSimulatorFolder((systemForm(folder.path()) + "\\a\\b\\c\\host").c_str(), found,
                        sizeof found);
    EXPECT_EQ(std::string(found), systemForm(folder.path()) + "\\a\\");
}

} // namespace
