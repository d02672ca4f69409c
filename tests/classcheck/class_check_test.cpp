// The checker says of each line what the plug-in does with it: both read the same files alike.
#include "plugin/classconfig/class_configuration.h"
#include "plugin_sound_fixture.h"
#include "tools/classcheck/class_check.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

using namespace zephyrin;
namespace fs = std::filesystem;

constexpr const char* scenario = "vessel T1 Tug\n"
                                 "    animation 0\n"
                                 "    component rotate angle 90\n"
                                 "    animation 0\n"
                                 "end\n"
                                 "run r until 1\nend\n";

struct FileCase {
    const char* name;
    const char* content;
    int skipped;            // lines the checker reports as not taken
    const char* reportLine; // one line of the report
};

void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.name;
}

class CheckerAgreesWithThePlugin : public testsupport::PluginSoundTest,
                                   public testing::WithParamInterface<FileCase> {
protected:
    CheckerAgreesWithThePlugin() {
        vrhost::VesselSpec spec;
        spec.className = "Tug";
        vessel = &focusOn(spec);
        vessel->addAnimationComponent(vessel->addAnimation(0), {});
        vessel->addAnimation(0);
        writeWave("Sound/_CustomVesselsSounds/Tug/engine.wav");
        writeWave("Sound/_CustomVesselsSounds/Tug/gear.wav");
        folder.write("flight.vrs", scenario);
    }
    ~CheckerAgreesWithThePlugin() override { resetAnimationState(); }

    vrhost::Vessel* vessel = nullptr;
};

TEST_P(CheckerAgreesWithThePlugin, OnTheCountAndEachLine) {
    folder.write("Sound/_CustomVesselsSounds/Tug.cfg", GetParam().content);
    InitAnimationSounds(vessel);
    readVesselClassConfiguration();

    std::ostringstream report;
    std::ostringstream errors;
    classcheck::CheckRequest request{
        (folder.path() / "Sound/_CustomVesselsSounds/Tug.cfg").string(),
        (folder.path() / "flight.vrs").string(), ""};
    std::optional<classcheck::CheckResult> result =
        classcheck::checkClassFile(request, report, errors);
    ASSERT_TRUE(result) << errors.str();
    EXPECT_EQ(result->parameters, classConfiguration.classParameterCount) << report.str();
    EXPECT_EQ(result->skipped, GetParam().skipped) << report.str();
    EXPECT_NE(report.str().find(GetParam().reportLine), std::string::npos) << report.str();
}

INSTANTIATE_TEST_SUITE_P(
    Files, CheckerAgreesWithThePlugin,
    testing::Values(
        FileCase{"clean",
                 "// a tug\n\nPLAYMAINTHRUST = false\nREPLACE_MAIN_THRUST = engine.wav\n"
                 "3dMainThrustPos = {0,0,-12}\n"
                 "Animation_0 = gear.wav, none, none, ANIMPOS {0,-1,2}\n",
                 0, "Tug.cfg:3: PLAYMAINTHRUST = false: option switch 10 off\n"},
        FileCase{"short", "PLAYGPWS = false\n", 1,
                 "Tug.cfg:1: skipped: too short (17 characters with the line end, at least 19 "
                 "needed; add blanks or a comment)\n"},
        FileCase{"blanks", "      PLAYMAINTHRUST = false\n", 1,
                 "Tug.cfg:1: skipped: more than five blanks before the key\n"},
        FileCase{"slash", "PL/AYMAINTHRUST = false\n", 1,
                 "Tug.cfg:1: skipped: a slash in the first three characters\n"},
        FileCase{"unknown", "PLAYMAINTHRUSTER2 = maybe\nPLAYTHRUST = false  \n", 2,
                 "Tug.cfg:2: skipped: unknown key (keys are case-sensitive)\n"},
        FileCase{"range", "3dMainThrustPos = {0,0,-12000}\n", 1,
                 "Tug.cfg:1: skipped: 3dMainThrustPos value out of range"},
        FileCase{"no wav", "REPLACE_MAIN_THRUST = engine.ogg\n", 1,
                 "Tug.cfg:1: skipped: REPLACE_MAIN_THRUST needs \"= file.wav\""},
        FileCase{"missing file", "REPLACE_MAIN_THRUST = roar.wav\n", 1,
                 "but roar.wav is not in the class folder Tug\\ (the stock sound plays)"},
        FileCase{"animation beyond", "Animation_5 = gear.wav, none, none, ANIMPOS {0,-1,2}\n", 1,
                 "Tug.cfg:1: skipped: animation 5 is beyond the 2 animations of T1\n"},
        FileCase{"animation without components",
                 "Animation_1 = gear.wav, none, none, ANIMPOS {0,-1,2}\n", 1,
                 "Tug.cfg:1: skipped: animation 1 of T1 has no components\n"},
        FileCase{"debug display", "DISPLAYDEBUGHELP = true\nDISPLAYDEBUGHELP = false\n", 0,
                 "Tug.cfg:2: DISPLAYDEBUGHELP = false (counted, changes nothing)\n"}),
    [](const testing::TestParamInfo<FileCase>& param) {
        std::string name = param.param.name;
        for (char& c : name) {
            c = c == ' ' ? '_' : c;
        }
        return name;
    });

int runChecker(const std::string& arguments, std::string& output) {
    std::string command = std::string(VORANTH_TREE) + "/classcheck " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    char chunk[4096];
    size_t count;
    while (pipe != nullptr && (count = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        output.append(chunk, count);
    }
    int status = pipe != nullptr ? ::pclose(pipe) : -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ClassCheckProgram, ExitsWithTheVerdictOfTheFile) {
    testsupport::ScratchFolder folder;
    folder.write("Good.cfg", "// fine\nPLAYMAINTHRUST = false\n");
    folder.write("Bad.cfg", "PLAYMAINTHRUST = false\nPLAYGPWS = false\n");
    std::string output;
    EXPECT_EQ(runChecker((folder.path() / "Good.cfg").string(), output), 0) << output;
    EXPECT_EQ(runChecker((folder.path() / "Bad.cfg").string(), output), 1) << output;
    EXPECT_NE(output.find("Bad.cfg: 1 parameters set, 1 lines with problems\n"), std::string::npos);
    EXPECT_EQ(runChecker((folder.path() / "None.cfg").string(), output), 2);
    output.clear();
    EXPECT_EQ(runChecker("--help", output), 0);
    EXPECT_NE(output.find("usage: classcheck"), std::string::npos);
}

} // namespace
