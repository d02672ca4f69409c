#include "platform/audio/core/listener.h"

#include "platform/audio/core/trace.h"

namespace platform::audio {

namespace {
const std::string listenerObject = "listener";
}

Listener::Listener(std::shared_ptr<DeviceContext> context) : context_(std::move(context)) {}

HRESULT Listener::QueryInterface(REFIID riid, void** ppvObject) {
    if (ppvObject == nullptr)
        return E_POINTER;
    if (riid != IID_IUnknown && riid != IID_IDirectSound3DListener) {
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    ++references_;
    *ppvObject = static_cast<IDirectSound3DListener*>(this);
    return DS_OK;
}

ULONG Listener::AddRef() {
    return ++references_;
}

ULONG Listener::Release() {
    const ULONG references = --references_;
    if (references == 0)
        delete this;
    return references;
}

HRESULT Listener::GetAllParameters(LPDS3DLISTENER pListener) {
    if (pListener == nullptr || pListener->dwSize != sizeof(DS3DLISTENER))
        return DSERR_INVALIDPARAM;
    *pListener = context_->listenerSettings();
    return DS_OK;
}

HRESULT Listener::setListener(const char* call, ArgumentText arguments, DWORD apply, HRESULT check,
                              ChangeListener change) {
    if (FAILED(check))
        return check;
    context_->changeListener(apply, change);
    if (traceEnabled())
        traceCall(listenerObject, call, arguments());
    return DS_OK;
}

HRESULT Listener::CommitDeferredSettings() {
    context_->commitDeferredSettings();
    if (traceEnabled())
        traceCall(listenerObject, "CommitDeferredSettings", "");
    return DS_OK;
}

} // namespace platform::audio
