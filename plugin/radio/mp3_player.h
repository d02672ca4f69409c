// The pilot's music: a track list from the playlist or the MP3 folder, played one track after
// another whenever the play mode allows it, fading in in space and out as the air thickens.
#pragma once

#include "plugin/radio/mp3_graph.h"

#include <cstdint>
#include <memory>

namespace zephyrin {

constexpr int mp3TrackMax = 200;
constexpr int mp3PathLength = 1024;
constexpr int mp3RootLength = 260;

// MP3MODE: when the music plays.
enum Mp3Mode : int32_t {
    Mp3Never = 0,
    Mp3SpaceExternal = 1,
    Mp3Space = 2,
    Mp3CockpitOnly = 3,
    Mp3AlwaysExternal = 4,
    Mp3Always = 5,
};

class Mp3Player {
public:
    // Builds the track list; `graph` null means the platform gave no media graph.
    Mp3Player(const char* rootFolder, int mode, int volume, std::unique_ptr<Mp3Graph> graph);

    void Shuffle();
    // One lateTick: starts, fades, silences or moves on by the view and the pressure (Pa).
    void Update(int cameraInternal, int atmPressure, double frameStep);
    void NextTrack();
    void PreviousTrack();
    void ToggleStartStop();
    void CycleMode(int cameraInternal, int atmPressure);
    // Stops and releases the graph, as at window close.
    void Release();

    char tracks[mp3TrackMax][mp3PathLength];
    int32_t trackCount = 0;
    int32_t playing = 0;
    int32_t currentTrack = 0;
    int32_t playMode = 0;
    int32_t fromPlaylist = 0;
    char title[mp3PathLength];
    int32_t userStopped = 0;
    char rootFolder[mp3RootLength];
    std::unique_ptr<Mp3Graph> graph;
    float fadeVolume = 0;
    float appliedVolume = 0;
    int32_t errorCount = 0;
    char currentPath[mp3PathLength];
    float targetVolume = 0;

private:
    void readPlaylist();
    void listFolder();
    void makeTitle();
    void stepTrack(int step);
    void startCurrentTrack(int cameraInternal, int atmPressure);
    void restartFade();
    void setVolumeCounted(float volume);
};

// Hundredths of a decibel for VOLMP3 0..255: 255 is 0 (full), 61 is -3880, 60 is -7605.
float mp3TargetVolume(int volume);
bool mp3ModeAllowsPlaying(int mode, int cameraInternal, int atmPressure);
// A playlist line as a track path relative to the root folder, or false when it is no track.
bool playlistTrack(const char* line, const char* rootFolder, char* track, size_t trackSize);

// Null when no player could be made.
Mp3Player* createMp3Player(const char* simulatorDir, int mode, int volume);
void shuffleMp3Playlist(Mp3Player* player);
void stopAndDestroyMp3Player(Mp3Player*& player);
// The frame's poll of the player: plays, pauses or moves on by the view and the air pressure.
void updateMp3Player(Mp3Player* player, int cameraInternal, int atmPressure, double frameStep);

} // namespace zephyrin
