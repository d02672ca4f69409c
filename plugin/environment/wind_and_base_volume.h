// How loud the planet wind and the base ambience are: the air's pressure, a fast vessel near the
// camera, the distance to a base and the camera's height over it.
#pragma once

namespace zephyrin {

// Below this pressure the planet's wind is not heard.
constexpr double leastWindPressurePa = 100;

// The wind at pressure `p` with the user's ambience volume `W` (0..255): full in dense air,
// fading with the pressure, 0 below 100 Pa.
double windVolumeFromAir(double W, double p);

// How much of the wind a vessel flying past the camera drowns out: nothing at rest or far
// away, up to 255 when it is at 300 m/s or more right at the camera.
double movingVesselReduction(double vesselDistanceM, double airspeed);

// The base's nearness 0..275 at `distanceM` from the camera: it rises over the last 1100 m
// before 1000 m inside the base's audible range.
double baseNearness(double audibleRange, double distanceM);

// The base volume from its nearness, faded out over `fadeAltitude` above 50 m, capped at `W`.
double fadedBaseVolume(double nearness, double heightM, double fadeAltitude, double W);

// How much a base heard at `baseVolume` lowers the wind: nothing up to 160, then more steeply
// the smaller its wind percent; a percent of 0 removes the wind above 160.
double windReductionByBase(double baseVolume, double windPercent);

} // namespace zephyrin
