// The VHF com radio: the tuned and standby frequencies, the chatter folders and the chatter
// schedule, shared by the radio's frame steps and the Radio / Radar / MP3 display.
#pragma once

#include <cstdint>

namespace zephyrin {

constexpr int frequencyLength = 80;
constexpr int frequencyTextLength = 40;
constexpr int frequencyFolderMax = 60;
constexpr int frequencyFolderNameLength = 260;
constexpr int chatterWaveMax = 60;
constexpr int chatterPathLength = 255;
constexpr int sequenceNameLength = 60;

// A folder's "Sequential.cfg": its waves in a fixed order, timed or at the chatter intervals.
struct SequenceRecord {
    int32_t timed;       // each wave starts at its own time after the sequence start
    int32_t noCountdown; // the pad countdown stays silent while the folder is tuned
    int32_t loop;
    int32_t loopPause; // s before a timed sequence starts again
    int32_t count;     // 0..60
    char names[chatterWaveMax][sequenceNameLength];
    int32_t times[chatterWaveMax]; // whole seconds after the sequence start
};

struct FrequencyText {
    char text[frequencyTextLength];
    int32_t length;
};

struct RadioState {
    char comFrequency[frequencyLength]; // "xxx.xxx", the tuned frequency
    char memFrequency[frequencyLength]; // the standby frequency
    FrequencyText comFrequencyText;
    FrequencyText memFrequencyText;
    char frequencyFolders[frequencyFolderMax][frequencyFolderNameLength];
    int32_t frequencyFolderCount;
    char chatterWaves[chatterWaveMax][chatterPathLength];
    int32_t chatterWaveCount; // 0: no folder serves the com frequency
    int32_t lastChatterIndex;
    int32_t nextSequenceIndex;
    double nextChatterTime; // s of simulation time
    int32_t rescheduleAfterWarp;
    int32_t playedFlags[chatterWaveMax + 1];
    int32_t sequentialMode;
    SequenceRecord sequence;
    double sequenceStartTime; // s of simulation time
    int32_t radioMuted;
    int32_t radioVolumeLevel; // 1..5
    int32_t frequencyListShown;
    int32_t frequencyListPage; // 0..5
    int32_t radarState;        // 0 off, 2 on
};

extern RadioState radio;

} // namespace zephyrin
