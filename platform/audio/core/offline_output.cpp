// The output the host selected, and the offline mix it pulls.
#include "platform/audio/audio_output.h"
#include "platform/audio/core/output_registry.h"
#include "platform/audio/core/sample_conversion.h"
#include "platform/audio/openal/openal_mixer.h"

#include <cmath>
#include <vector>

namespace platform::audio {

namespace {
struct OfflineStream {
    Output output = Output::SoundCard;
    bool headphones = false;
    std::weak_ptr<OfflineRender> source;
    WAVEFORMATEX format = defaultOfflineFormat();
    // Time is counted in frames of the current rate from `rateStartSeconds`, so that rounding
    // never accumulates; a new rate starts a new count.
    double rateStartSeconds = 0.0;
    double requestedSeconds = 0.0;
    uint64_t framesRendered = 0;
    std::vector<float> mix;
    std::vector<uint8_t> samples;

    void follow(const WAVEFORMATEX& newFormat) {
        if (newFormat.nSamplesPerSec != format.nSamplesPerSec) {
            rateStartSeconds += double(framesRendered) / format.nSamplesPerSec;
            framesRendered = 0;
        }
        format = newFormat;
    }
};

OfflineStream& stream() {
    static OfflineStream theStream;
    return theStream;
}
} // namespace

void selectOutput(Output output) {
    stream().output = output;
}

Output selectedOutput() {
    return stream().output;
}

bool selectHeadphones(bool headphones) {
    stream().headphones = headphones;
    return true;
}

bool headphonesSelected() {
    return stream().headphones;
}

std::shared_ptr<Mixer> openSelectedMixer() {
    OfflineStream& theStream = stream();
    if (theStream.output == Output::SoundCard)
        return openSoundCardMixer(theStream.headphones);
    // A new device starts at the default format until its primary buffer sets one.
    OfflineMixer offline = openOfflineMixer(defaultOfflineFormat(), theStream.headphones);
    if (offline.render)
        theStream.source = offline.render;
    return offline.mixer;
}

RenderedAudio renderOffline(double seconds) {
    OfflineStream& theStream = stream();
    const std::shared_ptr<OfflineRender> source = theStream.source.lock();
    if (source)
        theStream.follow(source->outputFormat());
    theStream.requestedSeconds += std::max(seconds, 0.0);
    const WAVEFORMATEX& format = theStream.format;
    const auto framesDue = uint64_t(std::llround(
        (theStream.requestedSeconds - theStream.rateStartSeconds) * format.nSamplesPerSec));
    const size_t frames =
        framesDue > theStream.framesRendered ? size_t(framesDue - theStream.framesRendered) : 0;
    theStream.framesRendered += frames;

    const size_t sampleCount = frames * format.nChannels;
    theStream.mix.assign(sampleCount, 0.0f);
    if (source && frames > 0)
        source->render(theStream.mix.data(), frames);
    theStream.samples.resize(frames * format.nBlockAlign);
    convertToPcm(theStream.mix.data(), sampleCount, format.wBitsPerSample,
                 theStream.samples.data());
    return {format, theStream.samples};
}

} // namespace platform::audio
