#include "plugin/classconfig/animation_sounds.h"

#include "plugin/classconfig/animation_dump.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/advanced_configuration.h"
#include "plugin/core/log.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_sounds.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace zephyrin {

AnimationSoundState animationSounds;

namespace {

AnimationSoundState& a = animationSounds;

constexpr int scanAllLimit = 100;
constexpr int volumeInside = 255;

const ANIMATIONCOMP* firstComponent(const ANIMATION& animation) {
    return animation.ncomp > 0 && animation.comp != nullptr ? animation.comp[0] : nullptr;
}

bool sameFileName(const char* left, const char* right) {
    for (; *left != '\0' && *right != '\0'; ++left, ++right) {
        if (std::tolower(static_cast<unsigned char>(*left)) !=
            std::tolower(static_cast<unsigned char>(*right))) {
            return false;
        }
    }
    return *left == *right;
}

void releaseSet(AnimationSoundSet& set) {
    resetSlot(set.moveSlot);
    resetSlot(set.endSlot);
}

void releaseAllSlots() {
    for (AnimationSoundSet& set : a.animationSoundSets) {
        releaseSet(set);
    }
    for (SwitchSound& click : a.switchSounds) {
        for (StockSoundSlot& slot : click.slots) {
            resetSlot(slot);
        }
    }
}

// The click file's index in the switch sounds, added when new; -1 when the table is full.
int switchSoundOf(const char* path) {
    for (int index = 0; index < a.switchSoundCount; ++index) {
        if (sameFileName(a.switchSounds[index].path, path)) {
            return index;
        }
    }
    if (a.switchSoundCount >= animationSetCapacity) {
        return -1;
    }
    SwitchSound& click = a.switchSounds[a.switchSoundCount];
    std::snprintf(click.path, sizeof click.path, "%s", path);
    click.nextSwitchSlot = 0;
    return a.switchSoundCount++;
}

const VECTOR3& endPosition(const AnimationSoundSet& set) {
    return set.atRadioPosition == 1 ? radioSoundPosition : set.position;
}

void playClick(AnimationSoundSet& set, int volume) {
    SwitchSound& click = a.switchSounds[set.switchIndex];
    click.nextSwitchSlot = (click.nextSwitchSlot + 1) % switchClickSlots;
    StockSoundSlot& slot = click.slots[click.nextSwitchSlot];
    if (slot.sound == nullptr) {
        LoadWave3D(slot, click.path, 0, &set.position, a.animSoundMinDistance,
                   a.animSoundMaxDistance);
        if (slot.sound == nullptr) {
            set.isSwitch = 0;
            return;
        }
    }
    stopSlot(slot);
    playWaveSimple(slot, 0, volume);
}

// The open or close sound, once per arrival at that end.
void playEndSound(AnimationSoundSet& set, char (&file)[animationFileSize], int end, int volume) {
    if (file[0] == '\0') {
        if (set.isSwitch == 1) {
            playClick(set, volume);
        }
        return;
    }
    if (set.lastEndSound == end) {
        return;
    }
    set.lastEndSound = end;
    if (set.endSlot.sound != nullptr && std::strcmp(set.loadedEndFile, file) == 0) {
        stopSlot(set.endSlot);
    } else {
        resetSlot(set.endSlot);
        set.loadedEndFile[0] = '\0';
        LoadWave3D(set.endSlot, file, 0, &endPosition(set), a.animSoundMinDistance,
                   a.animSoundMaxDistance);
        if (set.endSlot.sound == nullptr) {
            file[0] = '\0';
            return;
        }
        std::snprintf(set.loadedEndFile, sizeof set.loadedEndFile, "%s", file);
    }
    playWaveSimple(set.endSlot, 0, volume);
}

void playMove(AnimationSoundSet& set, int direction, int volume) {
    set.movePlaying = 1;
    if (set.moveSlot.sound == nullptr) {
        if (set.stereo == 1) {
            LoadWave3DStereo(set.moveSlot, set.moveFile, 0, &set.position, &set.positionRight,
                             a.animSoundMinDistance, a.animSoundMaxDistance);
        } else {
            LoadWave3D(set.moveSlot, set.moveFile, 0, &set.position, a.animSoundMinDistance,
                       a.animSoundMaxDistance);
        }
        if (set.moveSlot.sound == nullptr) {
            set.moveFile[0] = '\0';
            set.movePlaying = 0;
            return;
        }
    }
    if (set.moveDirection != direction) {
        stopSlot(set.moveSlot);
        set.moveDirection = direction;
    }
    playWaveSimple(set.moveSlot, 1, volume);
}

void updateSet(AnimationSoundSet& set, double state, int volume, bool silentPass) {
    if (state == set.lastState) {
        if (set.movePlaying == 1) {
            set.movePlaying = 0;
            stopSlot(set.moveSlot);
        }
        return;
    }
    int direction = state < set.lastState ? animationMoveEndsClosed : animationMoveEndsOpen;
    set.lastState = state;
    if (silentPass) {
        return;
    }
    if (state == 1.0) {
        playEndSound(set, set.openFile, animationMoveEndsOpen, volume);
    } else if (state == 0.0) {
        playEndSound(set, set.closeFile, animationMoveEndsClosed, volume);
    } else if (set.moveFile[0] != '\0') {
        playMove(set, direction, volume);
    }
}

bool entryMatches(const ActiveAnimationSound& entry) {
    return entry.animationIndex < a.animationCount &&
           firstComponent(a.animationTable[entry.animationIndex]) == entry.componentId;
}

// The vessel changed its animation table: the sets whose animation is gone or moved fall
// silent for the rest of the focus period.
void dropChangedEntries() {
    int kept = 0;
    for (int index = 0; index < a.animationSetCount; ++index) {
        const ActiveAnimationSound& entry = a.activeAnimationSounds[index];
        if (entryMatches(entry)) {
            a.activeAnimationSounds[kept++] = entry;
        } else {
            releaseSet(a.animationSoundSets[entry.setIndex]);
        }
    }
    a.animationSetCount = kept;
    if (a.animScanStart >= a.animationSetCount) {
        a.animScanStart = 0;
    }
}

void setSetVolume(AnimationSoundSet& set, int volume) {
    SetWaveVolume(set.moveSlot, volume);
    SetWaveVolume(set.endSlot, volume);
    if (set.isSwitch == 1) {
        for (StockSoundSlot& slot : a.switchSounds[set.switchIndex].slots) {
            SetWaveVolume(slot, volume);
        }
    }
}

void fillSet(AnimationSoundSet& set, const AnimationLine& line) {
    set = AnimationSoundSet{};
    resetSlot(set.moveSlot);
    resetSlot(set.endSlot);
    set.stereo = line.form == AnimationForm::Stereo ? 1 : 0;
    set.atRadioPosition = line.atRadioPosition ? 1 : 0;
    set.position = line.position;
    set.positionRight = line.positionRight;
    if (line.form == AnimationForm::Switch) {
        set.switchIndex = switchSoundOf(line.moveFile);
        set.isSwitch = set.switchIndex >= 0 ? 1 : 0;
        set.switchIndex = std::max(set.switchIndex, 0);
        return;
    }
    std::memcpy(set.moveFile, line.moveFile, sizeof set.moveFile);
    std::memcpy(set.openFile, line.openFile, sizeof set.openFile);
    std::memcpy(set.closeFile, line.closeFile, sizeof set.closeFile);
}

} // namespace

