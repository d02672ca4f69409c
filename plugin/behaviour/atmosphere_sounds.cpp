#include "plugin/behaviour/atmosphere_sounds.h"

#include "plugin/core/main_configuration.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/environment/planet_and_base_sounds.h"

#include <algorithm>
#include <cmath>

namespace zephyrin {

AtmosphereLatches atmosphere;

namespace {

// The thinnest air that is heard, and the denser air whose heating grows more slowly; both
// constants are single precision, as the rules were tuned with them.
constexpr float audibleAirPa = 0.002f;
constexpr double denseAirPa = 4000;
constexpr float denseAirFactor = 0.26f;
constexpr double denseAirOffsetPa = 3000;
constexpr double heatingDivisor = 2950000128.0;

constexpr float windHighestVolume = 255;
constexpr float windCockpitReduction = 40;
constexpr float windBaseHz = 15000;
constexpr float windCockpitHz = 2000;
constexpr float windHighestHz = 28000;

constexpr double reentryLowestSpeed = 100;
constexpr double reentryColdHeating = 300;
constexpr double reentryHighestVolume = 300;
constexpr double reentryFaintVolume = 30;
constexpr double reentryBaseHz = 19000;
constexpr double reentryLowestHz = 18000;
constexpr double reentryHighestHz = 24000;
constexpr double reentryCockpitHz = 1500;
constexpr int reentryCockpitReduction = 30;

void stopIfPlaying(StockSlot slot, int32_t& playing) {
    if (playing == 1) {
        stopSlot(stockSlot(slot));
        playing = 0;
    }
}

void stopWindAmbience() {
    if (atmosphere.windAmbiencePlaying == 1) {
        atmosphere.windAmbiencePlaying = 0;
        stopSlot(stockSlot(PlanetWind));
        StopBaseSound();
    }
}

} // namespace

double heatingValue(double atmPressure, double airspeed) {
    double air =
        atmPressure > denseAirPa ? denseAirFactor * atmPressure + denseAirOffsetPa : atmPressure;
    return 0.5 * air * 1.5 * airspeed * airspeed * airspeed / heatingDivisor;
}

bool airIsAudible(double atmPressure) {
    return atmPressure > audibleAirPa;
}

AirRequest windAirspeedRequest(const FrameState& f, const OptionRecord& o, bool slotIs3D) {
    float volume = static_cast<float>(
        std::min(std::sqrt(6 * f.dynPressure), static_cast<double>(windHighestVolume)));
    volume -= static_cast<float>(f.vacuumAttenuation);
    if (!slotIs3D) {
        volume -= static_cast<float>(f.mediumAttenuation);
        volume -= static_cast<float>(f.machConeMute);
    }
    volume -= windCockpitReduction * static_cast<float>(f.cameraInternal);
    volume = static_cast<float>(volume + f.airspeed / 100);

    float frequency = static_cast<float>(f.dynPressure / 6 + windBaseHz);
    if (!slotIs3D) {
        frequency += static_cast<float>(static_cast<int>(10 * f.observerClosingSpeed));
    }
    frequency -= windCockpitHz * static_cast<float>(f.cameraInternal);
    frequency = static_cast<float>(frequency + heatingValue(f.atmPressure, f.airspeed));
    if (frequency >= windHighestHz) {
        frequency = windHighestHz;
    }
    volume = std::clamp(volume, 0.0f, static_cast<float>(o.VOLWINDAIRSPEED));
    return {static_cast<int>(volume), static_cast<int>(frequency)};
}

ReentryRequest reentryRequest(const FrameState& f, const OptionRecord& o, bool slotIs3D) {
    double heating = heatingValue(f.atmPressure, f.airspeed);
    if (heating <= reentryColdHeating) {
        return {ReentryAction::Stop, {}};
    }
    double volume =
        std::max(std::min(heating / 10, reentryHighestVolume), 0.0) - 0.6 * f.vacuumAttenuation;
    if (volume <= reentryFaintVolume) {
        return {ReentryAction::Hold, {}};
    }
    double frequency = std::clamp(heating / 24 + reentryBaseHz - 6 * f.vacuumAttenuation -
                                      reentryCockpitHz * f.cameraInternal,
                                  reentryLowestHz, reentryHighestHz);
    if (!slotIs3D) {
        volume -= f.farAttenuation + f.machConeMute;
    }
    volume = std::clamp(volume, 0.0, static_cast<double>(o.VOLREENTRY));
    return {ReentryAction::Play,
            {static_cast<int>(volume - reentryCockpitReduction * f.cameraInternal),
             static_cast<int>(frequency)}};
}

void updateWindAirspeed() {
    if (liveOptions.PLAYWINDAIRSPEED != 1) {
        return;
    }
    if (!airIsAudible(frame.atmPressure) || frame.airspeed <= 0) {
        stopIfPlaying(WindAirspeed, atmosphere.windPlaying);
        return;
    }
    if (frame.lateTick == 0) {
        return;
    }
    StockSoundSlot& slot = stockSlot(WindAirspeed);
    AirRequest request = windAirspeedRequest(frame, liveOptions, slot.is3D == 1);
    PlayWave(slot, 1, request.volume, request.frequency, referenceFrequency22050Hz,
             unusedRightVolume);
    atmosphere.windPlaying = 1;
}

void updateReentry() {
    if (liveOptions.PLAYREENTRYAIRSPEED != 1) {
        return;
    }
    if (!airIsAudible(frame.atmPressure) || frame.airspeed <= reentryLowestSpeed) {
        stopIfPlaying(Reentry, atmosphere.reentryPlaying);
        return;
    }
    if (frame.lateTick == 0) {
        return;
    }
    StockSoundSlot& slot = stockSlot(Reentry);
    ReentryRequest request = reentryRequest(frame, liveOptions, slot.is3D == 1);
    if (request.action == ReentryAction::Stop) {
        stopIfPlaying(Reentry, atmosphere.reentryPlaying);
    } else if (request.action == ReentryAction::Play) {
        atmosphere.reentryPlaying = 1;
        PlayWave(slot, 1, request.sound.volume, request.sound.frequency, referenceFrequency22050Hz,
                 unusedRightVolume);
    }
}

void updateWindAndBaseAmbience() {
    if (liveOptions.PLAYWINDAMBIANCEWHENLANDED != 1) {
        stopWindAmbience();
        return;
    }
    if (frame.lateTick == 1 || atmosphere.baseAmbienceForced == 1) {
        // Taken before the query: a planet change inside it asks for the next frame's full scan.
        bool fullScan = atmosphere.baseAmbienceForced == 1;
        atmosphere.baseAmbienceForced = 0;
        atmosphere.windAmbienceVolume = UpdateWindAndBase(fullScan);
    }
    if (atmosphere.windAmbienceVolume > 1) {
        playWaveSimple(stockSlot(PlanetWind), 1, static_cast<int>(atmosphere.windAmbienceVolume));
        atmosphere.windAmbiencePlaying = 1;
        return;
    }
    stopWindAmbience();
}

} // namespace zephyrin
