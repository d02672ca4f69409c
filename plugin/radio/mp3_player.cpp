#include "plugin/radio/mp3_player.h"

#include "plugin/audio/sound_device.h"
#include "plugin/core/log.h"
#include "plugin/core/plugin_state.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

namespace zephyrin {

namespace {

constexpr int quietVolumeLimit = 60;
constexpr float loudStep = 20.0f;
constexpr float quietStep = 39.0f;
constexpr int fullVolumeSetting = 255;
constexpr float fadeStartVolume = -2800.0f;
constexpr float silentVolume = -10000.0f;
constexpr float fadeInPerSecond = 12000.0f; // 120 dB per second
constexpr float fadeOutPerPascal = -2.0f;
constexpr int stopPressurePa = 6000;
constexpr int errorLimit = 20;

bool inSpace(int atmPressure) {
    return atmPressure < 1;
}

} // namespace

float mp3TargetVolume(int volume) {
    float step = volume > quietVolumeLimit ? loudStep : quietStep;
    return step * static_cast<float>(volume - fullVolumeSetting);
}

bool mp3ModeAllowsPlaying(int mode, int cameraInternal, int atmPressure) {
    bool cockpit = cameraInternal == 1;
    switch (mode) {
    case Mp3SpaceExternal:
        return !cockpit && inSpace(atmPressure);
    case Mp3Space:
        return inSpace(atmPressure);
    case Mp3CockpitOnly:
        return cockpit;
    case Mp3AlwaysExternal:
        return !cockpit;
    case Mp3Always:
        return true;
    default:
        return false;
    }
}

void Mp3Player::stepTrack(int step) {
    if (trackCount < 1) {
        return;
    }
    currentTrack = ((currentTrack + step) % trackCount + trackCount) % trackCount;
    makeTitle();
}

void Mp3Player::restartFade() {
    fadeVolume = fadeStartVolume;
    appliedVolume = fadeStartVolume;
}

void Mp3Player::setVolumeCounted(float volume) {
    if (FAILED(graph->SetVolume(std::trunc(volume)))) {
        logNote("MP3 ERROR-> unable to set volume=", currentPath);
        ++errorCount;
    }
}

void Mp3Player::startCurrentTrack(int cameraInternal, int atmPressure) {
    if (userStopped == 1 || graph == nullptr || trackCount == 0 ||
        !mp3ModeAllowsPlaying(playMode, cameraInternal, atmPressure)) {
        return;
    }
    std::snprintf(currentPath, sizeof currentPath, "%s", tracks[currentTrack]);
    if (FAILED(graph->Load(currentPath))) {
        logNote("MP3 ERROR-> unable to load=", currentPath);
        stepTrack(1);
        ++errorCount;
        return;
    }
    graph->Play();
    restartFade();
    graph->SetVolume(std::trunc(targetVolume));
    playing = 1;
    errorCount = 0;
}

void Mp3Player::Update(int cameraInternal, int atmPressure, double frameStep) {
    if (trackCount < 1 || graph == nullptr || (playMode == Mp3Never && playing == 0)) {
        return;
    }
    if (errorCount > errorLimit) {
        trackCount = 0;
        logLine("MP3 ERROR-> To much error disabling Mp3 playing");
    }
    if (playing == 0) {
        startCurrentTrack(cameraInternal, atmPressure);
        return;
    }
    if (graph->IsFinished()) {
        stepTrack(1);
        restartFade();
        playing = 0;
        graph->Stop();
        graph->Rewind();
        return;
    }
    bool cockpit = cameraInternal == 1;
    if (cockpit && (playMode == Mp3SpaceExternal || playMode == Mp3AlwaysExternal)) {
        setVolumeCounted(silentVolume);
        restartFade();
        return;
    }
    if (playMode == Mp3CockpitOnly) {
        setVolumeCounted(cockpit ? targetVolume : silentVolume);
        restartFade();
        return;
    }
    if (atmPressure >= 1 && (playMode == Mp3SpaceExternal || playMode == Mp3Space)) {
        fadeVolume = std::min(fadeOutPerPascal * static_cast<float>(atmPressure), targetVolume);
        if (fadeVolume != appliedVolume) {
            setVolumeCounted(fadeVolume);
        }
        appliedVolume = fadeVolume;
        if (atmPressure > stopPressurePa) {
            graph->Stop();
            graph->Rewind();
            stepTrack(1);
            restartFade();
            playing = 0;
        }
        return;
    }
    if (fadeVolume < targetVolume) {
        fadeVolume += static_cast<float>(frameStep) * fadeInPerSecond;
    }
    fadeVolume = std::min(fadeVolume, targetVolume);
    if (fadeVolume != appliedVolume) {
        setVolumeCounted(fadeVolume);
        appliedVolume = fadeVolume;
    }
}

void Mp3Player::NextTrack() {
    if (trackCount < 1) {
        return;
    }
    if (playing == 0) {
        stepTrack(1);
        return;
    }
    bool finished = graph->IsFinished();
    stepTrack(1);
    playing = 0;
    restartFade();
    if (!finished) {
        graph->Stop();
        graph->Rewind();
    }
}

void Mp3Player::PreviousTrack() {
    if (trackCount < 1) {
        return;
    }
    if (playing == 0) {
        stepTrack(-1);
        return;
    }
    bool finished = graph->IsFinished();
    stepTrack(-1);
    playing = 0;
    restartFade();
    if (!finished) {
        graph->Stop();
        graph->Rewind();
    }
}

void Mp3Player::ToggleStartStop() {
    userStopped = userStopped == 0 ? 1 : 0;
    if (userStopped == 1 && playing == 1) {
        if (graph != nullptr && !graph->IsFinished()) {
            graph->Stop();
            graph->Rewind();
        }
        playing = 0;
        restartFade();
    }
}

void Mp3Player::CycleMode(int cameraInternal, int atmPressure) {
    playMode = playMode >= Mp3Always ? Mp3Never : playMode + 1;
    if (playMode == Mp3Always || mp3ModeAllowsPlaying(playMode, cameraInternal, atmPressure)) {
        return;
    }
    if (graph != nullptr && !graph->IsFinished()) {
        restartFade();
        playing = 0;
        graph->Stop();
        graph->Rewind();
    }
}

void Mp3Player::Release() {
    if (graph != nullptr) {
        graph->Stop();
        graph->Release();
    }
    playing = 0;
}

Mp3Player* createMp3Player(const char* simulatorDir, int mode, int volume) {
    IDirectSound8* output = plugin.device != nullptr ? plugin.device->directSound : nullptr;
    std::unique_ptr<platform::media::MediaGraph> media =
        platform::media::createMediaGraph(output, logLine);
    std::unique_ptr<Mp3Graph> graph =
        media != nullptr ? std::make_unique<Mp3Graph>(std::move(media)) : nullptr;
    return new (std::nothrow) Mp3Player(simulatorDir, mode, volume, std::move(graph));
}

void shuffleMp3Playlist(Mp3Player* player) {
    if (player != nullptr) {
        player->Shuffle();
    }
}

void stopAndDestroyMp3Player(Mp3Player*& player) {
    if (player != nullptr) {
        player->Release();
        delete player;
    }
    player = nullptr;
}

void updateMp3Player(Mp3Player* player, int cameraInternal, int atmPressure, double frameStep) {
    if (player != nullptr) {
        player->Update(cameraInternal, atmPressure, frameStep);
    }
}

} // namespace zephyrin
