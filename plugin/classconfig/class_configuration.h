// The focus vessel's class configuration file and its animation sounds.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

constexpr int classOptionKeyCount = 20;
constexpr int classReplacementKeyCount = 33;
// The add-on option ids and stock ids that the class file's keys set, in the keys' order.
extern const int classOptionKeyIds[classOptionKeyCount];
extern const int classReplacementKeyIds[classReplacementKeyCount];

// What the focus vessel's class file asked for, cleared before every read.
struct ClassConfigurationState {
    int32_t classDebugDisplay; // 1: dump the sound positions and show the debug line
    char configClassName[256]; // the class in the form that names its file and sound folder
    // Per option key, in the order of classOptionKeyIds: 0 absent, 1 false, 2 true.
    int32_t classOptionValue[classOptionKeyCount];
    // Per replacement key, in the order of classReplacementKeyIds; empty when not replaced.
    char classReplacement[classReplacementKeyCount][255];
    int32_t classReplaceAllGpws; // as classOptionValue
};
extern ClassConfigurationState classConfiguration;

void readVesselClassConfiguration();

// The class file has the last word over the add-ons on what it sets: an add-on option id, a
// replaced stock id.
bool classConfigurationSetsOption(int optionId);
bool classConfigurationReplaces(int stockId);

void InitAnimationSounds(VESSEL* vessel);
void DumpAnimations();
void ReleaseAnimationSounds();
void resetAnimationState();
// Frame steps: the view the animation sounds are heard from, and their update.
void SetAnimationView(int cameraInternal);
void UpdateAnimationSounds(VESSEL* vessel, int cameraInternal);

} // namespace zephyrin
