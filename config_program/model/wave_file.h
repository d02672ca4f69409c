// A preview's RIFF WAVE file, read whole: its PCM format and its sample bytes.
#pragma once

#include "platform/audio/dsound.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tunedesk {

// Files larger than this are refused: a preview is read into memory whole.
constexpr size_t waveFileSizeLimitBytes = 64u * 1024u * 1024u;

struct WaveSound {
    WAVEFORMATEX format{};
    std::vector<uint8_t> samples;
};

// Parses the bytes of a RIFF "WAVE" form with its "fmt " and "data" chunks; chunk sizes are
// checked against the bytes present, and only PCM with 1 or 2 channels of 8 or 16 bits passes.
std::optional<WaveSound> parseWave(const std::vector<uint8_t>& bytes);

// The file at a system path ("sound\vessel\mainext.wav"), or the program's resource of type
// "WAVE" (or "WAV") of that name when no such file exists.
std::optional<WaveSound> readWave(const std::string& systemPath);

// The program's wave resource of that name, where the platform has program resources.
std::optional<std::vector<uint8_t>> waveResource(const std::string& name);

} // namespace tunedesk
