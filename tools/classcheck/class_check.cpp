#include "tools/classcheck/class_check.h"

#include "host/scenario_parser.h"
#include "platform/file_system.h"
#include "plugin/classconfig/animation_line.h"
#include "plugin/classconfig/animation_sounds.h"
#include "plugin/classconfig/class_keys.h"
#include "plugin/classconfig/class_line_grammar.h"
#include "plugin/classconfig/class_name_form.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

namespace classcheck {

namespace {

using namespace zephyrin;
namespace fs = std::filesystem;

// The vessel a scenario flies with this class: how many animations it has and which of them
// have components.
struct VesselAnimations {
    std::string vessel;
    std::vector<bool> hasComponents;
};

std::string position(const VECTOR3& p) {
    char text[120];
    std::snprintf(text, sizeof text, "(%.2f, %.2f, %.2f)", p.x, p.y, p.z);
    return text;
}

const char* booleanText(int value) {
    return value == classTrue ? "true" : "false";
}

class Checker {
public:
    Checker(const CheckRequest& request, std::ostream& out, std::optional<VesselAnimations> vessel)
        : out_(out), vessel_(std::move(vessel)) {
        fs::path file(request.classFile);
        name_ = file.filename().string();
        classFolder_ = (file.parent_path() / file.stem()).string();
        std::snprintf(form_, sizeof form_, "%s", file.stem().string().c_str());
        std::snprintf(folderPrefix_, sizeof folderPrefix_, "%s\\%s\\", classSoundFolder, form_);
    }

    void check(FILE* file);
    const CheckResult& result() const { return result_; }

private:
    void report(const ClassFilePiece& piece, const std::string& text, bool taken, bool comment);
    std::string describe(const ClassLine& line, bool& taken, bool& comment);
    std::string describeAnimation(const char* text, bool& taken);
    // "" when the file is in the class folder, else the reason.
    std::string missing(const char* path) const;

