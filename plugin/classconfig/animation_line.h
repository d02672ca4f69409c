// One animation line of a vessel class file: which animation it gives sounds, with which files
// and where they sit. Reading a line changes nothing; the animation sounds take what it says.
//
//   Animation_2 = gear_move.wav, gear_open.wav, gear_lock.wav, ANIMPOS {0,-1,3}
//   AnimationStereo_1 = door.wav, none, none, RADIOPOS {-1,0,2}{1,0,2}
//   AnimationSwitch_4 = click.wav, {0.3,1.1,6.9}
#pragma once

#include "sdk/VoranthAPI.h"

namespace zephyrin {

constexpr int animationFileSize = 150;
constexpr int switchFileSize = 152;
constexpr int highestAnimationNumber = 200;
// Only the first characters of a file field are searched for ".wav".
constexpr int animationExtensionReach = 140;

enum class AnimationForm { Mono, Stereo, Switch };

enum class AnimationLineOutcome {
    Taken,
    NotAnimation, // does not start with "An" or holds no "Animation"
    UnknownForm,  // "Animation" is not followed by "_", "Stereo_" or "Switch_"
    BadNumber,    // no number, a negative one, or one above 200
    MissingEquals,
    MissingComma, // a file field without the comma that ends it
    ControlCharacter,
    NoSound, // no field names a ".wav" file
    PathTooLong,
    BadPosition, // no brace or comma where the position should be
};

struct AnimationLine {
    AnimationLineOutcome outcome;
    AnimationForm form;
    int animation; // index in the vessel's animation table
    // Full paths in the class's sound folder; empty: none. A switch has only its click, in move.
    char moveFile[animationFileSize];
    char openFile[animationFileSize];
    char closeFile[animationFileSize];
    bool atRadioPosition;
    VECTOR3 position; // mono, or the left channel's
    VECTOR3 positionRight;
};

AnimationLine readAnimationLine(const char* line, const char* classForm);

} // namespace zephyrin
