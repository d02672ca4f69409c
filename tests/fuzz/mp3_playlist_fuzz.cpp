// Any text as the music playlist: the track list built from it, shuffled, and played through
// a media graph that finishes every track at once, forwards and backwards; each line also as
// a track of a simulator on a drive with a letter.
#include "plugin/radio/mp3_player.h"
#include "plugin_fuzz_support.h"

#include <memory>
#include <string>

namespace {

using namespace zephyrin;

constexpr int frames = 8;
constexpr int vacuumPa = 0;
constexpr double frameSeconds = 0.5;
constexpr size_t longestLine = 2048;

struct InstantMedia : platform::media::MediaGraph {
    HRESULT load(const char*) override { return S_OK; }
    HRESULT run() override { return S_OK; }
    HRESULT stop() override { return S_OK; }
    HRESULT seekToStart() override { return S_OK; }
    HRESULT setVolume(long) override { return S_OK; }
    bool completed() override { return true; }
    void release() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzsupport::startPluginOnce();
    fuzzsupport::writeScratchFile("sound/mp3/zephyrin_playlist.m3u", data, size);
    auto player =
        std::make_unique<Mp3Player>(plugin.simulatorDir, Mp3Always, 255,
                                    std::make_unique<Mp3Graph>(std::make_unique<InstantMedia>()));
    player->Shuffle();
    for (int step = 0; step < frames; ++step) {
        player->Update(1, vacuumPa, frameSeconds);
    }
    player->PreviousTrack();
    player->PreviousTrack();
    player->NextTrack();
    player->Release();

    char track[mp3PathLength];
    for (const std::string& line : fuzzsupport::linesOf(data, size, longestLine)) {
        playlistTrack(line.c_str(), "C:\\Voranth\\", track, sizeof track);
    }
    fuzzsupport::forgetInput();
    return 0;
}
