// The installed program: alone in a folder, arguments, exit status and the closing wait.
#include "documentation_tree.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

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
    }

    // Standard input is closed, as in a build, so the wait for Enter returns at once.
    ProgramRun run(const std::string& arguments) {
        std::filesystem::path output = tree.simulatorRoot() / "output.txt";
        std::string command = "'" + program.string() + "' " + arguments + " < /dev/null > '" +
                              output.string() + "' 2>&1";
        int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(output)};
    }

    DocumentationTree tree; // a scratch folder outside the build tree
    std::filesystem::path program;
};

// The lines of `ldd` that name a library outside the system's folders, or none found.
std::vector<std::string> librariesBesideTheSystem(const std::string& program) {
    std::vector<std::string> foreign;
    std::string command = "ldd '" + program + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {"cannot run ldd"};
    }
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text = line;
        std::size_t arrow = text.find("=> ");
        std::string path = arrow == std::string::npos ? text : text.substr(arrow + 3);
        path.erase(0, path.find_first_not_of(" \t"));
        bool system = path.starts_with("/lib") || path.starts_with("/usr/lib") ||
                      text.find("linux-vdso") != std::string::npos;
        if (!system) {
            foreign.push_back(text);
        }
    }
    if (::pclose(pipe) != 0) {
        foreign.push_back("ldd failed");
    }
    return foreign;
}

// Copied alone into an add-on's documentation folder, with no library of this project anywhere.
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

TEST_F(DocbuilderProgram, DependsOnSystemLibrariesOnly) {
    EXPECT_EQ(librariesBesideTheSystem(program.string()), std::vector<std::string>{});
}

} // namespace
} // namespace docbuilder::testing
