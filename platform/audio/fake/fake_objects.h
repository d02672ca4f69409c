// The fake's DirectSound objects. Each keeps its state in the record's blocks (fake_record.h),
// which outlive it so that tests can read back what the code under test left behind.
#pragma once

#include "platform/audio/core/setters_3d.h"
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

class FakeBuffer final : public IDirectSoundBuffer8, public Buffer3DSetters<FakeBuffer> {
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

private:
    template <typename... Arguments>
    std::optional<HRESULT> enter(const char* method, const Arguments&... arguments);
    bool isPrimary() const { return state_->flags & DSBCAPS_PRIMARYBUFFER; }
    HRESULT needsControl(DWORD control) const;
    friend class Buffer3DSetters<FakeBuffer>;
    HRESULT set3D(const char* call, ArgumentText arguments, DWORD apply, HRESULT check,
                  Change3D change);

    std::shared_ptr<DeviceState> device_;
    std::shared_ptr<BufferState> state_;
    std::string name_;
};

class FakeListener final : public ListenerSetters<FakeListener> {
public:
    explicit FakeListener(std::shared_ptr<DeviceState> device);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DLISTENER pListener) override;
    HRESULT STDMETHODCALLTYPE CommitDeferredSettings() override;

private:
    friend class ListenerSetters<FakeListener>;
    HRESULT setListener(const char* call, ArgumentText arguments, DWORD apply, HRESULT check,
                        ChangeListener change);

    std::shared_ptr<DeviceState> device_;
    ULONG references_ = 1;
};

} // namespace platform::audio::fake
