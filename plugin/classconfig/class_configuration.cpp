#include "plugin/classconfig/class_configuration.h"

#include "platform/file_system.h"
#include "plugin/classconfig/class_name_form.h"
#include "plugin/core/log.h"
#include "plugin/core/plugin_state.h"

#include <cstdio>
#include <cstring>

namespace zephyrin {

ClassConfigurationState classConfiguration;

namespace {

constexpr const char* debugSeparator = "     ----------------------------------------------";
constexpr const char* outOfRangeText = "ERROR WITH PARM >10000 or <-10000";
constexpr const char* rightOutOfRangeText = "ERROR WITH RIGHT PARM >10000 or <-10000";

bool debugDisplay() {
    return classConfiguration.classDebugDisplay == 1;
}

void logEntry(const char* key, const char* value) {
    if (debugDisplay()) {
        logClassEntry(key, value);
    }
}

void startDebugDisplay() {
    classConfiguration.classDebugDisplay = 1;
    VECTOR3 cockpit{0, 0, 0};
    if (plugin.focusVessel != nullptr) {
        plugin.focusVessel->GetCameraOffset(cockpit);
    }
    char offset[160];
    std::snprintf(offset, sizeof offset, "     Camera cockpit offset: {%.1f,%.1f,%.1f}", cockpit.x,
                  cockpit.y, cockpit.z);
    logLine(" ");
    logLine(debugSeparator);
    logClassText("     SOUND DEBUG DISPLAY SET IN CONFIG:", classConfiguration.configClassName);
    logLine(offset);
    logLine(" ");
}

void endDebugDisplay() {
    char total[80];
    std::snprintf(total, sizeof total, "     Total of %i parameters found and set.",
                  classConfiguration.classParameterCount);
    logLine(" ");
    logLine(total);
    logLine("     END OF SOUND DEBUG DISPLAY");
    logLine(debugSeparator);
    logLine(" ");
}

void takeBooleanLine(const ClassLine& line, int32_t& value) {
    value = line.booleanValue;
    logEntry(line.key,
             line.booleanValue == classTrue ? "found, value: true" : "found, value: false");
}

void takePositionLine(const ClassLine& line) {
    StockPosition& entry = classConfiguration.classStockPosition[line.keyIndex];
    entry.configSet = 1;
    entry.configLeft = line.left;
    entry.configRight = line.right;
    const VECTOR3& l = line.left;
    const VECTOR3& r = line.right;
    char found[200];
    if (line.rightOutOfRange) {
        logEntry(line.key, rightOutOfRangeText);
    }
    if (line.hasRight) {
        std::snprintf(found, sizeof found,
                      "\tfound: Left:(x=%.2f y=%.2f z=%.2f) Right:(x=%.2f y=%.2f z=%.2f)", l.x, l.y,
                      l.z, r.x, r.y, r.z);
    } else {
        std::snprintf(found, sizeof found, "\tfound:(x=%.2f y=%.2f z=%.2f)", l.x, l.y, l.z);
    }
    logEntry(line.key, found);
}

// Applies what a taken line says; returns whether it counts as a parameter.
bool takeParsedLine(const ClassLine& line) {
    switch (line.kind) {
    case ClassLineKind::DebugDisplay:
        if (line.booleanValue == classTrue) {
            startDebugDisplay();
            return false;
        }
        logEntry(line.key, "found, value: false");
        return true;
    case ClassLineKind::Option:
        takeBooleanLine(line, classConfiguration.classOptionValue[line.keyIndex]);
        return true;
    case ClassLineKind::ReplaceAllGpws:
        takeBooleanLine(line, classConfiguration.classReplaceAllGpws);
        return true;
    case ClassLineKind::Replacement:
        std::snprintf(classConfiguration.classReplacement[line.keyIndex], classPathSize, "%s",
                      line.path);
        logEntry(line.key, line.path);
        return true;
    case ClassLineKind::Position:
        takePositionLine(line);
        return true;
    case ClassLineKind::None:
        break;
    }
    return false;
}

} // namespace

bool takeClassLine(const char* text) {
    ClassLine line = readClassLine(text, classConfiguration.configClassName);
    bool counted = false;
    switch (line.outcome) {
    case ClassLineOutcome::Taken:
        counted = takeParsedLine(line);
        break;
    case ClassLineOutcome::AnimationLine:
        counted = ParseAnimationLine(line.text);
        break;
    case ClassLineOutcome::PositionOutOfRange:
        classConfiguration.classStockPosition[line.keyIndex].configSet = 0;
        logEntry(line.key, outOfRangeText);
        break;
    case ClassLineOutcome::PathTooLong:
        logClassText("ERROR sound config path too long, line ignored:", line.key);
        break;
    default:
        break;
    }
    if (counted) {
        ++classConfiguration.classParameterCount;
    }
    return counted;
}

void readVesselClassConfiguration() {
    classConfiguration = ClassConfigurationState{};
    if (plugin.focusVessel == nullptr) {
        return;
    }
    const char* className = plugin.focusVessel->GetClassNameA();
    if (!classFileNameForm(className, classConfiguration.configClassName,
                           sizeof classConfiguration.configClassName)) {
        if (className != nullptr) {
            logClassText("ERROR class name too long for a sound config:", className);
        }
        return;
    }
    char path[sizeof classConfiguration.configClassName + 64];
    std::snprintf(path, sizeof path, "%s\\%s.cfg", classSoundFolder,
                  classConfiguration.configClassName);
    FILE* file = platform::openFile(path, "rt");
    if (file == nullptr) {
        logClassText("Info: No sound config found for class: ", classConfiguration.configClassName);
        return;
    }
    ClassFileReader reader(file);
    ClassFilePiece piece;
    while (reader.next(piece)) {
        takeClassLine(piece.text);
    }
    std::fclose(file);
    if (debugDisplay()) {
        endDebugDisplay();
    }
    char found[sizeof classConfiguration.configClassName + 80];
    std::snprintf(found, sizeof found, "Info: Sound config found for class: %s. %i parameters set.",
                  classConfiguration.configClassName, classConfiguration.classParameterCount);
    logLine(found);
    ApplyClassConfiguration();
}

bool classFileSetsOption(int optionIndex) {
    for (int key = 0; key < classOptionKeyCount; ++key) {
        if (classOptionKeys[key].optionIndex == optionIndex &&
            classConfiguration.classOptionValue[key] != classKeyAbsent) {
            return true;
        }
    }
    return false;
}

bool classFileReplacesStockSound(int stockId) {
    if (stockId == replaceAllGpwsStockId) {
        return classConfiguration.classReplaceAllGpws == classTrue;
    }
    for (int key = 0; key < classReplacementKeyCount; ++key) {
        if (classReplacementKeys[key].stockId == stockId) {
            return classConfiguration.classReplacement[key][0] != '\0';
        }
    }
    return false;
}

} // namespace zephyrin
