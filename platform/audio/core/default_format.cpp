#include "platform/audio/audio_output.h"

namespace platform::audio {

WAVEFORMATEX defaultOfflineFormat() {
    constexpr WORD channels = 2;
    constexpr WORD bits = 16;
    constexpr DWORD rate = 22050;
    constexpr WORD blockAlign = channels * bits / 8;
    return {WAVE_FORMAT_PCM, channels, rate, rate * blockAlign, blockAlign, bits, 0};
}

} // namespace platform::audio
