#include "platform/audio/audio_output.h"

namespace platform::audio {

namespace {
WAVEFORMATEX stereoPcm(DWORD rate) {
    constexpr WORD channels = 2;
    constexpr WORD bits = 16;
    constexpr WORD blockAlign = channels * bits / 8;
    return {WAVE_FORMAT_PCM, channels, rate, rate * blockAlign, blockAlign, bits, 0};
}
} // namespace

WAVEFORMATEX defaultOfflineFormat() {
    return stereoPcm(22050);
}

// The rate of OpenAL Soft's HRTF data sets (default-44100.mhr, and its built-in set), which it
// does not resample: at 22050 Hz it refuses HRTF.
WAVEFORMATEX binauralFormat() {
    return stereoPcm(44100);
}

} // namespace platform::audio
