#include "platform/audio/wav_writer.h"

#include <array>
#include <cstring>
#include <limits>

namespace platform::audio {

namespace {
constexpr uint32_t headerBytes = 44;
constexpr long riffSizeOffset = 4;
constexpr long dataSizeOffset = 40;

void putLittleEndian(uint8_t* out, uint32_t value, int bytes) {
    for (int index = 0; index < bytes; ++index)
        out[index] = uint8_t(value >> (8 * index));
}

std::array<uint8_t, headerBytes> header(const WAVEFORMATEX& format, uint32_t dataBytes) {
    std::array<uint8_t, headerBytes> bytes{};
    std::memcpy(&bytes[0], "RIFF", 4);
    putLittleEndian(&bytes[4], headerBytes - 8 + dataBytes, 4);
    std::memcpy(&bytes[8], "WAVEfmt ", 8);
    putLittleEndian(&bytes[16], 16, 4);
    putLittleEndian(&bytes[20], WAVE_FORMAT_PCM, 2);
    putLittleEndian(&bytes[22], format.nChannels, 2);
    putLittleEndian(&bytes[24], format.nSamplesPerSec, 4);
    putLittleEndian(&bytes[28], format.nAvgBytesPerSec, 4);
    putLittleEndian(&bytes[32], format.nBlockAlign, 2);
    putLittleEndian(&bytes[34], format.wBitsPerSample, 2);
    std::memcpy(&bytes[36], "data", 4);
    putLittleEndian(&bytes[40], dataBytes, 4);
    return bytes;
}
} // namespace

bool WavWriter::open(const std::string& path, const WAVEFORMATEX& format) {
    close();
    file_.reset(std::fopen(path.c_str(), "wb"));
    if (!file_)
        return false;
    format_ = format;
    dataBytes_ = 0;
    failed_ = false;
    const auto bytes = header(format, 0);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
        file_.reset();
        return false;
    }
    return true;
}

bool WavWriter::write(std::span<const uint8_t> samples) {
    if (!file_ || failed_)
        return false;
    const uint64_t limit = std::numeric_limits<uint32_t>::max() - (headerBytes - 8);
    if (dataBytes_ + uint64_t(samples.size()) > limit)
        return false;
    if (std::fwrite(samples.data(), 1, samples.size(), file_.get()) != samples.size()) {
        failed_ = true;
        return false;
    }
    dataBytes_ += uint32_t(samples.size());
    return true;
}

bool WavWriter::close() {
    if (!file_)
        return false;
    // RIFF chunks are padded to an even length.
    bool completed = !failed_;
    if (dataBytes_ % 2 != 0)
        completed = completed && std::fputc(0, file_.get()) != EOF;
    const auto bytes = header(format_, dataBytes_);
    completed = completed && std::fseek(file_.get(), riffSizeOffset, SEEK_SET) == 0 &&
                std::fwrite(&bytes[riffSizeOffset], 1, 4, file_.get()) == 4 &&
                std::fseek(file_.get(), dataSizeOffset, SEEK_SET) == 0 &&
                std::fwrite(&bytes[dataSizeOffset], 1, 4, file_.get()) == 4;
    completed = std::fclose(file_.release()) == 0 && completed;
    return completed;
}

} // namespace platform::audio
