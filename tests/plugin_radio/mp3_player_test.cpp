#include "plugin/core/random.h"
#include "plugin/radio/mp3_player.h"
#include "radio_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace zephyrin;

// A media graph that plays whatever it is given, except files named "bad", and finishes a
// track when the test says so.
struct ScriptedMedia : platform::media::MediaGraph {
    std::vector<std::string>* calls;
    bool* finished;
    ScriptedMedia(std::vector<std::string>* c, bool* f) : calls(c), finished(f) {}
    HRESULT load(const char* path) override {
        calls->push_back(std::string("load ") + path);
        return std::string(path).find("bad") != std::string::npos ? E_FAIL : S_OK;
    }
    HRESULT run() override { return S_OK; }
    HRESULT stop() override {
        calls->push_back("stop");
        return S_OK;
    }
    HRESULT seekToStart() override {
        *finished = false;
        return S_OK;
    }
    HRESULT setVolume(long volume) override {
        calls->push_back("volume " + std::to_string(volume));
        return S_OK;
    }
    bool completed() override { return *finished; }
    void release() override {}
};

class Mp3PlayerTest : public testsupport::RadioTest {
protected:
    std::unique_ptr<Mp3Player> player(int mode, int volume = 255) {
        return std::make_unique<Mp3Player>(
            zephyrin::plugin.simulatorDir, mode, volume,
            std::make_unique<Mp3Graph>(std::make_unique<ScriptedMedia>(&calls, &finished)));
    }

    void writeTracks(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            folder.write("Sound/mp3/" + name, "");
        }
    }

    std::vector<std::string> volumes() const {
        std::vector<std::string> sent;
        for (const std::string& call : calls) {
            if (call.rfind("volume ", 0) == 0) {
                sent.push_back(call.substr(7));
            }
        }
        return sent;
    }

    std::vector<std::string> calls;
    bool finished = false;
};

TEST_F(Mp3PlayerTest, TheTargetVolumeFollowsVolMp3) {
    for (auto [volume, target] :
         {std::pair{255, 0.0f}, {61, -3880.0f}, {60, -7605.0f}, {0, -9945.0f}, {155, -2000.0f}}) {
        SCOPED_TRACE(volume);
        EXPECT_EQ(mp3TargetVolume(volume), target);
    }
}

TEST_F(Mp3PlayerTest, PlaylistLinesBecomeTracksByTheirForm) {
    struct Line {
        const char* line;
        const char* root;
        const char* track; // null: no track
    };
    const std::string tooLong = std::string(256, 'a') + ".mp3";
    const Line cases[] = {
        {"song.mp3", "C:\\Voranth\\", "sound\\mp3\\song.mp3"},
        {"song.mp3 a comment after it", "C:\\Voranth\\", "sound\\mp3\\song.mp3"},
        {"sub\\song.mp3\r\n", "C:\\Voranth\\", "sound\\mp3\\sub\\song.mp3"},
        {"#song.mp3", "C:\\Voranth\\", nullptr},
        {"song.MP3", "C:\\Voranth\\", nullptr},
        {"notes.txt", "C:\\Voranth\\", nullptr},
        {"\\Music\\song.mp3", "C:\\Voranth\\", "C:\\Music\\song.mp3"},
        {"\\Music\\song.mp3", "\\home\\pilot\\Voranth\\", "\\Music\\song.mp3"},
        {"D:\\Music\\song.mp3", "C:\\Voranth\\", "D:\\Music\\song.mp3"},
        {"/home/pilot/song.mp3", "\\home\\pilot\\Voranth\\", "/home/pilot/song.mp3"},
        {tooLong.c_str(), "C:\\Voranth\\", nullptr},
    };
    for (const Line& c : cases) {
        SCOPED_TRACE(c.line);
        char track[mp3PathLength] = "";
        bool taken = playlistTrack(c.line, c.root, track, sizeof track);
        EXPECT_EQ(taken, c.track != nullptr);
        if (c.track != nullptr) {
            EXPECT_STREQ(track, c.track);
        }
    }
}

