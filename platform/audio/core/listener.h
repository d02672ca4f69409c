// The 3D listener of a device, as a primary buffer with DSBCAPS_CTRL3D gives it. Its parameters
// live in the device, so every listener interface of a device is the same listener.
#pragma once

#include "platform/audio/core/device_context.h"

namespace platform::audio {

class Listener final : public IDirectSound3DListener {
public:
    explicit Listener(std::shared_ptr<DeviceContext> context);

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
    ~Listener() = default;
    HRESULT set(const char* call, const std::string& arguments, DWORD apply, HRESULT check,
                auto change);

    std::shared_ptr<DeviceContext> context_;
    ULONG references_ = 1;
};

} // namespace platform::audio
