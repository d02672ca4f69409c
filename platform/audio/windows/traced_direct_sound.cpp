#include "platform/audio/core/call_text.h"
#include "platform/audio/windows/sound_buffer_names.h"
#include "platform/audio/windows/traced_interface.h"
#include "platform/audio/windows/traced_objects.h"

namespace platform::audio {

namespace {
class TracedDirectSound final : public TracedInterface<IDirectSound8> {
public:
    explicit TracedDirectSound(IDirectSound8* system)
        : TracedInterface(system, "DirectSound", "", true) {
        traceCall(object_, "DirectSoundCreate8", "");
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override {
        return riid == IID_IDirectSound ? queryInterface(riid, ppvObject, IID_IDirectSound)
                                        : queryInterface(riid, ppvObject, IID_IDirectSound8);
    }
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC pcDSBufferDesc,
                                                LPDIRECTSOUNDBUFFER* ppDSBuffer,
                                                IUnknown* pUnkOuter) override {
        std::string name = takeNextSoundBufferName();
        HRESULT result = system_->CreateSoundBuffer(pcDSBufferDesc, ppDSBuffer, pUnkOuter);
        if (SUCCEEDED(result)) {
            // Every buffer of DirectSound 8 is an IDirectSoundBuffer8, whose first methods are
            // those of the IDirectSoundBuffer the call hands out.
            *ppDSBuffer = reinterpret_cast<IDirectSoundBuffer*>(traceBuffer(
                reinterpret_cast<IDirectSoundBuffer8*>(*ppDSBuffer), *pcDSBufferDesc, name));
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER,
                                                   LPDIRECTSOUNDBUFFER*) override {
        // The system only knows its own buffers, not their wrappers; and the plug-in, written
        // against the part of DirectSound that every platform offers, never duplicates one.
        return DSERR_UNSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS pDSCaps) override {
        return system_->GetCaps(pDSCaps);
    }
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND hwnd, DWORD dwLevel) override {
        return system_->SetCooperativeLevel(hwnd, dwLevel);
    }
    HRESULT STDMETHODCALLTYPE Compact() override { return system_->Compact(); }
    HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD pdwSpeakerConfig) override {
        return system_->GetSpeakerConfig(pdwSpeakerConfig);
    }
    HRESULT STDMETHODCALLTYPE SetSpeakerConfig(DWORD dwSpeakerConfig) override {
        return system_->SetSpeakerConfig(dwSpeakerConfig);
    }
    HRESULT STDMETHODCALLTYPE Initialize(LPCGUID pcGuidDevice) override {
        return system_->Initialize(pcGuidDevice);
    }
    HRESULT STDMETHODCALLTYPE VerifyCertification(LPDWORD pdwCertified) override {
        return system_->VerifyCertification(pdwCertified);
    }
};
} // namespace

IDirectSound8* traceDirectSound(IDirectSound8* system) {
    return new TracedDirectSound(system);
}

} // namespace platform::audio
