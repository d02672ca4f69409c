#include "platform/audio/core/listener.h"

#include "platform/audio/core/call_text.h"
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/core/trace.h"

#include <initializer_list>

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

HRESULT Listener::set(const char* call, const std::string& arguments, DWORD apply, HRESULT check,
                      auto change) {
    for (HRESULT result : {checkApply(apply), check}) {
        if (FAILED(result))
            return result;
    }
    context_->changeListener(apply, change);
    if (traceEnabled())
        traceCall(listenerObject, call, arguments);
    return DS_OK;
}

HRESULT Listener::SetAllParameters(LPCDS3DLISTENER pcListener, DWORD dwApply) {
    if (pcListener == nullptr)
        return DSERR_INVALIDPARAM;
    return set("SetAllParameters", argumentText(pcListener, Apply{dwApply}), dwApply,
               checkListenerParameters(*pcListener),
               [&](DS3DLISTENER& listener) { listener = *pcListener; });
}

HRESULT Listener::SetDistanceFactor(D3DVALUE flDistanceFactor, DWORD dwApply) {
    return set("SetDistanceFactor", argumentText(flDistanceFactor, Apply{dwApply}), dwApply,
               checkDistanceFactor(flDistanceFactor),
               [&](DS3DLISTENER& listener) { listener.flDistanceFactor = flDistanceFactor; });
}

HRESULT Listener::SetDopplerFactor(D3DVALUE flDopplerFactor, DWORD dwApply) {
    return set("SetDopplerFactor", argumentText(flDopplerFactor, Apply{dwApply}), dwApply,
               checkDopplerFactor(flDopplerFactor),
               [&](DS3DLISTENER& listener) { listener.flDopplerFactor = flDopplerFactor; });
}

HRESULT Listener::SetOrientation(D3DVALUE xFront, D3DVALUE yFront, D3DVALUE zFront, D3DVALUE xTop,
                                 D3DVALUE yTop, D3DVALUE zTop, DWORD dwApply) {
    return set("SetOrientation",
               argumentText(xFront, yFront, zFront, xTop, yTop, zTop, Apply{dwApply}), dwApply,
               DS_OK, [&](DS3DLISTENER& listener) {
                   listener.vOrientFront = {xFront, yFront, zFront};
                   listener.vOrientTop = {xTop, yTop, zTop};
               });
}

HRESULT Listener::SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD dwApply) {
    return set("SetPosition", argumentText(x, y, z, Apply{dwApply}), dwApply, DS_OK,
               [&](DS3DLISTENER& listener) {
                   listener.vPosition = {x, y, z};
               });
}

HRESULT Listener::SetRolloffFactor(D3DVALUE flRolloffFactor, DWORD dwApply) {
    return set("SetRolloffFactor", argumentText(flRolloffFactor, Apply{dwApply}), dwApply,
               checkRolloffFactor(flRolloffFactor),
               [&](DS3DLISTENER& listener) { listener.flRolloffFactor = flRolloffFactor; });
}

HRESULT Listener::SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD dwApply) {
    return set("SetVelocity", argumentText(x, y, z, Apply{dwApply}), dwApply, DS_OK,
               [&](DS3DLISTENER& listener) {
                   listener.vVelocity = {x, y, z};
               });
}

HRESULT Listener::CommitDeferredSettings() {
    context_->commitDeferredSettings();
    if (traceEnabled())
        traceCall(listenerObject, "CommitDeferredSettings", "");
    return DS_OK;
}

} // namespace platform::audio
