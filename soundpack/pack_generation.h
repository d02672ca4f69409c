// Making the files of a pack design, one after another, with a progress line per file.
#pragma once

#include "soundpack/io/pack_writer.h"
#include "soundpack/pack_design.h"

namespace soundpack {

// Generates, levels and writes every file of `design`. Throws std::runtime_error (or what a
// recipe throws) on the first failure.
void generatePack(const PackDesign& design, Studio& studio, PackWriter& writer);

// The level-matched signal of one design row.
Signal renderSound(const SoundDesign& sound, Studio& studio);

} // namespace soundpack