void InitAnimationSounds(VESSEL* vessel) {
    releaseAllSlots();
    a.switchSoundCount = 0;
    a.animationSetCount = 0;
    a.animScanStart = 0;
    a.diagnosticLineCount = 0;
    a.virtualCockpitSynced = 0;
    a.animViewInternal = 1;
    double size = vessel != nullptr ? vessel->GetSize() : 0.0;
    a.animSoundMinDistance = std::clamp(size * 0.25, 2.0, 50.0);
    a.animSoundMaxDistance = std::clamp(size * 40.0, 20.0, 1000.0);
    for (AnimationSoundSet& set : a.animationSoundSets) {
        set = AnimationSoundSet{};
        resetSlot(set.moveSlot);
        resetSlot(set.endSlot);
    }
    for (ActiveAnimationSound& entry : a.activeAnimationSounds) {
        entry = ActiveAnimationSound{};
    }
    startAnimationDiagnostics();
    if (vrapiCockpitMode() == COCKPIT_VIRTUAL) {
        a.virtualCockpitSynced = 1;
    }
    a.animationTable = nullptr;
    UINT count = vessel != nullptr ? vessel->GetAnimPtr(&a.animationTable) : 0;
    a.animationCount =
        a.animationTable != nullptr ? static_cast<int32_t>(std::min<UINT>(count, 0x7fffffff)) : 0;
    if (a.animationCount == 0) {
        addAnimationDiagnostic("     This vessel have ZERO animations!");
    }
}

