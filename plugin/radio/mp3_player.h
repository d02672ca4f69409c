// The pilot's music player.
#pragma once

namespace zephyrin {

class Mp3Player;

// Null when no player could be made.
Mp3Player* createMp3Player(const char* simulatorDir, int mode, int volume);
void shuffleMp3Playlist(Mp3Player* player);
void stopAndDestroyMp3Player(Mp3Player*& player);
// The frame's poll of the player: plays, pauses or moves on by the view and the air pressure.
void updateMp3Player(Mp3Player* player, int cameraInternal, int atmPressure, double frameStep);

} // namespace zephyrin
