// The setters of IDirectSound3DBuffer and IDirectSound3DListener, written once for both
// implementations: each names its call, says how to describe its arguments, checks its values and
// says what it changes. The implementation's set3D / setListener decides how the change is applied,
// recorded or traced.
#pragma once

#include "platform/audio/core/call_text.h"
#include "platform/audio/core/dsound_rules.h"

#include <string>

namespace platform::audio {

using Change3D = FunctionRef<void(DS3DBUFFER&)>;
using ChangeListener = FunctionRef<void(DS3DLISTENER&)>;

template <typename Implementation> class Buffer3DSetters : public IDirectSound3DBuffer {
public:
    HRESULT STDMETHODCALLTYPE SetAllParameters(LPCDS3DBUFFER pcDs3dBuffer, DWORD dwApply) override {
        const HRESULT check =
            pcDs3dBuffer ? checkBufferParameters(*pcDs3dBuffer) : HRESULT(DSERR_INVALIDPARAM);
        return set(
            "SetAllParameters", [&] { return argumentText(pcDs3dBuffer, Apply{dwApply}); }, dwApply,
            check, [pcDs3dBuffer](DS3DBUFFER& parameters) { parameters = *pcDs3dBuffer; });
    }

    HRESULT STDMETHODCALLTYPE SetConeAngles(DWORD dwInsideConeAngle, DWORD dwOutsideConeAngle,
                                            DWORD dwApply) override {
        return set(
            "SetConeAngles",
            [&] { return argumentText(dwInsideConeAngle, dwOutsideConeAngle, Apply{dwApply}); },
            dwApply, checkConeAngles(dwInsideConeAngle, dwOutsideConeAngle),
            [dwInsideConeAngle, dwOutsideConeAngle](DS3DBUFFER& parameters) {
                parameters.dwInsideConeAngle = dwInsideConeAngle;
                parameters.dwOutsideConeAngle = dwOutsideConeAngle;
            });
    }

    HRESULT STDMETHODCALLTYPE SetConeOrientation(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                                 DWORD dwApply) override {
        return set(
            "SetConeOrientation", [&] { return argumentText(x, y, z, Apply{dwApply}); }, dwApply,
            DS_OK,
            [x, y, z](DS3DBUFFER& parameters) {
                parameters.vConeOrientation = {x, y, z};
            });
    }

    HRESULT STDMETHODCALLTYPE SetConeOutsideVolume(LONG lConeOutsideVolume,
                                                   DWORD dwApply) override {
        return set(
            "SetConeOutsideVolume",
            [&] { return argumentText(lConeOutsideVolume, Apply{dwApply}); }, dwApply,
            checkVolume(lConeOutsideVolume),
            [lConeOutsideVolume](DS3DBUFFER& parameters) {
                parameters.lConeOutsideVolume = lConeOutsideVolume;
            });
    }

    HRESULT STDMETHODCALLTYPE SetMaxDistance(D3DVALUE flMaxDistance, DWORD dwApply) override {
        return set(
            "SetMaxDistance", [&] { return argumentText(flMaxDistance, Apply{dwApply}); }, dwApply,
            checkMinMaxDistance(flMaxDistance),
            [flMaxDistance](DS3DBUFFER& parameters) { parameters.flMaxDistance = flMaxDistance; });
    }

    HRESULT STDMETHODCALLTYPE SetMinDistance(D3DVALUE flMinDistance, DWORD dwApply) override {
        return set(
            "SetMinDistance", [&] { return argumentText(flMinDistance, Apply{dwApply}); }, dwApply,
            checkMinMaxDistance(flMinDistance),
            [flMinDistance](DS3DBUFFER& parameters) { parameters.flMinDistance = flMinDistance; });
    }

    HRESULT STDMETHODCALLTYPE SetMode(DWORD dwMode, DWORD dwApply) override {
        return set(
            "SetMode", [&] { return argumentText(dwMode, Apply{dwApply}); }, dwApply,
            checkMode(dwMode), [dwMode](DS3DBUFFER& parameters) { parameters.dwMode = dwMode; });
    }

    HRESULT STDMETHODCALLTYPE SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD dwApply) override {
        return set(
            "SetPosition", [&] { return argumentText(x, y, z, Apply{dwApply}); }, dwApply, DS_OK,
            [x, y, z](DS3DBUFFER& parameters) {
                parameters.vPosition = {x, y, z};
            });
    }

