// The looping sounds of the focus vessel's engines and attitude jets: volume and pitch follow
// the thrust level, lowered by the thin air and the camera's distance.
#pragma once

#include "plugin/behaviour/frame_state.h"
#include "sdk/VoranthAPI.h"
#include "shared/option_record.h"

#include <cstdint>

namespace zephyrin {

struct EngineLatches {
    int32_t mainPlaying;
    int32_t hoverPlaying;
    int32_t retroPlaying;
    int32_t auxPlaying; // kept across a focus change
    int32_t rcsActive;  // 0: the next firing starts with the attack sound
    float rcsSmoothedLevel;
};

extern EngineLatches engineLatches;

struct SoundRequest {
    int volume;
    int frequency; // Hz against the rule's reference frequency
};

// Main engine at a non-zero `mainLevel`, against 22050 Hz.
SoundRequest mainThrustRequest(const FrameState& f, const OptionRecord& o, bool slotIs3D);

enum class LiftEngine { Hover, Retro, Aux };
// Hover, retro or aux engine at a non-zero level (percent), against 11025 Hz.
SoundRequest liftEngineRequest(LiftEngine engine, int level, const FrameState& f,
                               const OptionRecord& o, bool slotIs3D);

// 100 × the highest level among the thrusters of user group 0; 0 without such a group.
int auxThrustLevel(const VESSEL& vessel);

// The attitude groups' levels (0..1) as the jet sounds combine them.
struct RcsGroupLevels {
    double turning; // rotations and sideways, up and down translations
    double back;
    double forward;
    double bank;

    double firstChannel() const { return turning + back; }
    double secondChannel() const { return turning + forward; }
};

RcsGroupLevels readRcsGroupLevels(const VESSEL& vessel);

// Jet level 0..10. While an autopilot holds the vessel its pulses are smoothed, so that they do
// not retrigger the attack.
int rcsLevel(const RcsGroupLevels& levels, int activeNavmodes, float& smoothedLevel);

struct RcsRequest {
    int volume;
    int firstChannel; // the back jets' side of a split pair
    int secondChannel;
    int attackFrequency;
    int sustainFrequency;
};

// Split: the front/rear sounds are stereo pairs whose channels follow the back and forward
// jets. `attackIs3D`: distance is left to the 3D rolloff.
RcsRequest rcsRequest(bool split, int level, const RcsGroupLevels& levels, const FrameState& f,
                      const OptionRecord& o, bool attackIs3D);

// Runs the engines and the jets for this frame, in the order main, hover, retro, aux, jets.
void updateEngineSounds(VESSEL& vessel);

} // namespace zephyrin
