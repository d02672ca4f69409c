#include "soundpack/io/wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace soundpack {

namespace {

void putLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

uint32_t getLittleEndian(const std::string& in, size_t offset, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(in[offset + i])) << (8 * i);
    }
    return value;
}

int16_t toPcm16(float sample) {
    const double scaledSample = std::round(static_cast<double>(sample) * 32767.0);
    return static_cast<int16_t>(std::clamp(scaledSample, -32768.0, 32767.0));
}

} // namespace

void writeWav(const std::filesystem::path& path, const Signal& signal) {
    const uint32_t channels = static_cast<uint32_t>(signal.channels.size());
    if (channels < 1 || channels > 2) {
        throw std::runtime_error("writeWav: " + path.string() + " must have 1 or 2 channels");
    }
    constexpr uint32_t bytesPerSample = 2;
    const uint32_t rate = static_cast<uint32_t>(signal.sampleRateHz);
    const uint32_t dataBytes = static_cast<uint32_t>(signal.frames() * channels * bytesPerSample);

    std::string bytes;
    bytes.reserve(44 + dataBytes);
    bytes += "RIFF";
    putLittleEndian(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    putLittleEndian(bytes, 16, 4);
    putLittleEndian(bytes, 1, 2); // PCM
    putLittleEndian(bytes, channels, 2);
    putLittleEndian(bytes, rate, 4);
    putLittleEndian(bytes, rate * channels * bytesPerSample, 4);
    putLittleEndian(bytes, channels * bytesPerSample, 2);
    putLittleEndian(bytes, 8 * bytesPerSample, 2);
    bytes += "data";
    putLittleEndian(bytes, dataBytes, 4);
    for (size_t frame = 0; frame < signal.frames(); ++frame) {
        for (const Samples& channel : signal.channels) {
            putLittleEndian(bytes, static_cast<uint16_t>(toPcm16(channel[frame])), 2);
        }
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

Signal readWav(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot open " + path.string());
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        throw std::runtime_error(path.string() + " is not a RIFF WAVE file");
    }
    uint32_t channels = 0;
    uint32_t rate = 0;
    uint32_t bits = 0;
    size_t offset = 12;
    while (offset + 8 <= bytes.size()) {
        const std::string id = bytes.substr(offset, 4);
        const size_t size = getLittleEndian(bytes, offset + 4, 4);
        const size_t body = offset + 8;
        if (id == "fmt " && body + 16 <= bytes.size()) {
            if (getLittleEndian(bytes, body, 2) != 1) {
                throw std::runtime_error(path.string() + " is not PCM");
            }
            channels = getLittleEndian(bytes, body + 2, 2);
            rate = getLittleEndian(bytes, body + 4, 4);
            bits = getLittleEndian(bytes, body + 14, 2);
        } else if (id == "data") {
            if (channels == 0 || bits != 16) {
                throw std::runtime_error(path.string() + " is not 16-bit PCM");
            }
            const size_t available = std::min(size, bytes.size() - body);
            const size_t frames = available / (2 * channels);
            Signal signal{static_cast<int>(rate), std::vector<Samples>(channels, Samples(frames))};
            for (size_t frame = 0; frame < frames; ++frame) {
                for (uint32_t c = 0; c < channels; ++c) {
                    const auto raw = static_cast<int16_t>(
                        getLittleEndian(bytes, body + 2 * (frame * channels + c), 2));
                    signal.channels[c][frame] = static_cast<float>(raw / 32768.0);
                }
            }
            return signal;
        }
        offset = body + size + (size & 1);
    }
    throw std::runtime_error(path.string() + " has no data chunk");
}

} // namespace soundpack