TEST_F(Mp3PlayerTest, ThePlaylistComesFirstAndKeepsAtMost200Tracks) {
    std::string playlist = "#EXTM3U\n" + std::string(1100, 'x') + ".mp3\nfirst.mp3\n";
    for (int index = 0; index < 210; ++index) {
        playlist += "t" + std::to_string(index) + ".mp3\n";
    }
    folder.write("Sound/mp3/zephyrin_playlist.m3u", playlist);
    writeTracks({"folder.mp3"});
    auto music = player(Mp3Space);
    EXPECT_EQ(music->fromPlaylist, 1);
    EXPECT_EQ(music->trackCount, 200);
    EXPECT_STREQ(music->tracks[0], "sound\\mp3\\first.mp3");
    EXPECT_STREQ(music->title, "1-first.mp3");
    EXPECT_NE(log().find("ERROR MP3 name too long = xxxx"), std::string::npos);
    EXPECT_NE(log().find("MP3 found in playlist = 200"), std::string::npos);
}

TEST_F(Mp3PlayerTest, TheFolderGivesAtMost199TracksInNameOrder) {
    std::vector<std::string> names;
    for (int index = 0; index < 250; ++index) {
        char name[32];
        std::snprintf(name, sizeof name, "%03d Track.mp3", index);
        names.push_back(name);
    }
    writeTracks(names);
    auto music = player(Mp3Space);
    EXPECT_EQ(music->fromPlaylist, 0);
    EXPECT_EQ(music->trackCount, 199);
    EXPECT_STREQ(music->tracks[2], "sound\\mp3\\002 Track.mp3");
    music->NextTrack();
    music->NextTrack();
    EXPECT_STREQ(music->title, "3-002 Track.mp3");
    EXPECT_NE(log().find("MP3 found in directory = 199"), std::string::npos);
}

TEST_F(Mp3PlayerTest, TheTitleIsCutTo42Characters) {
    writeTracks({std::string(50, 'n') + ".mp3"});
    auto music = player(Mp3Space);
    EXPECT_EQ(std::string(music->title), "1-" + std::string(42, 'n'));
}

TEST_F(Mp3PlayerTest, NoTracksLeaveThePlayerQuietAndItsKeysHarmless) {
    auto music = player(Mp3Always);
    EXPECT_EQ(music->trackCount, 0);
    EXPECT_STREQ(music->title, "No current mp3");
    music->NextTrack();
    music->PreviousTrack();
    music->Update(1, 0, 0.025);
    music->Shuffle();
    EXPECT_TRUE(calls.empty());
    EXPECT_NE(log().find("MP3 ERROR-> no MP3 found in the mp3 directory"), std::string::npos);
    EXPECT_NE(log().find("No Mp3 no need to shuffle playlist"), std::string::npos);
}

TEST_F(Mp3PlayerTest, TheShuffleKeepsEveryTrackExactlyOnce) {
    std::string playlist;
    for (int index = 0; index < 200; ++index) {
        playlist += "t" + std::to_string(index) + ".mp3\n";
    }
    folder.write("Sound/mp3/zephyrin_playlist.m3u", playlist);
    for (uint32_t seed : {1u, 7u, 12345u, 99999u}) {
        SCOPED_TRACE(seed);
        auto music = player(Mp3Space);
        std::vector<std::string> before(music->tracks, music->tracks + music->trackCount);
        seedRandom(seed);
        music->Shuffle();
        std::vector<std::string> after(music->tracks, music->tracks + music->trackCount);
        EXPECT_NE(after, before);
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before);
    }
}

