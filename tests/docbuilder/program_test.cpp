// The installed program: found libraries, arguments, exit status and the closing wait.
#include "documentation_tree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace docbuilder::testing {
namespace {

struct ProgramRun {
    int status = -1;
    std::string output;
};

class DocbuilderProgram : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        program = tree.inputFolder() / "docbuilder";
        fs::copy_file(DOCBUILDER_PROGRAM, program);
        fs::copy_file(DOCBUILDER_PLATFORM_LIBRARY,
                      tree.simulatorRoot() / fs::path(DOCBUILDER_PLATFORM_LIBRARY).filename());
    }

    // Standard input is closed, as in a build, so the wait for Enter returns at once.
    ProgramRun run(const std::string& arguments) {
        std::filesystem::path output = tree.simulatorRoot() / "output.txt";
        std::string command = "'" + program.string() + "' " + arguments + " < /dev/null > '" +
                              output.string() + "' 2>&1";
        int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(output)};
    }

    DocumentationTree tree;
    std::filesystem::path program;
};

TEST_F(DocbuilderProgram, BuildsThePageFromItsOwnFolderAndWaits) {
    ProgramRun result = run("");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_TRUE(result.output.ends_with("\n\nDone ! 0 errors\n\n <press enter to exit>"));
    EXPECT_TRUE(std::filesystem::exists(tree.root() / "index.html"));
}

TEST_F(DocbuilderProgram, MarkupErrorsGiveStatusOne) {
    tree.write("bin/input/Page_Intro.txt", "h\nh\nh\n[b]unclosed bold\n");
    EXPECT_EQ(run("").status, 1);
}

TEST_F(DocbuilderProgram, AMissingIndexGivesStatusTwo) {
    std::filesystem::remove(tree.inputFolder() / "InputIndex.txt");
    ProgramRun result = run("");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.output.find("Error, unable to find InputIndex.txt"), std::string::npos);
}

TEST_F(DocbuilderProgram, HelpDescribesTheLayoutWithoutBuilding) {
    ProgramRun result = run("--help");
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.output.find("InputIndex.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(tree.root() / "index.html"));
}

TEST_F(DocbuilderProgram, RefusesUnknownArguments) {
    ProgramRun result = run("--output x");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.output.find("unknown argument '--output'"), std::string::npos);
}

} // namespace
} // namespace docbuilder::testing
