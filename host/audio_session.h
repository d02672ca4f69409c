// Where the plug-in's sound goes during a flight: mixed offline and kept in a WAV file or
// dropped, or played on the sound card at real-time pace; and the trace of what is heard.
#pragma once

#include "platform/audio/wav_writer.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace vrhost {

struct AudioSessionOptions {
    std::string recordPath; // empty: the offline mix is dropped
    bool realtime = false;
    std::string tracePath; // empty: no trace
    bool showProgress = false;
    bool headphones = false; // binaural rendering
};

class AudioSession {
public:
    // Chooses the output before the plug-in creates its sound device; false (and `error`)
    // when a file cannot be created.
    bool start(const AudioSessionOptions& options, std::function<double()> simulatedSeconds,
               std::string& error);
    // After each frame: mixes the frame's real seconds, or waits until the wall clock has
    // caught up with them.
    void afterFrame(double systemStepS, double flightFraction);
    // Completes the WAV file and the trace; false when the WAV file could not be written.
    bool finish(std::string& error);

    double recordedSeconds() const;
    // Whether the flight plays at real-time pace: asked for, or the platform's only way.
    bool realtime() const { return realtime_; }

private:
    void showProgress(double flightFraction);
    void reportSoundLibrary();

    AudioSessionOptions options_;
    bool realtime_ = false;
    platform::audio::WavWriter recording_;
    bool recordingFailed_ = false;
    double pacedSeconds_ = 0.0;
    std::chrono::steady_clock::time_point pacingStart_;
    int shownPercent_ = -1;
    // The sound library's own messages, told in one line of vrhost's.
    std::vector<std::string> libraryMessages_;
};

} // namespace vrhost
