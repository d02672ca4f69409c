#include "platform/audio/core/call_text.h"
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/fake/fake_objects.h"

namespace platform::audio::fake {

namespace {
const char* const listenerName = "listener";
}

FakeListener::FakeListener(std::shared_ptr<DeviceState> device) : device_(std::move(device)) {
    ++device_->listenerReferences;
    if (device_->listener.dwSize == 0)
        device_->listener = defaultListenerParameters();
}

HRESULT FakeListener::QueryInterface(REFIID riid, void** ppvObject) {
    if (auto failure = enter(listenerName, "QueryInterface", describe(&riid), 0, &riid)) {
        if (ppvObject)
            *ppvObject = nullptr;
        return *failure;
    }
    if (ppvObject == nullptr)
        return E_POINTER;
    if (riid != IID_IUnknown && riid != IID_IDirectSound3DListener) {
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    *ppvObject = static_cast<IDirectSound3DListener*>(this);
    return DS_OK;
}

ULONG FakeListener::AddRef() {
    enter(listenerName, "AddRef", "");
    ++device_->listenerReferences;
    return ++references_;
}

ULONG FakeListener::Release() {
    enter(listenerName, "Release", "");
    --device_->listenerReferences;
    const ULONG references = --references_;
    if (references == 0)
        delete this;
    return references;
}

HRESULT FakeListener::GetAllParameters(LPDS3DLISTENER pListener) {
    if (auto failure = enter(listenerName, "GetAllParameters", describe(Pointer{pListener})))
        return *failure;
    if (pListener == nullptr || pListener->dwSize != sizeof(DS3DLISTENER))
        return DSERR_INVALIDPARAM;
    *pListener = device_->listener;
    return DS_OK;
}

HRESULT FakeListener::setListener(const char* call, ArgumentText arguments, DWORD, HRESULT check,
                                  ChangeListener change) {
    if (auto failure = enter(listenerName, call, arguments()))
        return *failure;
    if (FAILED(check))
        return check;
    change(device_->listener);
    return DS_OK;
}

HRESULT FakeListener::CommitDeferredSettings() {
    if (auto failure = enter(listenerName, "CommitDeferredSettings", ""))
        return *failure;
    ++device_->commits;
    return DS_OK;
}

} // namespace platform::audio::fake
