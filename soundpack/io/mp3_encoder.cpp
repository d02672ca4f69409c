#include "soundpack/io/mp3_encoder.h"

#include "soundpack/io/external_program.h"
#include "soundpack/io/wav_file.h"

namespace soundpack {

void encodeMp3(const std::filesystem::path& mp3Path, const Signal& signal, const TrackTags& tags,
               const std::filesystem::path& workFolder) {
    const std::filesystem::path wave = workFolder / "track.wav";
    writeWav(wave, signal);
    // VBR quality 4 (about 165 kbit/s): transparent for synthesized music at a modest size.
    runProgram({"lame", "--quiet", "-V", "4", "--add-id3v2", "--tt", tags.title, "--ta",
                tags.artist, "--tl", tags.album, wave.string(), mp3Path.string()});
    std::filesystem::remove(wave);
}

} // namespace soundpack
