// One MP3 file at a time through the platform's media graph, with the player's log lines.
#pragma once

#include "platform/media.h"

#include <cstdint>
#include <memory>

namespace zephyrin {

class Mp3Graph {
public:
    enum State : int32_t { Empty = 0, Loaded = 1, Playing = 3 };

    explicit Mp3Graph(std::unique_ptr<platform::media::MediaGraph> media);
    ~Mp3Graph();
    Mp3Graph(const Mp3Graph&) = delete;
    Mp3Graph& operator=(const Mp3Graph&) = delete;

    HRESULT Load(const char* path);
    HRESULT Play();
    void Stop();
    // Stops and goes back to the start of the file.
    void Rewind();
    // Hundredths of a decibel, clamped to -10000..0.
    HRESULT SetVolume(float volume);
    bool IsFinished();
    void Release();

    State state() const { return state_; }

private:
    std::unique_ptr<platform::media::MediaGraph> media_;
    State state_ = Empty;
};

} // namespace zephyrin