bool ParseAnimationLine(const char* text) {
    if (std::strncmp(text, "An", 2) != 0 || a.animationSetCount >= animationSetLimit ||
        a.animationCount == 0) {
        return false;
    }
    AnimationLine line = readAnimationLine(text, classConfiguration.configClassName);
    if (line.outcome == AnimationLineOutcome::PathTooLong) {
        logClassText("ERROR animation sound path too long, line ignored:", text);
    }
    if (line.outcome != AnimationLineOutcome::Taken || line.animation >= a.animationCount) {
        return false;
    }
    if (classConfiguration.classDebugDisplay == 1) {
        describeAnimationLine(line);
    }
    int index = a.animationSetCount;
    AnimationSoundSet& set = a.animationSoundSets[index];
    fillSet(set, line);
    const ANIMATION& animation = a.animationTable[line.animation];
    const ANIMATIONCOMP* component = firstComponent(animation);
    if (component == nullptr) {
        return false;
    }
    set.componentId = component;
    set.lastState = animation.state;
    a.activeAnimationSounds[index] = {component, index, line.animation};
    ++a.animationSetCount;
    return true;
}

void ReleaseAnimationSounds() {
    releaseAllSlots();
}

void resetAnimationState() {
    releaseAllSlots();
    a.switchSoundCount = 0;
    a.animationSetCount = 0;
    a.animScanStart = 0;
    a.animationTable = nullptr;
    a.animationCount = 0;
    a.virtualCockpitSynced = 0;
    a.animViewInternal = 1;
    a.diagnosticLineCount = 0;
}

void SetAnimationView(int cameraInternal) {
    if (cameraInternal != a.animViewInternal && a.animationSetCount > 0) {
        int volume = cameraInternal != 0 ? volumeInside : 0;
        for (int index = 0; index < a.animationSetCount; ++index) {
            setSetVolume(a.animationSoundSets[a.activeAnimationSounds[index].setIndex], volume);
        }
    }
    a.animViewInternal = cameraInternal;
}

void UpdateAnimationSounds(VESSEL* vessel, int cameraInternal) {
    if (a.animationSetCount == 0 || vessel == nullptr) {
        return;
    }
    ANIMATION* table = nullptr;
    UINT count = vessel->GetAnimPtr(&table);
    if (count == 0 || table == nullptr) {
        a.animationSetCount = 0;
        return;
    }
    a.animationTable = table;
    a.animationCount = static_cast<int32_t>(std::min<UINT>(count, 0x7fffffff));
    int volume = cameraInternal != 0 ? volumeInside : 0;
    int first = a.animScanStart;
    int end = std::min(a.animScanStart + advancedConfiguration.maxAnimCheckPerFrame,
                       static_cast<int>(a.animationSetCount));
    // Entering the virtual cockpit the first time only takes the states the animations have,
    // so that doors and gear already open do not all sound at once.
    bool silentPass = a.virtualCockpitSynced == 0 && vrapiCockpitMode() == COCKPIT_VIRTUAL;
    if (silentPass) {
        first = 0;
        end = std::min(static_cast<int>(a.animationSetCount), scanAllLimit);
    }
    for (int index = first; index < end; ++index) {
        const ActiveAnimationSound& entry = a.activeAnimationSounds[index];
        if (!entryMatches(entry)) {
            dropChangedEntries();
            return;
        }
        updateSet(a.animationSoundSets[entry.setIndex], table[entry.animationIndex].state, volume,
                  silentPass);
    }
    a.animScanStart += advancedConfiguration.maxAnimCheckPerFrame;
    if (a.animScanStart >= a.animationSetCount) {
        a.animScanStart = 0;
    }
    if (silentPass) {
        a.virtualCockpitSynced = 1;
    }
}

} // namespace zephyrin
