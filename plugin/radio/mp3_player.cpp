#include "plugin/radio/mp3_player.h"

namespace zephyrin {

// This build has no music player yet: creation reports that none exists.
Mp3Player* createMp3Player(const char*, int, int) {
    return nullptr;
}

void shuffleMp3Playlist(Mp3Player*) {}

void updateMp3Player(Mp3Player*, int, int, double) {}

void stopAndDestroyMp3Player(Mp3Player*& player) {
    player = nullptr;
}

} // namespace zephyrin
