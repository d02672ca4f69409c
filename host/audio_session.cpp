#include "host/audio_session.h"

#include "platform/audio/audio_output.h"

#include <algorithm>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace vrhost {

namespace {
constexpr int progressBarWidth = 40;
const std::string soundCardFailure = "the default sound device cannot be opened";
} // namespace

bool AudioSession::start(const AudioSessionOptions& options,
                         std::function<double()> simulatedSeconds, std::string& error) {
    options_ = options;
    platform::audio::selectOutput(options.realtime ? platform::audio::Output::SoundCard
                                                   : platform::audio::Output::Offline);
    // Where the platform's DirectSound mixes on the sound card only (Windows), the flight
    // follows the wall clock.
    realtime_ = platform::audio::selectedOutput() == platform::audio::Output::SoundCard;
    if (realtime_ && !options.recordPath.empty()) {
        error = "this platform's DirectSound plays on the sound card only: --record is unavailable";
        return false;
    }
    if (!platform::audio::selectHeadphones(options.headphones)) {
        error = "headphones are this system's speaker setting here, not a program's: choose them "
                "in the system's sound settings instead of --headphones";
        return false;
    }
    if (!options.tracePath.empty() &&
        !platform::audio::startTrace(options.tracePath, std::move(simulatedSeconds))) {
        error = "cannot write the trace " + options.tracePath;
        return false;
    }
    // The recording takes the format of the mix as it is when the first sound is rendered; the
    // plug-in sets it when it opens its device.
    if (!options.recordPath.empty()) {
        std::FILE* probe = std::fopen(options.recordPath.c_str(), "wb");
        if (probe == nullptr) {
            error = "cannot write the recording " + options.recordPath;
            return false;
        }
        std::fclose(probe);
    }
    if (realtime_) {
        platform::audio::setSoundLibraryLog(
            [this](const std::string& message) { libraryMessages_.push_back(message); });
    }
    pacingStart_ = std::chrono::steady_clock::now();
    return true;
}

// On a machine without a sound card the library says so in a dozen lines; the first tells why.
void AudioSession::reportSoundLibrary() {
    if (libraryMessages_.empty()) {
        return;
    }
    bool failed = std::find(libraryMessages_.begin(), libraryMessages_.end(), soundCardFailure) !=
                  libraryMessages_.end();
    const std::string& reason = libraryMessages_.front();
    if (failed && reason != soundCardFailure) {
        std::fprintf(stderr, "vrhost: no sound card to play on (%s): the flight goes on silently\n",
                     reason.c_str());
    } else if (failed) {
        std::fprintf(stderr, "vrhost: no sound card to play on: the flight goes on silently\n");
    } else {
        for (const std::string& message : libraryMessages_) {
            std::fprintf(stderr, "vrhost: sound library: %s\n", message.c_str());
        }
    }
    libraryMessages_.clear();
}

void AudioSession::afterFrame(double systemStepS, double flightFraction) {
    if (realtime_) {
        reportSoundLibrary();
        pacedSeconds_ += systemStepS;
        std::this_thread::sleep_until(pacingStart_ + std::chrono::duration<double>(pacedSeconds_));
        return;
    }
    platform::audio::RenderedAudio mix = platform::audio::renderOffline(systemStepS);
    if (!options_.recordPath.empty() && !recordingFailed_) {
        if (!recording_.isOpen() && !recording_.open(options_.recordPath, mix.format)) {
            recordingFailed_ = true;
        } else if (!recording_.write(mix.samples)) {
            recordingFailed_ = true;
        }
    }
    if (options_.showProgress) {
        showProgress(flightFraction);
    }
}

void AudioSession::showProgress(double flightFraction) {
    int percent = static_cast<int>(flightFraction * 100.0);
    if (percent == shownPercent_ || !::isatty(STDERR_FILENO)) {
        return;
    }
    shownPercent_ = percent;
    int filled = percent * progressBarWidth / 100;
    std::fprintf(stderr, "\r[%-*s] %3d%% recorded", progressBarWidth,
                 std::string(filled, '#').c_str(), percent);
    if (percent >= 100) {
        std::fputc('\n', stderr);
    }
    std::fflush(stderr);
}

double AudioSession::recordedSeconds() const {
    const WAVEFORMATEX& format = recording_.format();
    return format.nAvgBytesPerSec == 0
               ? 0.0
               : static_cast<double>(recording_.dataBytes()) / format.nAvgBytesPerSec;
}

bool AudioSession::finish(std::string& error) {
    platform::audio::stopTrace();
    reportSoundLibrary();
    platform::audio::setSoundLibraryLog(nullptr);
    if (options_.recordPath.empty()) {
        return true;
    }
    if (recordingFailed_ || !recording_.close()) {
        error = "the recording " + options_.recordPath + " could not be written completely";
        return false;
    }
    return true;
}

} // namespace vrhost
