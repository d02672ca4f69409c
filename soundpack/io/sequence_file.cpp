#include "soundpack/io/sequence_file.h"

#include <cstdint>
#include <stdexcept>

namespace soundpack {

namespace {

constexpr char carriageReturn = '\r';
constexpr char lineFeed = '\n';
constexpr char endOfFileMark = '\x1A';

void putInt32(std::string& out, size_t offset, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        out[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
}

void putText(std::string& out, size_t offset, size_t width, const std::string& text,
             const char* what) {
    if (text.size() >= width) {
        throw std::invalid_argument(std::string("Sequential.cfg: ") + what + " \"" + text +
                                    "\" needs fewer than " + std::to_string(width) + " characters");
    }
    out.replace(offset, text.size(), text);
}

} // namespace

bool survivesTextMode(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == endOfFileMark) {
            return false;
        }
        if (bytes[i] == carriageReturn && i + 1 < bytes.size() && bytes[i + 1] == lineFeed) {
            return false;
        }
    }
    return true;
}

int textSafeSeconds(int seconds) {
    std::string encoded(4, '\0');
    for (;; ++seconds) {
        putInt32(encoded, 0, seconds);
        if (survivesTextMode(encoded)) {
            return seconds;
        }
    }
}

std::string encodeSequenceFile(const SequenceProgram& program) {
    if (program.entries.size() > sequenceMaxWaves) {
        throw std::invalid_argument("Sequential.cfg: at most 60 waves");
    }
    constexpr size_t recordStart = sequenceTitleBytes + sequenceDescriptionBytes;
    constexpr size_t namesOffset = 20;
    constexpr size_t timesOffset = namesOffset + sequenceMaxWaves * sequenceNameBytes;
    std::string bytes(recordStart + sequenceRecordBytes, '\0');
    putText(bytes, 0, sequenceTitleBytes, program.title, "title");
    putText(bytes, sequenceTitleBytes, sequenceDescriptionBytes, program.description,
            "description");
    putInt32(bytes, recordStart + 0, program.timed ? 1 : 0);
    putInt32(bytes, recordStart + 4, program.noCountdown ? 1 : 0);
    putInt32(bytes, recordStart + 8, program.loop ? 1 : 0);
    putInt32(bytes, recordStart + 12, program.loopPauseSeconds);
    putInt32(bytes, recordStart + 16, static_cast<int32_t>(program.entries.size()));
    for (size_t i = 0; i < program.entries.size(); ++i) {
        const SequenceEntry& entry = program.entries[i];
        if (entry.startSeconds < 0) {
            throw std::invalid_argument("Sequential.cfg: negative start time for " +
                                        entry.waveName);
        }
        putText(bytes, recordStart + namesOffset + i * sequenceNameBytes, sequenceNameBytes,
                entry.waveName, "wave name");
        putInt32(bytes, recordStart + timesOffset + 4 * i, entry.startSeconds);
    }
    if (!survivesTextMode(bytes)) {
        throw std::invalid_argument(
            "Sequential.cfg: a value holds a Ctrl-Z or CR LF byte pair, which text-mode reading "
            "would drop; choose start times with textSafeSeconds");
    }
    return bytes;
}

} // namespace soundpack
