// The focus vessel's class configuration file and its animation sounds.
#pragma once

#include "sdk/VoranthAPI.h"

namespace zephyrin {

void readVesselClassConfiguration();

void InitAnimationSounds(VESSEL* vessel);
void DumpAnimations();
void ReleaseAnimationSounds();
void resetAnimationState();

} // namespace zephyrin
