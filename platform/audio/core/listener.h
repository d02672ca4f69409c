// The 3D listener of a device, as a primary buffer with DSBCAPS_CTRL3D gives it. Its parameters
// live in the device, so every listener interface of a device is the same listener.
#pragma once

#include "platform/audio/core/device_context.h"
#include "platform/audio/core/setters_3d.h"

namespace platform::audio {

class Listener final : public ListenerSetters<Listener> {
public:
    explicit Listener(std::shared_ptr<DeviceContext> context);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DLISTENER pListener) override;
    HRESULT STDMETHODCALLTYPE CommitDeferredSettings() override;

private:
    ~Listener() = default;
    friend class ListenerSetters<Listener>;
    HRESULT setListener(const char* call, ArgumentText arguments, DWORD apply, HRESULT check,
                        ChangeListener change);

    std::shared_ptr<DeviceContext> context_;
    ULONG references_ = 1;
};

} // namespace platform::audio
