// Reads one RIFF WAVE file: its format, and its sample bytes as often as asked from the start.
#pragma once

#include "platform/audio/dsound.h"
#include "plugin/audio/riff_file.h"

#include <cstdint>

namespace zephyrin {

class WaveReader {
public:
    WaveReader() = default;
    ~WaveReader();
    WaveReader(const WaveReader&) = delete;
    WaveReader& operator=(const WaveReader&) = delete;

    HRESULT open(const char* fileName);
    DWORD getSize() const { return dataSize; }
    HRESULT rewind();
    // Copies up to `bytes` sample bytes; `bytesRead` says how many.
    HRESULT read(BYTE* out, DWORD bytes, DWORD* bytesRead);
    void close();

    WAVEFORMATEX* format = nullptr; // 18 bytes plus the format's extra bytes
    DWORD dataSize = 0;
    DWORD remaining = 0;
    int32_t monoMode = 0;  // reads deliver one channel of each stereo frame
    int32_t splitMark = 0; // the file feeds both channels of a stereo pair

    // Shared by every reader in mono mode and flipped at each read, so that two successive
    // fills of a pair take opposite channels.
    static int32_t channelSelector;

private:
    HRESULT readHeader();
    void freeFormat();
    // Returns `got`; below `wanted` the data has ended early.
    DWORD endOfShortData(DWORD wanted, DWORD got);

    RiffFile file_;
    RiffChunk riffChunk_;
    RiffChunk dataChunk_;
    // Bytes of one frame of the file as stored; a mono-mode read keeps half of each.
    DWORD storedFrameBytes_ = 0;
    bool shortDataReported_ = false;
};

} // namespace zephyrin
