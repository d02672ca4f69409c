// The primary buffer: the device's output. Its format is the mix's, its volume the master volume,
// and with DSBCAPS_CTRL3D it gives the 3D listener. Its samples and cursors are never handed out
// (there is no DSSCL_WRITEPRIMARY on this platform): Lock, Unlock and GetCurrentPosition answer
// DSERR_PRIOLEVELNEEDED.
#pragma once

#include "platform/audio/core/device_context.h"

#include <string>

namespace platform::audio {

class PrimaryBuffer final : public IDirectSoundBuffer {
public:
    PrimaryBuffer(std::shared_ptr<DeviceContext> context, const DSBUFFERDESC& description);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetCaps(LPDSBCAPS pDSBufferCaps) override;
    HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD pdwCurrentPlayCursor,
                                                 LPDWORD pdwCurrentWriteCursor) override;
    HRESULT STDMETHODCALLTYPE GetFormat(LPWAVEFORMATEX pwfxFormat, DWORD dwSizeAllocated,
                                        LPDWORD pdwSizeWritten) override;
    HRESULT STDMETHODCALLTYPE GetVolume(LPLONG plVolume) override;
    HRESULT STDMETHODCALLTYPE GetFrequency(LPDWORD pdwFrequency) override;
    HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD pdwStatus) override;
    HRESULT STDMETHODCALLTYPE Lock(DWORD dwOffset, DWORD dwBytes, LPVOID* ppvAudioPtr1,
                                   LPDWORD pdwAudioBytes1, LPVOID* ppvAudioPtr2,
                                   LPDWORD pdwAudioBytes2, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD dwNewPosition) override;
    HRESULT STDMETHODCALLTYPE SetFormat(LPCWAVEFORMATEX pcfxFormat) override;
    HRESULT STDMETHODCALLTYPE SetVolume(LONG lVolume) override;
    HRESULT STDMETHODCALLTYPE SetPan(LONG lPan) override;
    HRESULT STDMETHODCALLTYPE SetFrequency(DWORD dwFrequency) override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE Unlock(LPVOID pvAudioPtr1, DWORD dwAudioBytes1, LPVOID pvAudioPtr2,
                                     DWORD dwAudioBytes2) override;
    HRESULT STDMETHODCALLTYPE Restore() override;

private:
    ~PrimaryBuffer() = default;

    std::shared_ptr<DeviceContext> context_;
    DWORD flags_;
    bool playing_ = false;
    ULONG references_ = 1;
    std::string object_;
};

} // namespace platform::audio