TEST_F(Mp3PlayerTest, InSpaceTheTrackFadesInAndMovesOnAtItsEnd) {
    writeTracks({"a.mp3", "b.mp3"});
    auto music = player(Mp3Space);
    for (int tick = 0; tick < 5; ++tick) {
        music->Update(1, 0, 0.1);
    }
    EXPECT_EQ(volumes(), (std::vector<std::string>{"0", "-1600", "-400", "0"}));
    finished = true;
    music->Update(1, 0, 0.1);
    EXPECT_EQ(music->playing, 0);
    EXPECT_STREQ(music->title, "2-b.mp3");
    music->Update(1, 0, 0.1);
    EXPECT_EQ(calls.back(), "volume 0");
    EXPECT_NE(std::find(calls.begin(), calls.end(), "load sound\\mp3\\b.mp3"), calls.end());
}

TEST_F(Mp3PlayerTest, TheAirFadesTheMusicOutAndStopsItAbove6000Pa) {
    writeTracks({"a.mp3", "b.mp3"});
    auto music = player(Mp3SpaceExternal);
    music->Update(0, 0, 0.1);
    calls.clear();
    music->Update(0, 100, 0.1);
    EXPECT_EQ(volumes(), std::vector<std::string>{"-200"});
    music->Update(0, 7000, 0.1);
    EXPECT_EQ(music->playing, 0);
    EXPECT_EQ(music->currentTrack, 1);
    calls.clear();
    music->Update(0, 50, 0.1);
    EXPECT_TRUE(calls.empty());
    music->Update(0, 0, 0.1);
    EXPECT_EQ(calls.front(), "load sound\\mp3\\b.mp3");
}

TEST_F(Mp3PlayerTest, ModesSilenceTheViewsTheyDoNotPlayIn) {
    writeTracks({"a.mp3"});
    auto external = player(Mp3AlwaysExternal);
    external->Update(0, 0, 0.1);
    calls.clear();
    external->Update(1, 0, 0.1);
    external->Update(0, 0, 0.1);
    EXPECT_EQ(volumes(), (std::vector<std::string>{"-10000", "-1600"}));
    EXPECT_EQ(external->playing, 1);

    calls.clear();
    auto cockpit = player(Mp3CockpitOnly, 61);
    cockpit->Update(1, 0, 0.1);
    cockpit->Update(0, 0, 0.1);
    cockpit->Update(1, 0, 0.1);
    EXPECT_EQ(volumes(), (std::vector<std::string>{"-3880", "-10000", "-3880"}));
}

TEST_F(Mp3PlayerTest, TooManyFailedLoadsDisableThePlayer) {
    std::vector<std::string> names;
    for (int index = 0; index < 25; ++index) {
        names.push_back("bad" + std::to_string(100 + index) + ".mp3");
    }
    writeTracks(names);
    auto music = player(Mp3Always);
    for (int tick = 0; tick < 30; ++tick) {
        music->Update(1, 0, 0.1);
    }
    EXPECT_EQ(music->trackCount, 0);
    std::string text = log();
    size_t failures = 0;
    for (size_t at = text.find("MP3 ERROR-> unable to load="); at != std::string::npos;
         at = text.find("MP3 ERROR-> unable to load=", at + 1)) {
        ++failures;
    }
    EXPECT_EQ(failures, 21u);
    EXPECT_NE(text.find("MP3 ERROR-> To much error disabling Mp3 playing"), std::string::npos);
}

TEST_F(Mp3PlayerTest, StartStopAndModeChangesStopTheTrack) {
    writeTracks({"a.mp3"});
    auto music = player(Mp3Always);
    music->Update(1, 0, 0.1);
    music->ToggleStartStop();
    EXPECT_EQ(music->playing, 0);
    EXPECT_EQ(music->userStopped, 1);
    calls.clear();
    music->Update(1, 0, 0.1);
    EXPECT_TRUE(calls.empty());
    music->ToggleStartStop();
    music->Update(1, 0, 0.1);
    EXPECT_EQ(music->playing, 1);
    music->CycleMode(1, 0); // 5 wraps to never
    EXPECT_EQ(music->playMode, Mp3Never);
    EXPECT_EQ(music->playing, 0);
}

} // namespace
