// The host's control of the system's DirectSound, which mixes on the sound card only: the
// flight plays at real-time pace, and no offline mix exists to pull.
#include "platform/audio/audio_output.h"

#include <cstdint>
#include <vector>

namespace platform::audio {

namespace {
struct SilentStream {
    double requestedSeconds = 0.0;
    uint64_t framesRendered = 0;
    std::vector<uint8_t> samples;
};

SilentStream& stream() {
    static SilentStream theStream;
    return theStream;
}
} // namespace

void selectOutput(Output) {}

Output selectedOutput() {
    return Output::SoundCard;
}

bool selectHeadphones(bool headphones) {
    return !headphones;
}

bool headphonesSelected() {
    return false;
}

void setSoundLibraryLog(SoundLibraryLog) {}

RenderedAudio renderOffline(double seconds) {
    // No device is ever offline here: the silence of "no device alive", counted in whole frames
    // of the total so that fractions carry over.
    SilentStream& theStream = stream();
    const WAVEFORMATEX format = defaultOfflineFormat();
    theStream.requestedSeconds += seconds;
    const auto framesDue =
        static_cast<uint64_t>(theStream.requestedSeconds * format.nSamplesPerSec);
    const uint64_t frames = framesDue - theStream.framesRendered;
    theStream.framesRendered = framesDue;
    theStream.samples.assign(frames * format.nBlockAlign, 0);
    return {format, theStream.samples};
}

} // namespace platform::audio
