// A run of the generator into an empty tree: the same bytes as the build's run, and a fresh
// install's welcome switch.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(PackDeterminism, ASecondRunWritesTheSameBytes) {
    const std::filesystem::path tree =
        std::filesystem::temp_directory_path() / ("soundpack_again_" + std::to_string(::getpid()));
    std::filesystem::create_directories(tree / "Sound" / "Cfg");
    const std::string command =
        std::string(SOUNDPACK_GENERATOR) + " --tree '" + tree.string() + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);

    // A fresh install shows the welcome notice once; the plug-in empties this file when the
    // user dismisses it, so the build tree's copy may differ from the pack's.
    const std::filesystem::path welcomeSwitch = tree / "Sound" / "Cfg" / "NoWelcome.cfg";
    EXPECT_NE(bytesOf(welcomeSwitch).find("display welcome"), std::string::npos);

    const std::filesystem::path built = std::filesystem::path(SOUNDPACK_TREE) / "Sound";
    size_t compared = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree / "Sound")) {
        if (!entry.is_regular_file() || entry.path() == welcomeSwitch) {
            continue;
        }
        const std::filesystem::path relative =
            std::filesystem::relative(entry.path(), tree / "Sound");
        EXPECT_EQ(bytesOf(entry.path()), bytesOf(built / relative)) << relative;
        ++compared;
    }
    EXPECT_GT(compared, 80u);
    std::filesystem::remove_all(tree);
}

} // namespace
