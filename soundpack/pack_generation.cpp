#include "soundpack/pack_generation.h"

#include <cmath>

namespace soundpack {

namespace {

void writeRadioProgram(const RadioProgram& program, Studio& studio, PackWriter& writer) {
    SequenceProgram sequence = program.shape;
    double nextStart = 0.0;
    for (const SoundDesign& wave : program.waves) {
        const Signal signal = renderSound(wave, studio);
        writer.writeSound(program.folder + "\\" + wave.systemPath, signal);
        const int start = textSafeSeconds(static_cast<int>(std::ceil(nextStart)));
        sequence.entries.push_back({wave.systemPath, start});
        nextStart = start + signal.seconds() + program.gapSeconds;
    }
    writer.writeBytes(program.folder + "\\Sequential.cfg", encodeSequenceFile(sequence));
}

} // namespace

Signal renderSound(const SoundDesign& sound, Studio& studio) {
    Signal signal = sound.recipe(studio);
    levelTo(signal, sound.level);
    return signal;
}

void generatePack(const PackDesign& design, Studio& studio, PackWriter& writer) {
    for (const SoundDesign& sound : design.sounds) {
        writer.writeSound(sound.systemPath, renderSound(sound, studio));
    }
    for (const RadioProgram& program : design.radioPrograms) {
        writeRadioProgram(program, studio, writer);
    }
    for (const MusicTrack& track : design.music) {
        const Signal music = track.recipe();
        encodeMp3(writer.place(track.systemPath), music, track.tags, studio.workFolder);
        char detail[48];
        std::snprintf(detail, sizeof detail, "%6.2f s  MP3 stereo %d Hz", music.seconds(),
                      music.sampleRateHz);
        writer.recordWritten(track.systemPath, detail);
    }
    for (const TextFile& text : design.texts) {
        writer.writeBytes(text.systemPath, text.content);
    }
}

} // namespace soundpack
