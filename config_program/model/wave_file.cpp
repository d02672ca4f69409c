#include "config_program/model/wave_file.h"

#include "platform/file_system.h"

#include <cstdio>
#include <cstring>

namespace tunedesk {

namespace {
uint32_t readUint32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

uint16_t readUint16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

bool isPlayablePcm(const WAVEFORMATEX& format) {
    return format.wFormatTag == WAVE_FORMAT_PCM &&
           (format.nChannels == 1 || format.nChannels == 2) &&
           (format.wBitsPerSample == 8 || format.wBitsPerSample == 16) &&
           format.nSamplesPerSec >= DSBFREQUENCY_MIN && format.nSamplesPerSec <= DSBFREQUENCY_MAX &&
           format.nBlockAlign == format.nChannels * format.wBitsPerSample / 8;
}

std::optional<std::vector<uint8_t>> readWholeFile(const std::string& systemPath) {
    FILE* file = platform::openFile(systemPath.c_str(), "rb");
    if (file == nullptr)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t block[65536];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        if (bytes.size() + got > waveFileSizeLimitBytes) {
            std::fclose(file);
            return std::nullopt;
        }
        bytes.insert(bytes.end(), block, block + got);
    }
    std::fclose(file);
    return bytes;
}
} // namespace

std::optional<WaveSound> parseWave(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    std::optional<WAVEFORMATEX> format;
    size_t offset = 12;
    while (bytes.size() - offset >= 8) {
        const uint8_t* header = bytes.data() + offset;
        const size_t size = readUint32(header + 4);
        const size_t dataStart = offset + 8;
        if (size > bytes.size() - dataStart)
            return std::nullopt;
        const uint8_t* data = bytes.data() + dataStart;
        if (std::memcmp(header, "fmt ", 4) == 0) {
            if (size < 16)
                return std::nullopt;
            WAVEFORMATEX read{};
            read.wFormatTag = readUint16(data);
            read.nChannels = readUint16(data + 2);
            read.nSamplesPerSec = readUint32(data + 4);
            read.nAvgBytesPerSec = readUint32(data + 8);
            read.nBlockAlign = readUint16(data + 12);
            read.wBitsPerSample = readUint16(data + 14);
            if (!isPlayablePcm(read))
                return std::nullopt;
            format = read;
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (!format)
                return std::nullopt;
            const size_t wholeFrames = size - size % format->nBlockAlign;
            if (wholeFrames < DSBSIZE_MIN || wholeFrames > DSBSIZE_MAX)
                return std::nullopt;
            return WaveSound{*format, std::vector<uint8_t>(data, data + wholeFrames)};
        }
        offset = dataStart + size + (size & 1);
        if (offset > bytes.size())
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<WaveSound> readWave(const std::string& systemPath) {
    std::optional<std::vector<uint8_t>> bytes = readWholeFile(systemPath);
    if (!bytes)
        bytes = waveResource(systemPath);
    if (!bytes)
        return std::nullopt;
    return parseWave(*bytes);
}

} // namespace tunedesk
