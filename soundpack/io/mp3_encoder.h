// MP3 files for the music folder, encoded by Debian's lame.
#pragma once

#include "soundpack/dsp/signal.h"

#include <filesystem>
#include <string>

namespace soundpack {

struct TrackTags {
    std::string title;
    std::string artist;
    std::string album;
};

// Encodes `signal` (written first as a temporary wave in `workFolder`) into `mp3Path` with an
// ID3 tag. Throws std::runtime_error when lame fails.
void encodeMp3(const std::filesystem::path& mp3Path, const Signal& signal, const TrackTags& tags,
               const std::filesystem::path& workFolder);

} // namespace soundpack
