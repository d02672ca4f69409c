// The base ambiences: every "sound\_CustomBaseSounds\PLANET_BASE_RANGE_ALTITUDE_PERCENT.wav",
// whose name says where the sound belongs and how it behaves.
#pragma once

#include <cstdint>

namespace zephyrin {

constexpr int baseSoundFileLimit = 500;
constexpr int baseSoundNameLength = 255;     // 254 characters
constexpr int baseSoundPlaceNameLength = 51; // 50 characters
constexpr int baseSoundPathLength = 250;     // the folder and the name

struct BaseSoundFile {
    char fileName[baseSoundNameLength];
    char planet[baseSoundPlaceNameLength];
    char base[baseSoundPlaceNameLength];
    double audibleRange; // m, 2100..40000
    double fadeAltitude; // m, 256..10000
    double windPercent;  // 0..100
};

extern BaseSoundFile baseSoundFiles[baseSoundFileLimit];
extern int32_t baseSoundFileCount;

// The folder part of the path a base sound is loaded from.
constexpr const char* baseSoundPathFolder = "Sound\\_CustomBaseSounds\\";

// Reads a base sound's file name (without folder) into `file`; false, with its log line, when
// the name breaks the grammar.
bool parseBaseFileName(const char* fileName, BaseSoundFile& file);

// Builds the list from the folder and logs how many files it holds.
void listBaseSounds();

} // namespace zephyrin
