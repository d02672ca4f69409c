// The animation part of the sound debug display: what the class file's animation lines set and
// how the vessel's animations move, gathered while the focus is set up and written to the log
// in one block.
#pragma once

#include "plugin/classconfig/animation_line.h"

namespace zephyrin {

void startAnimationDiagnostics();
void addAnimationDiagnostic(const char* text);
// Logs that the line made a set and keeps its description for the block.
void describeAnimationLine(const AnimationLine& line);

} // namespace zephyrin
