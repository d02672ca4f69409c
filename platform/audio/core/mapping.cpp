#include "platform/audio/core/mapping.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform::audio {

float gainFromMillibels(LONG millibels) {
    return std::pow(10.0f, float(millibels) / 2000.0f);
}

float pitchRatio(DWORD frequencyHz, DWORD waveRateHz) {
    if (frequencyHz == DSBFREQUENCY_ORIGINAL || waveRateHz == 0)
        return 1.0f;
    return float(double(frequencyHz) / double(waveRateHz));
}

Vector3 rightHanded(const D3DVECTOR& vector) {
    return {vector.x, vector.y, -vector.z};
}

SourcePlacement sourcePlacement(const DS3DBUFFER& parameters, float rolloffFactor) {
    SourcePlacement placement;
    if (parameters.dwMode == DS3DMODE_DISABLE) {
        // Heard as if at the listener: no distance, direction, cone or Doppler.
        placement.listenerRelative = true;
        placement.rolloffFactor = 0.0f;
        return placement;
    }
    placement.listenerRelative = parameters.dwMode == DS3DMODE_HEADRELATIVE;
    placement.position = rightHanded(parameters.vPosition);
    placement.velocity = rightHanded(parameters.vVelocity);
    placement.referenceDistance = parameters.flMinDistance;
    placement.maxDistance = parameters.flMaxDistance;
    placement.rolloffFactor = rolloffFactor;
    const auto [inner, outer] =
        std::minmax(parameters.dwInsideConeAngle, parameters.dwOutsideConeAngle);
    if (inner < DS3D_MAXCONEANGLE) {
        placement.direction = rightHanded(parameters.vConeOrientation);
        placement.coneInnerDegrees = float(inner);
        placement.coneOuterDegrees = float(outer);
        placement.coneOuterGain = gainFromMillibels(parameters.lConeOutsideVolume);
    }
    return placement;
}

SourcePlacement panPlacement(LONG panMillibels) {
    SourcePlacement placement;
    placement.listenerRelative = true;
    placement.rolloffFactor = 0.0f;
    if (panMillibels == DSBPAN_CENTER)
        return placement;
    // The quieter side's gain sets how far round the source turns: 0 dB ahead, silent at the side.
    const float quieterGain = gainFromMillibels(-std::abs(panMillibels));
    const float angle = (1.0f - quieterGain) * std::numbers::pi_v<float> / 2.0f;
    const float side = panMillibels > 0 ? 1.0f : -1.0f;
    placement.position = {side * std::sin(angle), 0.0f, -std::cos(angle)};
    return placement;
}

ListenerPlacement listenerPlacement(const DS3DLISTENER& parameters) {
    ListenerPlacement placement;
    placement.position = rightHanded(parameters.vPosition);
    placement.velocity = rightHanded(parameters.vVelocity);
    placement.at = rightHanded(parameters.vOrientFront);
    placement.up = rightHanded(parameters.vOrientTop);
    placement.dopplerFactor = parameters.flDopplerFactor;
    // Vectors are in units of flDistanceFactor metres: sound covers fewer units per second.
    placement.speedOfSound = speedOfSoundMetresPerSecond / parameters.flDistanceFactor;
    return placement;
}

bool isPastMaxDistance(const DS3DBUFFER& parameters, const DS3DLISTENER& listener) {
    if (parameters.dwMode == DS3DMODE_DISABLE)
        return false;
    D3DVECTOR offset = parameters.vPosition;
    if (parameters.dwMode == DS3DMODE_NORMAL) {
        offset.x -= listener.vPosition.x;
        offset.y -= listener.vPosition.y;
        offset.z -= listener.vPosition.z;
    }
    const float squared = offset.x * offset.x + offset.y * offset.y + offset.z * offset.z;
    return squared > parameters.flMaxDistance * parameters.flMaxDistance;
}

} // namespace platform::audio
