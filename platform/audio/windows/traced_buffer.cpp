#include "platform/audio/core/call_text.h"
#include "platform/audio/windows/traced_interface.h"
#include "platform/audio/windows/traced_objects.h"

namespace platform::audio {

namespace {
class TracedBuffer final : public TracedInterface<IDirectSoundBuffer8> {
public:
    // Only secondary buffers hold a sound and trace their release, as in the OpenAL
    // implementation.
    TracedBuffer(IDirectSoundBuffer8* system, const DSBUFFERDESC& description,
                 const std::string& sound)
        : TracedInterface(system, newBufferObjectName(), isPrimary(description) ? "" : sound,
                          !isPrimary(description)) {
        traceCall(object_, "CreateSoundBuffer", describe(&description), sound_);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override {
        if (riid == IID_IDirectSoundBuffer) {
            return queryInterface(riid, ppvObject, IID_IDirectSoundBuffer);
        }
        HRESULT result = queryInterface(riid, ppvObject, IID_IDirectSoundBuffer8);
        if (SUCCEEDED(result) && riid == IID_IDirectSound3DBuffer) {
            *ppvObject =
                traceBuffer3D(static_cast<IDirectSound3DBuffer*>(*ppvObject), object_, sound_);
        } else if (SUCCEEDED(result) && riid == IID_IDirectSound3DListener) {
            *ppvObject = traceListener(static_cast<IDirectSound3DListener*>(*ppvObject));
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSBCAPS pDSBufferCaps) override {
        return system_->GetCaps(pDSBufferCaps);
    }
    HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD pdwCurrentPlayCursor,
                                                 LPDWORD pdwCurrentWriteCursor) override {
        return system_->GetCurrentPosition(pdwCurrentPlayCursor, pdwCurrentWriteCursor);
    }
    HRESULT STDMETHODCALLTYPE GetFormat(LPWAVEFORMATEX pwfxFormat, DWORD dwSizeAllocated,
                                        LPDWORD pdwSizeWritten) override {
        return system_->GetFormat(pwfxFormat, dwSizeAllocated, pdwSizeWritten);
    }
    HRESULT STDMETHODCALLTYPE GetVolume(LPLONG plVolume) override {
        return system_->GetVolume(plVolume);
    }
    HRESULT STDMETHODCALLTYPE GetPan(LPLONG plPan) override { return system_->GetPan(plPan); }
    HRESULT STDMETHODCALLTYPE GetFrequency(LPDWORD pdwFrequency) override {
        return system_->GetFrequency(pdwFrequency);
    }
    HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD pdwStatus) override {
        return system_->GetStatus(pdwStatus);
    }
    HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTSOUND pDirectSound,
                                         LPCDSBUFFERDESC pcDSBufferDesc) override {
        return system_->Initialize(pDirectSound, pcDSBufferDesc);
    }
    HRESULT STDMETHODCALLTYPE Lock(DWORD dwOffset, DWORD dwBytes, LPVOID* ppvAudioPtr1,
                                   LPDWORD pdwAudioBytes1, LPVOID* ppvAudioPtr2,
                                   LPDWORD pdwAudioBytes2, DWORD dwFlags) override {
        DWORD offset = (dwFlags & DSBLOCK_ENTIREBUFFER) != 0 ? 0 : dwOffset;
        if ((dwFlags & DSBLOCK_FROMWRITECURSOR) != 0) {
            DWORD playCursor = 0;
            system_->GetCurrentPosition(&playCursor, &offset);
        }
        HRESULT result = system_->Lock(dwOffset, dwBytes, ppvAudioPtr1, pdwAudioBytes1,
                                       ppvAudioPtr2, pdwAudioBytes2, dwFlags);
        if (SUCCEEDED(result)) {
            lockedStart_ = *ppvAudioPtr1;
            lockedOffset_ = offset;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) override {
        return traced(system_->Play(dwReserved1, dwPriority, dwFlags), "Play",
                      argumentText(dwReserved1, dwPriority, Hex{dwFlags}));
    }
    HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD dwNewPosition) override {
        return traced(system_->SetCurrentPosition(dwNewPosition), "SetCurrentPosition",
                      describe(dwNewPosition));
    }
    HRESULT STDMETHODCALLTYPE SetFormat(LPCWAVEFORMATEX pcfxFormat) override {
        return traced(system_->SetFormat(pcfxFormat), "SetFormat", describe(pcfxFormat));
    }
    HRESULT STDMETHODCALLTYPE SetVolume(LONG lVolume) override {
        return traced(system_->SetVolume(lVolume), "SetVolume", describe(lVolume));
    }
    HRESULT STDMETHODCALLTYPE SetPan(LONG lPan) override {
        return traced(system_->SetPan(lPan), "SetPan", describe(lPan));
    }
    HRESULT STDMETHODCALLTYPE SetFrequency(DWORD dwFrequency) override {
        return traced(system_->SetFrequency(dwFrequency), "SetFrequency", describe(dwFrequency));
    }
    HRESULT STDMETHODCALLTYPE Stop() override { return traced(system_->Stop(), "Stop", ""); }
    HRESULT STDMETHODCALLTYPE Unlock(LPVOID pvAudioPtr1, DWORD dwAudioBytes1, LPVOID pvAudioPtr2,
                                     DWORD dwAudioBytes2) override {
        DWORD offset = pvAudioPtr1 == lockedStart_ ? lockedOffset_ : 0;
        return traced(system_->Unlock(pvAudioPtr1, dwAudioBytes1, pvAudioPtr2, dwAudioBytes2),
                      "Unlock", argumentText(offset, dwAudioBytes1, dwAudioBytes2));
    }
    HRESULT STDMETHODCALLTYPE Restore() override { return system_->Restore(); }
    HRESULT STDMETHODCALLTYPE SetFX(DWORD dwEffectsCount, LPDSEFFECTDESC pDSFXDesc,
                                    LPDWORD pdwResultCodes) override {
        return system_->SetFX(dwEffectsCount, pDSFXDesc, pdwResultCodes);
    }
    HRESULT STDMETHODCALLTYPE AcquireResources(DWORD dwFlags, DWORD dwEffectsCount,
                                               LPDWORD pdwResultCodes) override {
        return system_->AcquireResources(dwFlags, dwEffectsCount, pdwResultCodes);
    }
    HRESULT STDMETHODCALLTYPE GetObjectInPath(REFGUID rguidObject, DWORD dwIndex,
                                              REFGUID rguidInterface, LPVOID* ppObject) override {
        return system_->GetObjectInPath(rguidObject, dwIndex, rguidInterface, ppObject);
    }

private:
    static bool isPrimary(const DSBUFFERDESC& description) {
        return (description.dwFlags & DSBCAPS_PRIMARYBUFFER) != 0;
    }

    const void* lockedStart_ = nullptr;
    DWORD lockedOffset_ = 0;
};
} // namespace

IDirectSoundBuffer8* traceBuffer(IDirectSoundBuffer8* system, const DSBUFFERDESC& description,
                                 const std::string& sound) {
    return new TracedBuffer(system, description, sound);
}

} // namespace platform::audio
