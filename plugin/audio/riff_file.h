// Chunk-wise reading of RIFF files: the descend, ascend and seek steps the wave reader is
// built on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace zephyrin {

constexpr uint32_t fourCC(char a, char b, char c, char d) {
    return static_cast<uint32_t>(static_cast<uint8_t>(a)) |
           static_cast<uint32_t>(static_cast<uint8_t>(b)) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(c)) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(d)) << 24;
}

constexpr uint32_t riffId = fourCC('R', 'I', 'F', 'F');
constexpr uint32_t listId = fourCC('L', 'I', 'S', 'T');

struct RiffChunk {
    uint32_t id = 0;
    uint32_t size = 0;      // bytes of data, without the pad byte of an odd size
    uint32_t formType = 0;  // RIFF and LIST chunks only
    int64_t dataOffset = 0; // where the data begins; for RIFF and LIST, at the form type
};

class RiffFile {
public:
    RiffFile() = default;
    ~RiffFile() { close(); }
    RiffFile(const RiffFile&) = delete;
    RiffFile& operator=(const RiffFile&) = delete;

    bool open(const char* fileName);
    bool isOpen() const { return file_ != nullptr; }
    void close();

    // Enters the chunk at the current position; with `wantedId`, skips chunks up to the first
    // of that id that lies inside `parent`. A chunk to skip that runs past the end of the file
    // ends the search: nothing can follow it.
    bool descend(RiffChunk& chunk, const RiffChunk* parent = nullptr, uint32_t wantedId = 0);
    // Moves behind the chunk and its pad byte.
    bool ascend(const RiffChunk& chunk);
    bool seek(int64_t offset);
    // Bytes read; fewer than asked at the end of the file.
    size_t read(void* out, size_t bytes);

private:
    bool readHeader(RiffChunk& chunk);

    FILE* file_ = nullptr;
    int64_t fileBytes_ = 0;
};

} // namespace zephyrin
