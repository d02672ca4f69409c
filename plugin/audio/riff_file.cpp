#include "plugin/audio/riff_file.h"

#include "platform/file_system.h"

namespace zephyrin {

namespace {
constexpr int64_t chunkHeaderBytes = 8;
constexpr int64_t formTypeBytes = 4;

uint32_t littleEndian32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

int64_t paddedSize(uint32_t size) {
    return static_cast<int64_t>(size) + static_cast<int64_t>(size & 1);
}
} // namespace

bool RiffFile::open(const char* fileName) {
    close();
    file_ = platform::openFile(fileName, "rb");
    if (file_ == nullptr) {
        return false;
    }
    fileBytes_ = platform::fileSize(file_);
    if (fileBytes_ < 0) {
        close();
        return false;
    }
    return true;
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
    chunk.dataOffset = platform::tellFile(file_);
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
    int64_t searchEnd = fileBytes_;
    if (parent != nullptr && parent->dataOffset + paddedSize(parent->size) < searchEnd) {
        searchEnd = parent->dataOffset + paddedSize(parent->size);
    }
    for (;;) {
        const int64_t headerAt = platform::tellFile(file_);
        if (headerAt < 0 || headerAt + chunkHeaderBytes > searchEnd) {
            return false;
        }
        if (!readHeader(chunk)) {
            return false;
        }
        if (wantedId == 0 || chunk.id == wantedId) {
            return true;
        }
        const int64_t nextHeaderAt = chunk.dataOffset + paddedSize(chunk.size);
        if (nextHeaderAt > fileBytes_ || !seek(nextHeaderAt)) {
            return false;
        }
    }
}

bool RiffFile::ascend(const RiffChunk& chunk) {
    return seek(chunk.dataOffset + paddedSize(chunk.size));
}

bool RiffFile::seek(int64_t offset) {
    return file_ != nullptr && platform::seekFile(file_, offset);
}

size_t RiffFile::read(void* out, size_t bytes) {
    return file_ == nullptr ? 0 : std::fread(out, 1, bytes, file_);
}

} // namespace zephyrin
