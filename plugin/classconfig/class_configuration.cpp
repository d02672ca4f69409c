#include "plugin/classconfig/class_configuration.h"

namespace zephyrin {

ClassConfigurationState classConfiguration;

// This build reads no class files and binds no animation sounds yet.
void readVesselClassConfiguration() {}
void InitAnimationSounds(VESSEL*) {}
void DumpAnimations() {}
void ReleaseAnimationSounds() {}
void resetAnimationState() {}
void SetAnimationView(int) {}
void UpdateAnimationSounds(VESSEL*, int) {}

} // namespace zephyrin
