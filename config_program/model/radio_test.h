// The sample radio frequency folder the radio Test plays through, wave after wave.
#pragma once

#include <string>
#include <vector>

namespace tunedesk {

inline constexpr const char* radioTestPattern = "sound\\radio\\140.300 STS-134\\*.wav";
inline constexpr int radioTestWaveLimit = 60;

// The folder's waves in search order, at most radioTestWaveLimit of them, as system paths.
std::vector<std::string> findRadioTestWaves();

// The radio text's message: empty when no wave was found.
std::string radioFoundMessage(int count);
// While wave `index` (from 0) plays.
std::string radioPlayingMessage(int index);

} // namespace tunedesk
