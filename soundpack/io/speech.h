// Speech from espeak-ng: the text goes out, a 22050 Hz mono wave comes back, trimmed to the
// spoken part. espeak-ng is deterministic, so the pack stays byte-identical between builds.
#pragma once

#include "soundpack/dsp/signal.h"

#include <filesystem>
#include <string>

namespace soundpack {

struct Voice {
    std::string name;   // espeak-ng voice and variant, "en-us+m3"
    int wordsPerMinute; // espeak-ng -s
    int pitch;          // espeak-ng -p, 0..99
};

class SpeechSynthesizer {
public:
    // `workFolder` holds the temporary waves; it must exist.
    explicit SpeechSynthesizer(std::filesystem::path workFolder);

    // The spoken text at standardRateHz, silence at both ends removed. Throws std::runtime_error
    // when espeak-ng fails or says nothing.
    Samples speak(const Voice& voice, const std::string& text);

private:
    std::filesystem::path workFolder_;
    int utterance_ = 0;
};

// Drops the leading and trailing parts quieter than `thresholdDb` below the loudest sample,
// keeping `marginSeconds` around the speech.
Samples trimSilence(const Samples& samples, int sampleRateHz, double thresholdDb,
                    double marginSeconds);

} // namespace soundpack
