#include "soundpack/io/speech.h"

#include "soundpack/dsp/envelope.h"
#include "soundpack/io/external_program.h"
#include "soundpack/io/wav_file.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace soundpack {

SpeechSynthesizer::SpeechSynthesizer(std::filesystem::path workFolder)
    : workFolder_(std::move(workFolder)) {}

Samples SpeechSynthesizer::speak(const Voice& voice, const std::string& text) {
    const std::filesystem::path wave =
        workFolder_ / ("speech" + std::to_string(utterance_++) + ".wav");
    runProgram({"espeak-ng", "-v", voice.name, "-s", std::to_string(voice.wordsPerMinute), "-p",
                std::to_string(voice.pitch), "-w", wave.string(), text});
    Signal spoken = readWav(wave);
    std::filesystem::remove(wave);
    if (spoken.sampleRateHz != standardRateHz || spoken.channels.size() != 1) {
        throw std::runtime_error("espeak-ng did not give 22050 Hz mono for \"" + text + "\"");
    }
    Samples trimmed = trimSilence(spoken.channels.front(), standardRateHz, -45.0, 0.03);
    if (trimmed.empty()) {
        throw std::runtime_error("espeak-ng said nothing for \"" + text + "\"");
    }
    return trimmed;
}

Samples trimSilence(const Samples& samples, int sampleRateHz, double thresholdDb,
                    double marginSeconds) {
    float peak = 0.0f;
    for (float sample : samples) {
        peak = std::max(peak, std::fabs(sample));
    }
    if (peak <= 0.0f) {
        return {};
    }
    const float threshold = static_cast<float>(peak * std::pow(10.0, thresholdDb / 20.0));
    const auto loud = [threshold](float sample) { return std::fabs(sample) > threshold; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const auto margin = static_cast<std::ptrdiff_t>(framesFor(marginSeconds, sampleRateHz));
    const auto begin =
        samples.begin() + std::max<std::ptrdiff_t>(0, (first - samples.begin()) - margin);
    const auto end =
        samples.begin() + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(samples.size()),
                                                   (last - samples.begin()) + margin);
    Samples trimmed(begin, end);
    fadeEdges(trimmed, sampleRateHz, 0.005, 0.02);
    return trimmed;
}

} // namespace soundpack
