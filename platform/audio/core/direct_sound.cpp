// The DirectSound object: creates the buffers of one device and reports what it can do.
#include "platform/audio/core/call_text.h"
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/core/output_registry.h"
#include "platform/audio/core/primary_buffer.h"
#include "platform/audio/core/sound_buffer.h"
#include "platform/audio/core/trace.h"
#include "platform/audio/sound_buffer_name.h"

#include <utility>

namespace platform::audio {

namespace {
const std::string deviceObject = "DirectSound";
thread_local std::string nextBufferName;

class DirectSound final : public IDirectSound8 {
public:
    explicit DirectSound(std::shared_ptr<Mixer> mixer)
        : context_(std::make_shared<DeviceContext>(std::move(mixer))) {
        if (traceEnabled())
            traceCall(deviceObject, "DirectSoundCreate8", "");
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override {
        if (ppvObject == nullptr)
            return E_POINTER;
        if (riid != IID_IUnknown && riid != IID_IDirectSound && riid != IID_IDirectSound8) {
            *ppvObject = nullptr;
            return E_NOINTERFACE;
        }
        ++references_;
        *ppvObject = static_cast<IDirectSound8*>(this);
        return DS_OK;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }

    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG references = --references_;
        if (references == 0) {
            if (traceEnabled())
                traceCall(deviceObject, "Release", "");
            delete this;
        }
        return references;
    }

    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC pcDSBufferDesc,
                                                LPDIRECTSOUNDBUFFER* ppDSBuffer,
                                                LPUNKNOWN pUnkOuter) override {
        std::string name = std::exchange(nextBufferName, {});
        if (ppDSBuffer == nullptr)
            return DSERR_INVALIDPARAM;
        *ppDSBuffer = nullptr;
        if (pUnkOuter != nullptr)
            return DSERR_NOAGGREGATION;
        if (HRESULT check = checkBufferDescription(pcDSBufferDesc); FAILED(check))
            return check;
        // Everything is mixed in software: there is no hardware buffer to place a sound in.
        if (pcDSBufferDesc->dwFlags & DSBCAPS_LOCHARDWARE)
            return DSERR_UNSUPPORTED;
        if (pcDSBufferDesc->dwFlags & DSBCAPS_PRIMARYBUFFER) {
            *ppDSBuffer = new PrimaryBuffer(context_, *pcDSBufferDesc);
            return DS_OK;
        }
        return SoundBuffer::create(context_, *pcDSBufferDesc, std::move(name), ppDSBuffer);
    }

    HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS pDSCaps) override {
        if (pDSCaps == nullptr || pDSCaps->dwSize != sizeof(DSCAPS))
            return DSERR_INVALIDPARAM;
        *pDSCaps = softwareMixingCapabilities();
        return DS_OK;
    }

    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND, DWORD dwLevel) override {
        // Windows has no focus to follow here: every buffer is heard as with
        // DSBCAPS_GLOBALFOCUS, so the window does not matter.
        if (dwLevel < DSSCL_NORMAL || dwLevel > DSSCL_WRITEPRIMARY)
            return DSERR_INVALIDPARAM;
        if (dwLevel == DSSCL_WRITEPRIMARY)
            return DSERR_UNSUPPORTED;
        context_->setCooperativeLevel(dwLevel);
        return DS_OK;
    }

    HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD pdwSpeakerConfig) override {
        if (pdwSpeakerConfig == nullptr)
            return DSERR_INVALIDPARAM;
        *pdwSpeakerConfig = context_->mixer().speakerConfig();
        return DS_OK;
    }

private:
    ~DirectSound() = default;

    std::shared_ptr<DeviceContext> context_;
    ULONG references_ = 1;
};
} // namespace

void nameNextSoundBuffer(const char* name) {
    nextBufferName = name ? name : "";
}

} // namespace platform::audio

extern "C" HRESULT DirectSoundCreate8(LPCGUID pcGuidDevice, LPDIRECTSOUND8* ppDS8,
                                      LPUNKNOWN pUnkOuter) {
    using namespace platform::audio;
    if (ppDS8 == nullptr)
        return DSERR_INVALIDPARAM;
    *ppDS8 = nullptr;
    if (pUnkOuter != nullptr)
        return DSERR_NOAGGREGATION;
    // Only the default device is known by this platform.
    if (pcGuidDevice != nullptr && *pcGuidDevice != GUID_NULL)
        return DSERR_NODRIVER;
    std::shared_ptr<Mixer> mixer = openSelectedMixer();
    if (!mixer)
        return DSERR_NODRIVER;
    *ppDS8 = new DirectSound(std::move(mixer));
    return DS_OK;
}
