#include "wave_fixture.h"

namespace testsupport {

namespace {
std::string littleEndian(uint32_t value, int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i) {
        text += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return text;
}
} // namespace

std::string riffChunk(const std::string& id, const std::string& data) {
    std::string chunk = id + littleEndian(static_cast<uint32_t>(data.size()), 4) + data;
    if (data.size() % 2 == 1) {
        chunk += '\0';
    }
    return chunk;
}

std::string formatChunk(const WaveLayout& layout) {
    uint16_t blockAlign = layout.blockAlign != 0
                              ? layout.blockAlign
                              : static_cast<uint16_t>(layout.channels * layout.bitsPerSample / 8);
    std::string format = littleEndian(layout.formatTag, 2) + littleEndian(layout.channels, 2) +
                         littleEndian(layout.sampleRate, 4) +
                         littleEndian(layout.sampleRate * blockAlign, 4) +
                         littleEndian(blockAlign, 2) + littleEndian(layout.bitsPerSample, 2);
    if (layout.formatTag != 1) {
        format +=
            littleEndian(static_cast<uint32_t>(layout.formatExtra.size()), 2) + layout.formatExtra;
    }
    format.resize(layout.formatTag == 1 ? layout.formatChunkBytes : format.size());
    return riffChunk("fmt ", format);
}

std::string waveFile(const WaveLayout& layout, const std::string& data) {
    std::string dataChunk = riffChunk("data", data);
    if (layout.claimedDataBytes >= 0) {
        dataChunk = "data" + littleEndian(static_cast<uint32_t>(layout.claimedDataBytes), 4) + data;
    }
    std::string body =
        layout.formType + layout.chunksBeforeFormat + formatChunk(layout) + dataChunk;
    return riffChunk("RIFF", body);
}

std::string pcm16(const std::vector<int16_t>& samples) {
    std::string bytes;
    for (int16_t sample : samples) {
        bytes += littleEndian(static_cast<uint16_t>(sample), 2);
    }
    return bytes;
}

} // namespace testsupport
