// RIFF WAVE files: 16-bit PCM, the only form the plug-in's reader needs.
#pragma once

#include "soundpack/dsp/signal.h"

#include <filesystem>

namespace soundpack {

// Writes 16-bit PCM, one or two channels, rounded and clipped to full scale. Throws
// std::runtime_error when the file cannot be written.
void writeWav(const std::filesystem::path& path, const Signal& signal);

// Reads 16-bit PCM, any channel count (for espeak-ng's output and the tests). A data chunk that
// claims more bytes than the file holds is cut to what is there, as streamed output may claim.
// Throws std::runtime_error on anything else.
Signal readWav(const std::filesystem::path& path);

} // namespace soundpack
