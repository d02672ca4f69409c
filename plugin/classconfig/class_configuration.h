// The focus vessel's class configuration file and its animation sounds.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

// What the focus vessel's class file asked for, cleared before every read.
struct ClassConfigurationState {
    int32_t classDebugDisplay; // 1: dump the sound positions and show the debug line
    char configClassName[256]; // the class in the form that names its file and sound folder
};
extern ClassConfigurationState classConfiguration;

void readVesselClassConfiguration();

void InitAnimationSounds(VESSEL* vessel);
void DumpAnimations();
void ReleaseAnimationSounds();
void resetAnimationState();
// Frame steps: the view the animation sounds are heard from, and their update.
void SetAnimationView(int cameraInternal);
void UpdateAnimationSounds(VESSEL* vessel, int cameraInternal);

} // namespace zephyrin
