// A RIFF WAVE file of PCM samples, written as they come: the header's sizes are patched when the
// file is closed, so an unclosed file has a header of length zero.
#pragma once

#include "platform/audio/dsound.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace platform::audio {

class WavWriter {
public:
    WavWriter() = default;
    ~WavWriter() { close(); }
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Creates the file and writes the header of `format` (PCM). False when it cannot.
    bool open(const std::string& path, const WAVEFORMATEX& format);
    bool isOpen() const { return file_ != nullptr; }
    const WAVEFORMATEX& format() const { return format_; }

    // Appends whole frames. False on a write error, or when the data would pass the 4 GiB that
    // the header's sizes can count; nothing of the refused samples is written.
    bool write(std::span<const uint8_t> samples);
    uint32_t dataBytes() const { return dataBytes_; }

    // Patches the sizes and closes. False when the file could not be completed.
    bool close();

private:
    struct FileCloser {
        void operator()(FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<FILE, FileCloser> file_;
    WAVEFORMATEX format_{};
    uint32_t dataBytes_ = 0;
    bool failed_ = false;
};

} // namespace platform::audio
