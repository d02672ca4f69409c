// "Sequential.cfg": the file that turns a radio frequency folder into a fixed program of waves.
// Layout: a 210-byte block and a 300-byte block that the plug-in skips (here: the program's title
// and description), then the 4112-byte record of little-endian int32 fields and fixed names.
//
// The plug-in reads the file in text mode, where a CR LF pair reads as LF and a Ctrl-Z ends the
// file; a start time such as 26 s (byte 0x1A) or 2573 s (bytes 0D 0A) would cut or shift the
// record it reads. The encoder therefore refuses any content that text mode would change.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace soundpack {

inline constexpr size_t sequenceTitleBytes = 210;
inline constexpr size_t sequenceDescriptionBytes = 300;
inline constexpr size_t sequenceRecordBytes = 4112;
inline constexpr size_t sequenceMaxWaves = 60;
inline constexpr size_t sequenceNameBytes = 60;

struct SequenceEntry {
    std::string waveName; // relative to the folder, under 60 characters
    int startSeconds;     // after the start of the sequence (timed programs)
};

struct SequenceProgram {
    std::string title;
    std::string description;
    bool timed = true;
    bool noCountdown = false;
    bool loop = false;
    int loopPauseSeconds = 0;
    std::vector<SequenceEntry> entries;
};

// True when reading `bytes` in text mode gives back the same bytes.
bool survivesTextMode(std::string_view bytes);

// The first whole second at or after `seconds` that can be stored as a start time.
int textSafeSeconds(int seconds);

// The file's bytes. Throws std::invalid_argument for more than 60 waves, a name of 60 characters
// or more, an over-long title or description, a negative time, or content text mode would alter.
std::string encodeSequenceFile(const SequenceProgram& program);

} // namespace soundpack
