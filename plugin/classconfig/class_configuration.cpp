#include "plugin/classconfig/class_configuration.h"

namespace zephyrin {

// This build reads no class files and binds no animation sounds yet.
void readVesselClassConfiguration() {}
void InitAnimationSounds(VESSEL*) {}
void DumpAnimations() {}
void ReleaseAnimationSounds() {}
void resetAnimationState() {}

} // namespace zephyrin
