// RIFF WAVE files built byte by byte, so that a test shows exactly what the reader is given.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct WaveLayout {
    uint16_t formatTag = 1;
    uint16_t channels = 1;
    uint32_t sampleRate = 22050;
    uint16_t bitsPerSample = 16;
    std::string formType = "WAVE";
    uint32_t formatChunkBytes = 16; // 14 makes a truncated format
    std::string formatExtra;        // extra bytes of a non-PCM format (after the size word)
    std::string chunksBeforeFormat; // whole chunks placed between the form type and "fmt "
    uint16_t blockAlign = 0;        // the header's claim; 0: channels x bits / 8
    int64_t claimedDataBytes = -1;  // the data chunk's size field; -1: the size of the data
};

// A chunk: identifier, little-endian size, data and the pad byte of an odd size.
std::string riffChunk(const std::string& id, const std::string& data);

// The "fmt " chunk of a layout.
std::string formatChunk(const WaveLayout& layout);

std::string waveFile(const WaveLayout& layout, const std::string& data);

// 16-bit samples as little-endian bytes.
std::string pcm16(const std::vector<int16_t>& samples);

} // namespace testsupport
