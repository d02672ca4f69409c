// The plug-in's global state: set up by the host callbacks, read by the per-frame work.
#pragma once

#include "plugin/addon/vessel_table.h"
#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

class SoundDevice;
class Mp3Player;

constexpr int simulatorDirLength = 260;
constexpr int startMessageLength = 128;
constexpr int legacyWarningLength = 256;

// The add-on waves of the focus vessel that wait for the next frame to load them.
struct AddonWaveQueue {
    int32_t pending[addonWaveCount];
    char fileName[addonWaveCount][fileNameLength];
    int32_t waveType[addonWaveCount];
    int32_t pendingCount;
};

// One contiguous block, zeroed as a whole at module start and at every window close.
struct RunState {
    char startMessage[startMessageLength]; // the greeting of a special date
    int32_t stockSoundsPending;
    float airCondFrequency;
    float airCondTargetFrequency;
    int32_t airCondEnabled;
    int32_t currentVesselIndex;
    AddonWaveQueue addonWaveQueue;
    float legacyWarningTimer;
    int32_t soundsReady;
    char simulatorDir[simulatorDirLength]; // the run copy
    NOTEHANDLE welcomeAnnotation;
    double cameraDistance;
    double previousCameraDistance;
};

struct PluginState {
    char simulatorDir[simulatorDirLength]; // the start-up copy, with its trailing backslash
    HINSTANCE moduleInstance;
    int32_t initCount;
    HWND renderWindow;
    OBJHANDLE focusObject;
    VESSEL* focusVessel;
    SoundDevice* device; // null while the plug-in is silent
    int32_t focusMassAtOpen;
    int32_t mfdModeId;
    Mp3Player* mp3Player;
    int32_t welcomePending;
    char legacyWarningText[legacyWarningLength];
};

extern PluginState plugin;
extern RunState run;

void zeroRunState();

// The air conditioning starts enabled at its nominal playback rate.
constexpr float airCondNominalFrequency = 22050.0f;

} // namespace zephyrin
