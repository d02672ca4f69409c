// The sound-design table of the default pack: which recipe makes which file of the Sound tree,
// at which level, and what a listener hears in it.
#pragma once

#include "soundpack/dsp/levels.h"
#include "soundpack/dsp/signal.h"
#include "soundpack/io/mp3_encoder.h"
#include "soundpack/io/sequence_file.h"
#include "soundpack/recipes/recipe_kit.h"

#include <functional>
#include <string>
#include <vector>

namespace soundpack {

struct SoundDesign {
    std::string systemPath; // as the system names it, "sound\vessel\land.wav"
    std::string what;
    std::function<Signal(Studio&)> recipe;
    LevelTarget level;
};

// A radio frequency folder whose waves play as a timed program ("Sequential.cfg"); each wave
// starts `gapSeconds` after the previous one ends.
struct RadioProgram {
    std::string folder;             // "sound\radio\128.550 Launch Control"
    SequenceProgram shape;          // everything but the entries, which follow from the waves
    std::vector<SoundDesign> waves; // paths relative to the folder
    double gapSeconds;
};

struct MusicTrack {
    std::string systemPath;
    std::string what;
    TrackTags tags;
    std::function<Signal()> recipe;
};

struct TextFile {
    std::string systemPath;
    std::string what;
    std::string content;
};

struct PackDesign {
    std::vector<SoundDesign> sounds;
    std::vector<RadioProgram> radioPrograms;
    std::vector<MusicTrack> music;
    std::vector<TextFile> texts;

    size_t fileCount() const;
};

PackDesign defaultPackDesign();

} // namespace soundpack
