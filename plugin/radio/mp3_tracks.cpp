// The player's track list: the playlist "sound\mp3\zephyrin_playlist.m3u", else the MP3 folder;
// the title of the current track and the shuffle.
#include "platform/file_system.h"
#include "plugin/core/log.h"
#include "plugin/core/random.h"
#include "plugin/radio/mp3_player.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace zephyrin {

namespace {

constexpr const char* playlistFile = "sound\\mp3\\zephyrin_playlist.m3u";
constexpr const char* mp3Folder = "sound\\mp3\\";
constexpr const char* mp3Extension = ".mp3";
constexpr size_t longestPlaylistLine = 1022;
constexpr size_t shortestSkippedLine = 260;
constexpr size_t longestFolderName = 1011;
constexpr int folderTrackMax = mp3TrackMax - 1;
constexpr size_t titleNameLength = 42;
constexpr int shuffleKeyRange = 500;
constexpr int firstShuffleThreshold = 501;
constexpr int lastShuffleThreshold = -9;
constexpr int placedKey = -1000;

void cutAfterExtension(char* text) {
    if (char* extension = std::strstr(text, mp3Extension)) {
        extension[std::strlen(mp3Extension)] = '\0';
    }
}

void stripLineEnd(char* line) {
    size_t length = std::strlen(line);
    while (length > 0 && (line[length - 1] == '\n' || line[length - 1] == '\r')) {
        line[--length] = '\0';
    }
}

// The rest of a line that did not fit the read buffer.
void skipRestOfLine(FILE* file) {
    int c;
    while ((c = std::fgetc(file)) != EOF && c != '\n') {
    }
}

} // namespace

bool playlistTrack(const char* line, const char* rootFolder, char* track, size_t trackSize) {
    if (line == nullptr || line[0] == '#' || std::strstr(line, mp3Extension) == nullptr ||
        std::strlen(line) >= shortestSkippedLine) {
        return false;
    }
    char entry[shortestSkippedLine];
    std::snprintf(entry, sizeof entry, "%s", line);
    cutAfterExtension(entry);
    int written;
    if (entry[0] == '\\') {
        // The root of the simulator's drive: its drive letter where the root folder has one.
        bool hasDrive = rootFolder != nullptr && rootFolder[0] != '\0' && rootFolder[1] == ':';
        written = std::snprintf(track, trackSize, "%.*s%s", hasDrive ? 2 : 0,
                                hasDrive ? rootFolder : "", entry);
    } else if (entry[0] == '/' || entry[1] == ':') {
        written = std::snprintf(track, trackSize, "%s", entry);
    } else {
        written = std::snprintf(track, trackSize, "%s%s", mp3Folder, entry);
    }
    return written > 0 && static_cast<size_t>(written) < trackSize;
}

void Mp3Player::readPlaylist() {
    FILE* file = platform::openFile(playlistFile, "rt");
    if (file == nullptr) {
        return;
    }
    logLine("M3U list found attempting loading it.");
    static char line[mp3PathLength];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        bool wholeLine = std::strchr(line, '\n') != nullptr || std::feof(file);
        stripLineEnd(line);
        if (!wholeLine || std::strlen(line) > longestPlaylistLine) {
            logNote("ERROR MP3 name too long =", line);
            if (!wholeLine) {
                skipRestOfLine(file);
            }
            continue;
        }
        // Lines past the table are ignored.
        if (trackCount < mp3TrackMax &&
            playlistTrack(line, rootFolder, tracks[trackCount], sizeof tracks[trackCount])) {
            ++trackCount;
        }
    }
    std::fclose(file);
}

void Mp3Player::listFolder() {
    fromPlaylist = 0;
    std::vector<platform::FolderEntry> found = platform::findFiles("sound\\mp3\\*.mp3");
    if (found.empty()) {
        logLine("MP3 ERROR-> no MP3 found in the mp3 directory");
        return;
    }
    for (const platform::FolderEntry& entry : found) {
        if (trackCount >= folderTrackMax) {
            break;
        }
        if (entry.isFolder) {
            continue;
        }
        if (entry.name.size() > longestFolderName) {
            logNote("ERROR MP3 name too long =", entry.name.c_str());
            continue;
        }
        std::snprintf(tracks[trackCount], sizeof tracks[trackCount], "%s%s", mp3Folder,
                      entry.name.c_str());
        cutAfterExtension(tracks[trackCount] + std::strlen(mp3Folder));
        ++trackCount;
    }
    if (trackCount == 0) {
        logLine("WARNING - No MP3 found in playlist or directory.");
    } else {
        logNumber("MP3 found in directory =", trackCount);
    }
    makeTitle();
}

void Mp3Player::makeTitle() {
    if (trackCount == 0 || currentTrack < 0 || currentTrack >= trackCount ||
        tracks[currentTrack][0] == '\0') {
        std::snprintf(title, sizeof title, "No current mp3");
        return;
    }
    const char* path = tracks[currentTrack];
    const char* name = path;
    for (const char* c = path; *c != '\0'; ++c) {
        if (*c == '\\' || *c == '/') {
            name = c + 1;
        }
    }
    std::snprintf(title, sizeof title, "%i-%.*s", currentTrack + 1,
                  static_cast<int>(titleNameLength), name);
}

void Mp3Player::Shuffle() {
    logLine("MP3 attempting to shuffle playlist...");
    if (trackCount == 0) {
        logLine("No Mp3 no need to shuffle playlist");
        return;
    }
    if (trackCount == 1) {
        logLine("Only one Mp3 no need to shuffle playlist");
        return;
    }
    static char previous[mp3TrackMax][mp3PathLength];
    static int keys[mp3TrackMax];
    std::memcpy(previous, tracks, sizeof previous);
    for (int track = 0; track < trackCount; ++track) {
        keys[track] = drawRandom() % shuffleKeyRange;
    }
    int placed = 0;
    for (int threshold = firstShuffleThreshold;
         threshold >= lastShuffleThreshold && placed < trackCount; --threshold) {
        for (int track = 0; track < trackCount; ++track) {
            if (keys[track] > threshold) {
                std::memcpy(tracks[placed++], previous[track], mp3PathLength);
                keys[track] = placedKey;
                break;
            }
        }
    }
    int shuffled = placed;
    // Keys bunched low leave tracks unplaced when the thresholds run out: they follow in their
    // old order, so that no track is lost or doubled.
    for (int track = 0; track < trackCount; ++track) {
        if (keys[track] != placedKey) {
            std::memcpy(tracks[placed++], previous[track], mp3PathLength);
        }
    }
    if (shuffled > 0) {
        makeTitle();
        logNumber("Mp3 shuffled in playlist=", shuffled);
    } else {
        logLine("ERROR -> no mp3 shuffled");
    }
}

Mp3Player::Mp3Player(const char* root, int mode, int volume, std::unique_ptr<Mp3Graph> media)
    : playMode(mode), targetVolume(mp3TargetVolume(volume)) {
    std::snprintf(rootFolder, sizeof rootFolder, "%s", root != nullptr ? root : "");
    title[0] = '\0';
    currentPath[0] = '\0';
    graph = std::move(media);
    if (graph == nullptr) {
        logLine("MP3 ERROR-> class Mp3Player not initialized");
        return;
    }
    std::memset(tracks, 0, sizeof tracks);
    fromPlaylist = 1;
    platform::setCurrentFolder(rootFolder);
    readPlaylist();
    makeTitle();
    if (trackCount == 0) {
        listFolder();
    } else {
        logNumber("MP3 found in playlist =", trackCount);
    }
}

} // namespace zephyrin
