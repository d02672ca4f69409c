// The Tunedesk program as the desktop starts and ends it, in a tree of its own.
#include "tunedesk_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;
using tunedesktest::recordBytes;
using tunedesktest::tunedeskDefaults;

// A copy of the program in the scratch tree: it works in the folder it is installed in.
fs::path installIn(const testsupport::ScratchFolder& tree) {
    const fs::path built = TUNEDESK_PROGRAM;
    fs::copy_file(built, tree.path() / "Tunedesk");
    for (const char* library : {"libvrdsound.so", "libvrplatform.so"})
        fs::create_symlink(built.parent_path() / library, tree.path() / library);
    return tree.path() / "Tunedesk";
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// Runs the program offscreen from another folder until the trace holds `awaited`, then ends it
// as the desktop does; returns its exit status.
int runUntil(const fs::path& program, const fs::path& trace, const std::string& awaited) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::chdir("/");
        ::execl(program.c_str(), "Tunedesk", "--offline", "--trace", trace.c_str(), nullptr);
        ::_exit(127);
    }
    for (int wait = 0; wait < 400 && readFile(trace).find(awaited) == std::string::npos; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}
} // namespace

TEST(TunedeskProgram, EndedByTheDesktopItClosesAsCancelDoes) {
    testsupport::ScratchFolder tree;
    fs::create_directories(tree.path() / "Sound/Cfg");
    tunedesktest::writeWaves(tree, {"sound\\cfg\\Zp.tpc"});
    OptionRecord saved = tunedeskDefaults();
    saved.VOLMP3 = 1;
    tree.write("Sound/Cfg/Zephyrin3.cfg", recordBytes(saved));
    const fs::path trace = tree.path() / "trace.tsv";

    const int status = runUntil(installIn(tree), trace, "Play");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string lines = readFile(trace);
    EXPECT_NE(lines.find("CreateSoundBuffer\tflags=0x000000e0 "), std::string::npos) << lines;
    EXPECT_NE(lines.find("Play\t0, 0, 0x00000000\tsound\\cfg\\Zp.tpc"), std::string::npos) << lines;
    EXPECT_NE(lines.find("DirectSound\tRelease"), std::string::npos) << "device released";
    EXPECT_EQ(tree.read("Sound/Cfg/Zephyrin3.cfg"), recordBytes(saved)) << "nothing written";
}

TEST(TunedeskProgram, HelpSaysWhereItLooks) {
    testsupport::ScratchFolder tree;
    const fs::path program = installIn(tree);
    const std::string command = program.string() + " --help > help.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string help = tree.read("help.txt");
    EXPECT_NE(help.find("Sound\\Cfg\\Zephyrin3.cfg"), std::string::npos);
    EXPECT_NE(help.find("--trace FILE"), std::string::npos);
}
