#include "plugin/radio/frequency_folders.h"

#include "platform/file_system.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/radio/radio_state.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace zephyrin {

namespace {

constexpr const char* radioFolder = "sound\\radio\\";
constexpr const char* sequenceFileName = "Sequential.cfg";
// The file's title and description blocks come before the record.
constexpr size_t sequenceTitleBytes = 210;
constexpr size_t sequenceDescriptionBytes = 300;
constexpr size_t sequenceRecordBytes = 4112;
constexpr size_t namesOffset = 20;
constexpr size_t timesOffset = namesOffset + chatterWaveMax * sequenceNameLength;
constexpr int tuneVolume = 255;

int32_t littleEndian32(const unsigned char* bytes) {
    return static_cast<int32_t>(
        static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
        static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

void decodeSequenceRecord(const unsigned char* bytes, SequenceRecord& record) {
    record.timed = littleEndian32(bytes);
    record.noCountdown = littleEndian32(bytes + 4);
    record.loop = littleEndian32(bytes + 8);
    record.loopPause = littleEndian32(bytes + 12);
    record.count = std::clamp(littleEndian32(bytes + 16), 0, chatterWaveMax);
    for (int wave = 0; wave < chatterWaveMax; ++wave) {
        const char* name = reinterpret_cast<const char*>(bytes + namesOffset) +
                           static_cast<size_t>(wave) * sequenceNameLength;
        size_t length = strnlen(name, sequenceNameLength - 1);
        std::memcpy(record.names[wave], name, length);
        record.names[wave][length] = '\0';
        record.times[wave] = littleEndian32(bytes + timesOffset + 4 * static_cast<size_t>(wave));
    }
}

// Appends folderPath + name unless the whole path does not fit an entry.
bool addChatterWave(const char* folderPath, const char* name) {
    if (radio.chatterWaveCount >= chatterWaveMax) {
        return false;
    }
    char* entry = radio.chatterWaves[radio.chatterWaveCount];
    int length = std::snprintf(entry, chatterPathLength, "%s%s", folderPath, name);
    if (length < 0 || length >= chatterPathLength) {
        entry[0] = '\0';
        return false;
    }
    ++radio.chatterWaveCount;
    return true;
}

const char* folderServingComFrequency() {
    for (int index = 0; index < radio.frequencyFolderCount; ++index) {
        if (std::strstr(radio.frequencyFolders[index], radio.comFrequency) != nullptr) {
            return radio.frequencyFolders[index];
        }
    }
    return nullptr;
}

void takeSequenceWaves(const char* folderPath) {
    for (int wave = 0; wave < radio.sequence.count; ++wave) {
        // A wave whose path does not fit is left out; the program keeps its order and times.
        if (!addChatterWave(folderPath, radio.sequence.names[wave])) {
            std::memmove(&radio.sequence.times[radio.chatterWaveCount],
                         &radio.sequence.times[radio.chatterWaveCount + 1],
                         sizeof(int32_t) *
                             static_cast<size_t>(chatterWaveMax - 1 - radio.chatterWaveCount));
        }
    }
    radio.sequenceStartTime = frame.simTime;
    radio.lastChatterIndex = 0;
    radio.nextSequenceIndex = 0;
}

void takeFolderWaves(const char* folderPath) {
    char pattern[frequencyFolderNameLength + 32];
    std::snprintf(pattern, sizeof pattern, "%s*.wav", folderPath);
    for (const platform::FolderEntry& entry : platform::findFiles(pattern)) {
        if (entry.isFolder) {
            continue;
        }
        if (radio.chatterWaveCount >= chatterWaveMax) {
            break;
        }
        addChatterWave(folderPath, entry.name.c_str());
    }
    radio.lastChatterIndex = 0;
}

} // namespace

void ScanFrequencyFolders() {
    radio.frequencyFolderCount = 0;
    std::memset(radio.frequencyFolders, 0, sizeof radio.frequencyFolders);
    platform::setCurrentFolder(plugin.simulatorDir);
    for (const platform::FolderEntry& entry : platform::findFiles("sound\\radio\\*.*")) {
        if (!entry.isFolder || entry.name == "." || entry.name == "..") {
            continue;
        }
        if (entry.name.size() >= frequencyFolderNameLength) {
            continue;
        }
        std::snprintf(radio.frequencyFolders[radio.frequencyFolderCount], frequencyFolderNameLength,
                      "%s", entry.name.c_str());
        if (++radio.frequencyFolderCount == frequencyFolderMax) {
            break;
        }
    }
}

int ReadSequenceFile(const char* folderPath) {
    char path[frequencyFolderNameLength + 32];
    int length = std::snprintf(path, sizeof path, "%s%s", folderPath, sequenceFileName);
    if (length < 0 || static_cast<size_t>(length) >= sizeof path) {
        return 0;
    }
    FILE* file = platform::openFile(path, "rt");
    if (file == nullptr) {
        return 0;
    }
    // A short file reads as zeros past its end, never as the last folder's program.
    static unsigned char bytes[sequenceTitleBytes + sequenceDescriptionBytes + sequenceRecordBytes];
    std::memset(bytes, 0, sizeof bytes);
    size_t offset = 0;
    for (size_t block : {sequenceTitleBytes, sequenceDescriptionBytes, sequenceRecordBytes}) {
        offset += std::fread(bytes + offset, 1, block, file);
    }
    std::fclose(file);
    decodeSequenceRecord(bytes + sequenceTitleBytes + sequenceDescriptionBytes, radio.sequence);
    radio.sequentialMode = 1;
    return 1;
}

void SelectFrequencyFolder() {
    resetSlot(stockSlot(RadioChatter));
    radio.chatterWaveCount = 0;
    radio.sequentialMode = 0;
    std::memset(radio.chatterWaves, 0, sizeof radio.chatterWaves);
    std::memset(radio.playedFlags, 0, sizeof radio.playedFlags);
    std::memset(&radio.sequence, 0, sizeof radio.sequence);

    const char* folder = folderServingComFrequency();
    if (folder == nullptr) {
        return;
    }
    if (frame.cameraInternal == 1) {
        playWaveSimple(stockSlot(RadioTune), 0, tuneVolume);
    }
    char folderPath[frequencyFolderNameLength + 16];
    std::snprintf(folderPath, sizeof folderPath, "%s%s\\", radioFolder, folder);
    if (ReadSequenceFile(folderPath) == 1) {
        takeSequenceWaves(folderPath);
    } else {
        takeFolderWaves(folderPath);
    }
}

} // namespace zephyrin
