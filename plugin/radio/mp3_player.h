// The pilot's music player.
#pragma once

namespace zephyrin {

class Mp3Player;

// Null when no player could be made.
Mp3Player* createMp3Player(const char* simulatorDir, int mode, int volume);
void shuffleMp3Playlist(Mp3Player* player);
void stopAndDestroyMp3Player(Mp3Player*& player);

} // namespace zephyrin
