#include "plugin/radio/mp3_graph.h"

#include "plugin/core/log.h"

#include <algorithm>

namespace zephyrin {

namespace {
constexpr float silentVolume = -10000.0f;
constexpr float fullVolume = 0.0f;
} // namespace

Mp3Graph::Mp3Graph(std::unique_ptr<platform::media::MediaGraph> media) : media_(std::move(media)) {}

Mp3Graph::~Mp3Graph() {
    Release();
}

HRESULT Mp3Graph::Load(const char* path) {
    Release();
    logLine("Attempting to load Mp3...");
    HRESULT loaded = media_->load(path);
    if (FAILED(loaded)) {
        Release();
        logLine("Mp3 error->unable to load mp3!");
        return loaded;
    }
    state_ = Loaded;
    logLine("Mp3 loaded - OK");
    return 0;
}

HRESULT Mp3Graph::Play() {
    if (state_ != Loaded) {
        return E_FAIL;
    }
    logLine("Attempting to play Mp3...");
    HRESULT running = media_->run();
    if (running == E_NOINTERFACE) {
        logLine("Mp3 error unable to play (QueryInterface)");
        return running;
    }
    if (FAILED(running)) {
        logLine("Mp3 error unable to play");
        return running;
    }
    state_ = Playing;
    logLine("Mp3 is playing - OK");
    return 0;
}

void Mp3Graph::Stop() {
    if (state_ != Playing) {
        return;
    }
    media_->stop();
    state_ = Loaded;
}

void Mp3Graph::Rewind() {
    if (state_ == Empty) {
        return;
    }
    Stop();
    media_->seekToStart();
}

HRESULT Mp3Graph::SetVolume(float volume) {
    if (state_ == Empty) {
        return 0;
    }
    return media_->setVolume(static_cast<long>(std::clamp(volume, silentVolume, fullVolume)));
}

bool Mp3Graph::IsFinished() {
    return state_ == Playing && media_->completed();
}

void Mp3Graph::Release() {
    media_->release();
    state_ = Empty;
}

} // namespace zephyrin
