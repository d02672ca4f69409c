// The media graph on Windows: a DirectShow filter graph renders the file to the system's sound
// output. The file is rendered directly first; when that fails, through the Windows Media ASF
// reader and its raw audio pin.
#include "platform/media.h"

#include <dshow.h>

#include <cstdio>
#include <cstring>

namespace platform::media {

namespace {

// CLSID_WMAsfReader, {187463A0-5BB7-11D3-ACBE-0080C75E246E}.
constexpr GUID asfReaderClass = {
    0x187463a0, 0x5bb7, 0x11d3, {0xac, 0xbe, 0x00, 0x80, 0xc7, 0x5e, 0x24, 0x6e}};
constexpr int widePathLength = 1024;
constexpr LONG completionEvent = EC_COMPLETE;

template <typename T> void releaseInterface(T*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

class DirectShowGraph final : public MediaGraph {
public:
    explicit DirectShowGraph(MediaLog log) : log_(log) {}
    ~DirectShowGraph() override { release(); }

    HRESULT load(const char* path) override {
        release();
        WCHAR widePath[widePathLength];
        if (path == nullptr ||
            MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, widePathLength) == 0) {
            say("Mp3 error->unable to convert name ", path);
            return E_FAIL;
        }
        HRESULT direct = renderDirectly(widePath);
        if (SUCCEEDED(direct)) {
            return S_OK;
        }
        release();
        say("Mp3 Info: Trying AsfReader");
        HRESULT reader = renderThroughAsfReader(widePath);
        if (FAILED(reader)) {
            release();
        }
        return reader;
    }

    HRESULT run() override {
        IMediaControl* control = nullptr;
        if (graph_ == nullptr ||
            FAILED(graph_->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control)))) {
            return E_NOINTERFACE;
        }
        HRESULT running = control->Run();
        control->Release();
        return running;
    }

    HRESULT stop() override {
        IMediaControl* control = nullptr;
        if (graph_ == nullptr ||
            FAILED(graph_->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control)))) {
            return E_NOINTERFACE;
        }
        HRESULT stopped = control->Stop();
        control->Release();
        return stopped;
    }

    HRESULT seekToStart() override {
        IMediaPosition* position = nullptr;
        if (graph_ == nullptr || FAILED(graph_->QueryInterface(
                                     IID_IMediaPosition, reinterpret_cast<void**>(&position)))) {
            return E_NOINTERFACE;
        }
        HRESULT moved = position->put_CurrentPosition(0.0);
        position->Release();
        return moved;
    }

    HRESULT setVolume(long volume) override {
        IBasicAudio* audio = nullptr;
        if (graph_ == nullptr ||
            FAILED(graph_->QueryInterface(IID_IBasicAudio, reinterpret_cast<void**>(&audio)))) {
            return E_NOINTERFACE;
        }
        HRESULT set = audio->put_Volume(volume);
        audio->Release();
        return set;
    }

    bool completed() override {
        IMediaEvent* events = nullptr;
        if (graph_ == nullptr ||
            FAILED(graph_->QueryInterface(IID_IMediaEvent, reinterpret_cast<void**>(&events)))) {
            return false;
        }
        LONG code = 0;
        HRESULT waited = events->WaitForCompletion(0, &code);
        events->Release();
        return waited == S_OK && code == completionEvent;
    }

    void release() override {
        releaseInterface(pin_);
        releaseInterface(fileSource_);
        releaseInterface(reader_);
        releaseInterface(graph_);
    }

private:
    void say(const char* text, const char* detail = nullptr) {
        if (log_ == nullptr) {
            return;
        }
        char line[widePathLength + 64];
        std::snprintf(line, sizeof line, "%s%s", text, detail != nullptr ? detail : "");
        log_(line);
    }

    HRESULT createGraph() {
        HRESULT created = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IGraphBuilder, reinterpret_cast<void**>(&graph_));
        if (FAILED(created)) {
            say("MP3 Error->CLSID_FilterGraph");
        }
        return created;
    }

    HRESULT renderDirectly(const WCHAR* path) {
        if (HRESULT created = createGraph(); FAILED(created)) {
            return created;
        }
        return graph_->RenderFile(path, nullptr);
    }

    HRESULT renderThroughAsfReader(const WCHAR* path) {
        if (HRESULT created = createGraph(); FAILED(created)) {
            return created;
        }
        HRESULT result = CoCreateInstance(asfReaderClass, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IBaseFilter, reinterpret_cast<void**>(&reader_));
        if (FAILED(result)) {
            say("MP3 Error->CLSID_WMAsfReader");
            return result;
        }
        result = graph_->AddFilter(reader_, L"ASF Reader");
        if (FAILED(result)) {
            say("MP3 Error->AddFilter ASF Reader");
            return result;
        }
        result =
            reader_->QueryInterface(IID_IFileSourceFilter, reinterpret_cast<void**>(&fileSource_));
        if (FAILED(result)) {
            say("MP3 Error->IID_IFileSourceFilter failed");
            return result;
        }
        result = fileSource_->Load(path, nullptr);
        if (SUCCEEDED(result)) {
            result = reader_->FindPin(L"Raw Audio 0", &pin_);
        }
        if (FAILED(result)) {
            say("MP3 Error->Load failed");
            return result;
        }
        return graph_->Render(pin_);
    }

    MediaLog log_;
    IGraphBuilder* graph_ = nullptr;
    IBaseFilter* reader_ = nullptr;
    IFileSourceFilter* fileSource_ = nullptr;
    IPin* pin_ = nullptr;
};

} // namespace

std::unique_ptr<MediaGraph> createMediaGraph(IDirectSound8*, MediaLog log) {
    return std::make_unique<DirectShowGraph>(log);
}

} // namespace platform::media
