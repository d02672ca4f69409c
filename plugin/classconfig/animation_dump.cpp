#include "plugin/classconfig/animation_dump.h"

#include "plugin/classconfig/animation_sounds.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/log.h"

#include <cstdio>

namespace zephyrin {

namespace {

constexpr const char* debugSeparator = "     ----------------------------------------------";
constexpr const char* animationsTitle = "     SOUND DEBUG DISPLAY - ANIMATIONS";
constexpr int animationLogLimit = 2001;
constexpr double degreesPerRadian = 57.29577951308232;

AnimationSoundState& a = animationSounds;

void logAnimationLine(const char* text) {
    if (a.loggedLineCount < animationLogLimit) {
        ++a.loggedLineCount;
        logLine(text);
    }
}

const char* familyMarker(const ANIMATIONCOMP& component) {
    bool child = component.parent != nullptr;
    bool parent = component.nchildren > 0 && component.children != nullptr;
    if (child && parent) {
        return " (child/parnt)";
    }
    if (child) {
        return " (child)";
    }
    return parent ? " (parnt)" : "        ";
}

// One line for the animation's first component; nothing for an animation without one.
void describeAnimation(int index, const ANIMATION& animation) {
    if (animation.ncomp == 0 || animation.comp == nullptr || animation.comp[0] == nullptr ||
        animation.comp[0]->trans == nullptr) {
        return;
    }
    const ANIMATIONCOMP& component = *animation.comp[0];
    const MGROUP_TRANSFORM& transform = *component.trans;
    char group[24] = "-";
    if (transform.ngrp > 0 && transform.grp != nullptr) {
        std::snprintf(group, sizeof group, "%u", transform.grp[0]);
    }
    const char* marker = familyMarker(component);
    const VECTOR3& ref = transform.ref;
    const VECTOR3& shift = transform.shift;
    char text[animationDiagnosticLineSize];
    switch (transform.type) {
    case MGROUP_TRANSFORM::ROTATE:
        std::snprintf(text, sizeof text,
                      "     Animation #%i - ROTATE\tMesh #%u Group #%s%s ref(%.2f,%.2f,%.2f) "
                      "angle(%.1f\xB0)",
                      index, transform.mesh, group, marker, ref.x, ref.y, ref.z,
                      transform.angle * degreesPerRadian);
        break;
    case MGROUP_TRANSFORM::TRANSLATE:
        std::snprintf(text, sizeof text,
                      "     Animation #%i - TRANSLATE\tMesh #%u Group #%s%s shift(%.2f,%.2f,%.2f)",
                      index, transform.mesh, group, marker, shift.x, shift.y, shift.z);
        break;
    case MGROUP_TRANSFORM::SCALE:
        std::snprintf(text, sizeof text,
                      "     Animation #%i - SCALE\t\tMesh #%u Group #%s%s ref(%.2f,%.2f,%.2f)",
                      index, transform.mesh, group, marker, ref.x, ref.y, ref.z);
        break;
    default:
        return;
    }
    addAnimationDiagnostic(text);
}

} // namespace

void startAnimationDiagnostics() {
    a.diagnosticLineCount = 0;
    addAnimationDiagnostic(debugSeparator);
    addAnimationDiagnostic(animationsTitle);
    addAnimationDiagnostic(" ");
}

void addAnimationDiagnostic(const char* text) {
    if (a.diagnosticLineCount < animationDiagnosticLines) {
        std::snprintf(a.diagnostic[a.diagnosticLineCount], animationDiagnosticLineSize, "%s", text);
        ++a.diagnosticLineCount;
    }
}

void describeAnimationLine(const AnimationLine& line) {
    char text[animationDiagnosticLineSize];
    std::snprintf(text, sizeof text,
                  "     Anim #%i set\t\t(see below Animations section for details)",
                  line.animation);
    logAnimationLine(text);
    const VECTOR3& p = line.position;
    const VECTOR3& r = line.positionRight;
    const char* where = line.atRadioPosition ? "(RADIOPOS)" : "(ANIMPOS)";
    switch (line.form) {
    case AnimationForm::Switch:
        std::snprintf(text, sizeof text,
                      "     Anim #%i switch set:\n           Switch: '%s' pos: (%.2f,%.2f,%.2f)",
                      line.animation, line.moveFile, p.x, p.y, p.z);
        break;
    case AnimationForm::Mono:
        std::snprintf(text, sizeof text,
                      "     Anim #%i mono set:\n           Move: '%s' open: '%s' close: '%s'\n"
                      "           pos: (%.2f,%.2f,%.2f) %s",
                      line.animation, line.moveFile, line.openFile, line.closeFile, p.x, p.y, p.z,
                      where);
        break;
    case AnimationForm::Stereo:
        std::snprintf(text, sizeof text,
                      "     Anim #%i stereo set:\n           Move: '%s' open: '%s' close: '%s'\n"
                      "           pos: left(%.2f,%.2f,%.2f)right(%.2f,%.2f,%.2f) %s",
                      line.animation, line.moveFile, line.openFile, line.closeFile, p.x, p.y, p.z,
                      r.x, r.y, r.z, where);
        break;
    }
    addAnimationDiagnostic(text);
}

void DumpAnimations() {
    if (classConfiguration.classDebugDisplay != 1) {
        return;
    }
    addAnimationDiagnostic("\n     Vessel animations information:");
    for (int index = 0; index < a.animationCount && a.animationTable != nullptr; ++index) {
        describeAnimation(index, a.animationTable[index]);
    }
    for (int line = 0; line < a.diagnosticLineCount; ++line) {
        logAnimationLine(a.diagnostic[line]);
    }
    logAnimationLine(" ");
    logAnimationLine(animationsTitle);
    logAnimationLine(debugSeparator);
    logAnimationLine(" ");
}

} // namespace zephyrin
