// Tuning values the user edits by hand in "Sound\cfg\Editable_Advanced_Configuration.cfg".
#pragma once

namespace zephyrin {

struct AdvancedConfiguration {
    int primaryBufferFrequency;     // Hz: 11025, 22050 or 44100
    int primaryBufferBitRate;       // bits per sample: 8, 16, 24 or 32
    double dopplerFactor;           // as used: the file's value × 0.25
    double vaccumAttenuationFactor; // 0.1 .. 4
    double soundDistanceFactor;     // multiplies every 3D minimum and maximum distance
    double processIntervalSeconds;  // between two sound-processing passes of the frame
    int maxAnimCheckPerFrame;       // animations examined per frame
    bool playWhenVoranthInBackground;
    bool writeInLogAllLoadedSound;
};

// The values in force for the whole process.
extern AdvancedConfiguration advancedConfiguration;

// Reads the file, keeps every value within its permitted range and echoes them to the log.
void loadAdvancedConfiguration();

} // namespace zephyrin
