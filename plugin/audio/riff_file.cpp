#include "plugin/audio/riff_file.h"

#include "platform/file_system.h"

namespace zephyrin {

namespace {
constexpr long chunkHeaderBytes = 8;
constexpr long formTypeBytes = 4;

uint32_t littleEndian32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

long paddedSize(uint32_t size) {
    return static_cast<long>(size) + static_cast<long>(size & 1);
}
} // namespace

bool RiffFile::open(const char* fileName) {
    close();
    file_ = platform::openFile(fileName, "rb");
    return file_ != nullptr;
}

void RiffFile::close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

bool RiffFile::readHeader(RiffChunk& chunk) {
    uint8_t header[chunkHeaderBytes];
    if (read(header, sizeof header) != sizeof header) {
        return false;
    }
    chunk.id = littleEndian32(header);
    chunk.size = littleEndian32(header + 4);
    chunk.formType = 0;
    chunk.dataOffset = std::ftell(file_);
    if (chunk.id == riffId || chunk.id == listId) {
        uint8_t formType[formTypeBytes];
        if (read(formType, sizeof formType) != sizeof formType) {
            return false;
        }
        chunk.formType = littleEndian32(formType);
    }
    return true;
}

bool RiffFile::descend(RiffChunk& chunk, const RiffChunk* parent, uint32_t wantedId) {
    if (file_ == nullptr) {
        return false;
    }
    long parentEnd = parent == nullptr ? -1 : parent->dataOffset + paddedSize(parent->size);
    for (;;) {
        long headerAt = std::ftell(file_);
        if (parentEnd >= 0 && headerAt + chunkHeaderBytes > parentEnd) {
            return false;
        }
        if (!readHeader(chunk)) {
            return false;
        }
        if (wantedId == 0 || chunk.id == wantedId) {
            return true;
        }
        if (!seek(chunk.dataOffset + paddedSize(chunk.size))) {
            return false;
        }
    }
}

bool RiffFile::ascend(const RiffChunk& chunk) {
    return seek(chunk.dataOffset + paddedSize(chunk.size));
}

bool RiffFile::seek(long offset) {
    return file_ != nullptr && std::fseek(file_, offset, SEEK_SET) == 0;
}

size_t RiffFile::read(void* out, size_t bytes) {
    return file_ == nullptr ? 0 : std::fread(out, 1, bytes, file_);
}

} // namespace zephyrin