    HRESULT STDMETHODCALLTYPE SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD dwApply) override {
        return set(
            "SetVelocity", [&] { return argumentText(x, y, z, Apply{dwApply}); }, dwApply, DS_OK,
            [x, y, z](DS3DBUFFER& parameters) {
                parameters.vVelocity = {x, y, z};
            });
    }

protected:
    ~Buffer3DSetters() = default;

private:
    HRESULT set(const char* call, ArgumentText arguments, DWORD apply, HRESULT check,
                Change3D change) {
        return static_cast<Implementation*>(this)->set3D(
            call, arguments, apply, FAILED(check) ? check : checkApply(apply), change);
    }
};

template <typename Implementation> class ListenerSetters : public IDirectSound3DListener {
public:
    HRESULT STDMETHODCALLTYPE SetAllParameters(LPCDS3DLISTENER pcListener, DWORD dwApply) override {
        const HRESULT check =
            pcListener ? checkListenerParameters(*pcListener) : HRESULT(DSERR_INVALIDPARAM);
        return set(
            "SetAllParameters", [&] { return argumentText(pcListener, Apply{dwApply}); }, dwApply,
            check, [pcListener](DS3DLISTENER& listener) { listener = *pcListener; });
    }

    HRESULT STDMETHODCALLTYPE SetDistanceFactor(D3DVALUE flDistanceFactor, DWORD dwApply) override {
        return set(
            "SetDistanceFactor", [&] { return argumentText(flDistanceFactor, Apply{dwApply}); },
            dwApply, checkDistanceFactor(flDistanceFactor),
            [flDistanceFactor](DS3DLISTENER& listener) {
                listener.flDistanceFactor = flDistanceFactor;
            });
    }

    HRESULT STDMETHODCALLTYPE SetDopplerFactor(D3DVALUE flDopplerFactor, DWORD dwApply) override {
        return set(
            "SetDopplerFactor", [&] { return argumentText(flDopplerFactor, Apply{dwApply}); },
            dwApply, checkDopplerFactor(flDopplerFactor),
            [flDopplerFactor](DS3DLISTENER& listener) {
                listener.flDopplerFactor = flDopplerFactor;
            });
    }

    HRESULT STDMETHODCALLTYPE SetOrientation(D3DVALUE xFront, D3DVALUE yFront, D3DVALUE zFront,
                                             D3DVALUE xTop, D3DVALUE yTop, D3DVALUE zTop,
                                             DWORD dwApply) override {
        const D3DVECTOR front{xFront, yFront, zFront};
        const D3DVECTOR top{xTop, yTop, zTop};
        return set(
            "SetOrientation",
            [&] { return argumentText(xFront, yFront, zFront, xTop, yTop, zTop, Apply{dwApply}); },
            dwApply, DS_OK,
            [front, top](DS3DLISTENER& listener) {
                listener.vOrientFront = front;
                listener.vOrientTop = top;
            });
    }

    HRESULT STDMETHODCALLTYPE SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD dwApply) override {
        return set(
            "SetPosition", [&] { return argumentText(x, y, z, Apply{dwApply}); }, dwApply, DS_OK,
            [x, y, z](DS3DLISTENER& listener) {
                listener.vPosition = {x, y, z};
            });
    }

    HRESULT STDMETHODCALLTYPE SetRolloffFactor(D3DVALUE flRolloffFactor, DWORD dwApply) override {
        return set(
            "SetRolloffFactor", [&] { return argumentText(flRolloffFactor, Apply{dwApply}); },
            dwApply, checkRolloffFactor(flRolloffFactor),
            [flRolloffFactor](DS3DLISTENER& listener) {
                listener.flRolloffFactor = flRolloffFactor;
            });
    }

    HRESULT STDMETHODCALLTYPE SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD dwApply) override {
        return set(
            "SetVelocity", [&] { return argumentText(x, y, z, Apply{dwApply}); }, dwApply, DS_OK,
            [x, y, z](DS3DLISTENER& listener) {
                listener.vVelocity = {x, y, z};
            });
    }

protected:
    ~ListenerSetters() = default;

private:
    HRESULT set(const char* call, ArgumentText arguments, DWORD apply, HRESULT check,
                ChangeListener change) {
        return static_cast<Implementation*>(this)->setListener(
            call, arguments, apply, FAILED(check) ? check : checkApply(apply), change);
    }
};

} // namespace platform::audio
