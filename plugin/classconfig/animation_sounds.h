// Sounds bound to the focus vessel's animations by its class file: a loop while a gear, door or
// hatch moves, an open sound when it reaches 1, a close sound when it reaches 0, and switch
// clicks. Heard in cockpit view only.
#pragma once

#include "plugin/classconfig/animation_line.h"
#include "plugin/core/stock_sound_slot.h"
#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

constexpr int animationSetCapacity = 101;
constexpr int animationSetLimit = 99; // a line is taken only while fewer sets exist
constexpr int switchClickSlots = 3;   // quick clicks overlap
constexpr int animationDiagnosticLines = 400;
// Long enough for three full animation paths: a diagnostic line is never cut.
constexpr int animationDiagnosticLineSize = 3 * animationFileSize + 200;
constexpr int animationMoveEndsOpen = 3;
constexpr int animationMoveEndsClosed = 2;

struct AnimationSoundSet {
    const ANIMATIONCOMP* componentId; // the animation's first component when the set was made
    int32_t stereo;
    int32_t atRadioPosition; // placed where the radio voices are
    int32_t isSwitch;
    int32_t switchIndex;
    VECTOR3 position; // mono, or the left channel's
    VECTOR3 positionRight;
    char moveFile[animationFileSize]; // full paths; empty: none, or failed to load
    char openFile[animationFileSize];
    char closeFile[animationFileSize];
    char loadedEndFile[animationFileSize]; // what endSlot holds
    StockSoundSlot moveSlot;
    StockSoundSlot endSlot;
    int32_t movePlaying;
    int32_t lastEndSound;  // animationMoveEndsClosed or animationMoveEndsOpen: played last
    int32_t moveDirection; // animationMoveEndsClosed: closing, animationMoveEndsOpen: opening
    double lastState;
};

struct SwitchSound {
    char path[switchFileSize];
    StockSoundSlot slots[switchClickSlots];
    int32_t nextSwitchSlot;
};

struct ActiveAnimationSound {
    const ANIMATIONCOMP* componentId;
    int32_t setIndex;
    int32_t animationIndex;
};

struct AnimationSoundState {
    AnimationSoundSet animationSoundSets[animationSetCapacity];
    SwitchSound switchSounds[animationSetCapacity];
    int32_t switchSoundCount;
    ActiveAnimationSound activeAnimationSounds[animationSetCapacity];
    int32_t animationSetCount; // sets and active entries alike
    ANIMATION* animationTable;
    int32_t animationCount;
    int32_t animScanStart;
    int32_t virtualCockpitSynced;
    int32_t animViewInternal;
    double animSoundMinDistance; // metres
    double animSoundMaxDistance;
    char diagnostic[animationDiagnosticLines][animationDiagnosticLineSize];
    int32_t diagnosticLineCount;
    int32_t loggedLineCount;
};
extern AnimationSoundState animationSounds;

// Focus set-up: before the class file is read, and the dump after it.
void InitAnimationSounds(VESSEL* vessel);
// An animation line of the class file; returns whether it made a set.
bool ParseAnimationLine(const char* line);
void DumpAnimations();
void ReleaseAnimationSounds();
// Window open: nothing of the last window's animations is left.
void resetAnimationState();
// Frame steps: the view the animation sounds are heard from, and their update on each
// processing tick.
void SetAnimationView(int cameraInternal);
void UpdateAnimationSounds(VESSEL* vessel, int cameraInternal);

} // namespace zephyrin