    std::ostream& out_;
    std::optional<VesselAnimations> vessel_;
    std::string name_;
    std::string classFolder_;
    char form_[256];
    char folderPrefix_[320];
    int animationSets_ = 0;
    CheckResult result_;
};

std::string Checker::missing(const char* path) const {
    const char* relative = path;
    if (std::strncmp(path, folderPrefix_, std::strlen(folderPrefix_)) == 0) {
        relative = path + std::strlen(folderPrefix_);
    }
    std::string inFolder = classFolder_ + "\\" + relative;
    if (fs::is_regular_file(platform::resolvePath(inFolder.c_str()))) {
        return "";
    }
    return std::string(relative) + " is not in the class folder " + form_ + "\\";
}

std::string Checker::describe(const ClassLine& line, bool& taken, bool& comment) {
    std::ostringstream text;
    const char* key = line.key != nullptr ? line.key : "";
    switch (line.outcome) {
    case ClassLineOutcome::Taken:
        taken = true;
        switch (line.kind) {
        case ClassLineKind::DebugDisplay:
            if (line.booleanValue == classTrue) {
                taken = false;
                comment = true;
                return "DISPLAYDEBUGHELP = true: the sound debug display is on for the lines "
                       "after this one (not counted as a parameter)";
            }
            return "DISPLAYDEBUGHELP = false (counted, changes nothing)";
        case ClassLineKind::Option:
            text << key << " = " << booleanText(line.booleanValue) << ": option switch "
                 << classOptionKeys[line.keyIndex].optionIndex << " "
                 << (line.booleanValue == classTrue ? "on" : "off");
            return text.str();
        case ClassLineKind::ReplaceAllGpws:
            text << key << " = " << booleanText(line.booleanValue)
                 << (line.booleanValue == classTrue
                         ? ": the altitude callouts -10.wav .. -2500.wav come from the class folder"
                         : ": the altitude callouts stay the stock ones");
            return text.str();
        case ClassLineKind::Replacement: {
            text << key << " replaces stock sound " << classReplacementKeys[line.keyIndex].stockId
                 << " with " << line.path;
            std::string absent = missing(line.path);
            if (!absent.empty()) {
                taken = false;
                text << ", but " << absent << " (the stock sound plays)";
            }
            return text.str();
        }
        case ClassLineKind::Position:
            text << key << " places its sounds at ";
            if (line.hasRight) {
                text << "left " << position(line.left) << " right " << position(line.right);
            } else {
                text << position(line.left);
            }
            if (line.rightOutOfRange) {
                taken = false;
                text << "; the second position is out of range (-10000 to 10000) and ignored";
            }
            return text.str();
        case ClassLineKind::None:
            break;
        }
        break;
    case ClassLineOutcome::Empty:
        comment = true;
        return "empty line";
    case ClassLineOutcome::SlashInFirstThree:
        if (std::strncmp(line.text, "//", 2) == 0) {
            comment = true;
            return "comment";
        }
        return "skipped: a slash in the first three characters";
    case ClassLineOutcome::ControlCharacter:
        return "skipped: starts with a control character";
    case ClassLineOutcome::TooManyBlanks:
        return "skipped: more than five blanks before the key";
    case ClassLineOutcome::NotAKeyLetter:
        if (std::strspn(line.text, " \n") == std::strlen(line.text)) {
            comment = true;
            return "empty line";
        }
        return "skipped: no key starts with this letter (keys start with P, D, R, 3 or A)";
    case ClassLineOutcome::TooShort:
        text << "skipped: too short (" << std::strlen(line.text)
             << " characters with the line end, at least " << classLineMinimumLength
             << " needed; add blanks or a comment)";
        return text.str();
    case ClassLineOutcome::UnknownKey:
        return "skipped: unknown key (keys are case-sensitive)";
    case ClassLineOutcome::BadBoolean:
        text << "skipped: " << key
             << " needs \"= false\" or \"= true\" (at most one blank after the equals sign)";
        return text.str();
    case ClassLineOutcome::BadReplacement:
        text << "skipped: " << key
             << " needs \"= file.wav\": no \".wav\" file name of at least 5 characters";
        return text.str();
    case ClassLineOutcome::PathTooLong:
        text << "skipped: the path of " << key << "'s file is longer than " << classPathSize - 1
             << " characters";
        return text.str();
    case ClassLineOutcome::BadPosition:
        text << "skipped: " << key << " needs \"= {x,y,z}\" or \"= {x,y,z}{x,y,z}\"";
        return text.str();
    case ClassLineOutcome::PositionOutOfRange:
        text << "skipped: " << key << " value out of range (each coordinate -10000 to 10000)";
        return text.str();
    case ClassLineOutcome::AnimationLine:
        return describeAnimation(line.text, taken);
    }
    return "skipped";
}

std::string Checker::describeAnimation(const char* text, bool& taken) {
    AnimationLine line = readAnimationLine(text, form_);
    std::ostringstream out;
    switch (line.outcome) {
    case AnimationLineOutcome::Taken:
        break;
    case AnimationLineOutcome::NotAnimation:
        return "skipped: not an animation line (\"Animation_N\", \"AnimationStereo_N\" or "
               "\"AnimationSwitch_N\")";
    case AnimationLineOutcome::UnknownForm:
        return "skipped: \"Animation\" must be followed by \"_\", \"Stereo_\" or \"Switch_\"";
    case AnimationLineOutcome::BadNumber:
        return "skipped: the animation number must be 0 to 200";
    case AnimationLineOutcome::MissingEquals:
        return "skipped: no equals sign after the animation number";
    case AnimationLineOutcome::MissingComma:
        return "skipped: every file field must end with a comma";
    case AnimationLineOutcome::ControlCharacter:
        return "skipped: a control character after the blanks of a file field";
    case AnimationLineOutcome::NoSound:
        return "skipped: no field names a \".wav\" file";
    case AnimationLineOutcome::PathTooLong:
        return "skipped: a file path is longer than 149 characters";
    case AnimationLineOutcome::BadPosition:
        return "skipped: the position needs \"{x,y,z}\" (stereo: \"{x,y,z}{x,y,z}\")";
    }
    if (animationSets_ >= animationSetLimit) {
        return "skipped: 99 animation sets are the most a class can have";
    }
    if (vessel_) {
        size_t count = vessel_->hasComponents.size();
        if (static_cast<size_t>(line.animation) >= count) {
            out << "skipped: animation " << line.animation << " is beyond the " << count
                << " animations of " << vessel_->vessel;
            return out.str();
        }
        if (!vessel_->hasComponents[static_cast<size_t>(line.animation)]) {
            out << "skipped: animation " << line.animation << " of " << vessel_->vessel
                << " has no components";
            return out.str();
        }
    }
    taken = true;
    ++animationSets_;
    const char* where = line.atRadioPosition ? " at the radio position" : "";
    switch (line.form) {
    case AnimationForm::Switch:
        out << "animation " << line.animation << " clicks " << line.moveFile << " at "
            << position(line.position);
        break;
    case AnimationForm::Mono:
    case AnimationForm::Stereo:
        out << "animation " << line.animation
            << (line.form == AnimationForm::Stereo ? " (stereo)" : "") << ": move "
            << (line.moveFile[0] ? line.moveFile : "none") << ", open "
            << (line.openFile[0] ? line.openFile : "none") << ", close "
            << (line.closeFile[0] ? line.closeFile : "none");
        if (line.atRadioPosition) {
            out << where;
        } else if (line.form == AnimationForm::Stereo) {
            out << " at left " << position(line.position) << " right "
                << position(line.positionRight);
        } else {
            out << " at " << position(line.position);
        }
        break;
    }
    for (const char* file : {line.moveFile, line.openFile, line.closeFile}) {
        if (file[0] != '\0') {
            std::string absent = missing(file);
            if (!absent.empty()) {
                taken = false;
                out << "; but " << absent << " (that sound stays silent)";
            }
        }
    }
    return out.str();
}

void Checker::report(const ClassFilePiece& piece, const std::string& text, bool taken,
                     bool comment) {
    out_ << name_ << ":" << piece.lineNumber << ": " << (piece.continued ? "(continued) " : "")
         << text << "\n";
    if (!taken && !comment) {
        ++result_.skipped;
    }
}

void Checker::check(FILE* file) {
    ClassFileReader reader(file);
    ClassFilePiece piece;
    while (reader.next(piece)) {
        ClassLine line = readClassLine(piece.text, form_);
        bool taken = false;
        bool comment = false;
        std::string text = describe(line, taken, comment);
        // The plug-in counts what it takes, also a file it will not find.
        bool counted =
            line.outcome == ClassLineOutcome::Taken
                ? !(line.kind == ClassLineKind::DebugDisplay && line.booleanValue == classTrue)
                : line.outcome == ClassLineOutcome::AnimationLine &&
                      text.rfind("animation ", 0) == 0;
        if (counted) {
            ++result_.parameters;
        }
        report(piece, text, taken, comment);
    }
}

std::optional<VesselAnimations> vesselOf(const CheckRequest& request, const std::string& form,
                                         std::ostream& errors, bool& failed) {
    if (request.scenarioFile.empty()) {
        return std::nullopt;
    }
    try {
        vrhost::Scenario scenario = vrhost::loadScenario(request.scenarioFile);
        for (const vrhost::VesselDefinition& vessel : scenario.vessels) {
            char vesselForm[256];
            bool named = request.vesselName.empty()
                             ? classFileNameForm(vessel.spec.className.c_str(), vesselForm,
                                                 sizeof vesselForm) &&
                                   form == vesselForm
                             : vessel.spec.name == request.vesselName;
            if (named) {
                VesselAnimations animations{vessel.spec.name, {}};
                for (const vrhost::AnimationDefinition& animation : vessel.animations) {
                    animations.hasComponents.push_back(!animation.components.empty());
                }
                return animations;
            }
        }
        errors << "classcheck: " << request.scenarioFile << " has no vessel "
               << (request.vesselName.empty() ? "of class " + form : request.vesselName) << "\n";
    } catch (const vrhost::ScenarioError& error) {
        errors << error.what() << "\n";
    }
    failed = true;
    return std::nullopt;
}

} // namespace

std::optional<CheckResult> checkClassFile(const CheckRequest& request, std::ostream& out,
                                          std::ostream& errors) {
    std::string form = fs::path(request.classFile).stem().string();
    bool failed = false;
    std::optional<VesselAnimations> vessel = vesselOf(request, form, errors, failed);
    if (failed) {
        return std::nullopt;
    }
    FILE* file = platform::openFile(request.classFile.c_str(), "rt");
    if (file == nullptr) {
        errors << "classcheck: cannot read " << request.classFile << "\n";
        return std::nullopt;
    }
    Checker checker(request, out, vessel);
    checker.check(file);
    std::fclose(file);
    const CheckResult& result = checker.result();
    out << fs::path(request.classFile).filename().string() << ": " << result.parameters
        << " parameters set, " << result.skipped << " lines with problems"
        << (vessel ? " (animations of " + vessel->vessel + ")" : "") << "\n";
    return result;
}

} // namespace classcheck
