// The fake's DirectSound objects. Each keeps its state in the record's blocks (fake_record.h),
// which outlive it so that tests can read back what the code under test left behind.
#pragma once

#include "platform/audio/fake/fake_record.h"

namespace platform::audio::fake {

class FakeDirectSound final : public IDirectSound8 {
public:
    FakeDirectSound();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC pcDSBufferDesc,
                                                LPDIRECTSOUNDBUFFER* ppDSBuffer,
                                                LPUNKNOWN pUnkOuter) override;
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS pDSCaps) override;
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND hwnd, DWORD dwLevel) override;
    HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD pdwSpeakerConfig) override;

private:
    std::shared_ptr<DeviceState> state_;
};

class FakeBuffer final : public IDirectSoundBuffer8, public IDirectSound3DBuffer {
public:
    FakeBuffer(std::shared_ptr<DeviceState> device, const DSBUFFERDESC& description,
               std::string name);

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

    HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DBUFFER pDs3dBuffer) override;
    HRESULT STDMETHODCALLTYPE SetAllParameters(LPCDS3DBUFFER pcDs3dBuffer, DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetConeAngles(DWORD dwInsideConeAngle, DWORD dwOutsideConeAngle,
                                            DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetConeOrientation(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                                 DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetConeOutsideVolume(LONG lConeOutsideVolume, DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetMaxDistance(D3DVALUE flMaxDistance, DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetMinDistance(D3DVALUE flMinDistance, DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetMode(DWORD dwMode, DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD dwApply) override;

private:
    template <typename... Arguments>
    std::optional<HRESULT> enter(const char* method, const Arguments&... arguments);
    bool isPrimary() const { return state_->flags & DSBCAPS_PRIMARYBUFFER; }
    HRESULT needsControl(DWORD control) const;
    HRESULT set3D(DWORD apply, HRESULT check, auto assign);

    std::shared_ptr<DeviceState> device_;
    std::shared_ptr<BufferState> state_;
    std::string name_;
};

class FakeListener final : public IDirectSound3DListener {
public:
    explicit FakeListener(std::shared_ptr<DeviceState> device);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DLISTENER pListener) override;
    HRESULT STDMETHODCALLTYPE SetAllParameters(LPCDS3DLISTENER pcListener, DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetDistanceFactor(D3DVALUE flDistanceFactor, DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetDopplerFactor(D3DVALUE flDopplerFactor, DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetOrientation(D3DVALUE xFront, D3DVALUE yFront, D3DVALUE zFront,
                                             D3DVALUE xTop, D3DVALUE yTop, D3DVALUE zTop,
                                             DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetRolloffFactor(D3DVALUE flRolloffFactor, DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD dwApply) override;
    HRESULT STDMETHODCALLTYPE CommitDeferredSettings() override;

private:
    HRESULT set(const char* method, std::string arguments, DWORD apply, HRESULT check, auto assign);

    std::shared_ptr<DeviceState> device_;
    ULONG references_ = 1;
};

} // namespace platform::audio::fake
