#include "platform/audio/core/call_text.h"
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/fake/fake_objects.h"

#include <initializer_list>

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

HRESULT FakeListener::set(const char* method, std::string arguments, DWORD apply, HRESULT check,
                          auto assign) {
    if (auto failure = enter(listenerName, method, std::move(arguments)))
        return *failure;
    for (HRESULT result : {checkApply(apply), check}) {
        if (FAILED(result))
            return result;
    }
    assign(device_->listener);
    return DS_OK;
}

HRESULT FakeListener::SetAllParameters(LPCDS3DLISTENER pcListener, DWORD dwApply) {
    const HRESULT check =
        pcListener ? checkListenerParameters(*pcListener) : HRESULT(DSERR_INVALIDPARAM);
    return set("SetAllParameters", argumentText(pcListener, Apply{dwApply}), dwApply, check,
               [&](DS3DLISTENER& listener) { listener = *pcListener; });
}

HRESULT FakeListener::SetDistanceFactor(D3DVALUE flDistanceFactor, DWORD dwApply) {
    return set("SetDistanceFactor", argumentText(flDistanceFactor, Apply{dwApply}), dwApply,
               checkDistanceFactor(flDistanceFactor),
               [&](DS3DLISTENER& listener) { listener.flDistanceFactor = flDistanceFactor; });
}

HRESULT FakeListener::SetDopplerFactor(D3DVALUE flDopplerFactor, DWORD dwApply) {
    return set("SetDopplerFactor", argumentText(flDopplerFactor, Apply{dwApply}), dwApply,
               checkDopplerFactor(flDopplerFactor),
               [&](DS3DLISTENER& listener) { listener.flDopplerFactor = flDopplerFactor; });
}

HRESULT FakeListener::SetOrientation(D3DVALUE xFront, D3DVALUE yFront, D3DVALUE zFront,
                                     D3DVALUE xTop, D3DVALUE yTop, D3DVALUE zTop, DWORD dwApply) {
    return set("SetOrientation",
               argumentText(xFront, yFront, zFront, xTop, yTop, zTop, Apply{dwApply}), dwApply,
               DS_OK, [&](DS3DLISTENER& listener) {
                   listener.vOrientFront = {xFront, yFront, zFront};
                   listener.vOrientTop = {xTop, yTop, zTop};
               });
}

HRESULT FakeListener::SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD dwApply) {
    return set("SetPosition", argumentText(x, y, z, Apply{dwApply}), dwApply, DS_OK,
               [&](DS3DLISTENER& listener) {
                   listener.vPosition = {x, y, z};
               });
}

HRESULT FakeListener::SetRolloffFactor(D3DVALUE flRolloffFactor, DWORD dwApply) {
    return set("SetRolloffFactor", argumentText(flRolloffFactor, Apply{dwApply}), dwApply,
               checkRolloffFactor(flRolloffFactor),
               [&](DS3DLISTENER& listener) { listener.flRolloffFactor = flRolloffFactor; });
}

HRESULT FakeListener::SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD dwApply) {
    return set("SetVelocity", argumentText(x, y, z, Apply{dwApply}), dwApply, DS_OK,
               [&](DS3DLISTENER& listener) {
                   listener.vVelocity = {x, y, z};
               });
}

HRESULT FakeListener::CommitDeferredSettings() {
    if (auto failure = enter(listenerName, "CommitDeferredSettings", ""))
        return *failure;
    ++device_->commits;
    return DS_OK;
}

} // namespace platform::audio::fake
