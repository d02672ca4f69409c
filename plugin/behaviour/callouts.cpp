// The altitude callouts, the countdown on the pad and the attitude mode clicks.
#include "plugin/behaviour/callouts.h"

#include "plugin/core/main_configuration.h"
#include "plugin/core/slot_operations.h"
#include "plugin/radio/radio.h"

namespace zephyrin {

CalloutLatches callouts;

namespace {

// The callouts speak only in the last 3 km above the ground.
constexpr double gpwsCeilingM = 3000;

struct GpwsThreshold {
    double heightM;
    StockSlot slot;
};

// From the highest down: the first one crossed is the one called.
constexpr GpwsThreshold gpwsThresholds[] = {
    {2500, Gpws2500}, {1000, Gpws1000}, {500, Gpws500}, {400, Gpws400},
    {300, Gpws300},   {200, Gpws200},   {100, Gpws100}, {50, Gpws50},
    {40, Gpws40},     {30, Gpws30},     {20, Gpws20},   {10, Gpws10},
};

// Between these altitudes a vessel is on its way to orbit: the next landing may count down
// again.
constexpr double countdownRearmLowM = 10000;
constexpr double countdownRearmHighM = 15000;

constexpr StockSlot attitudeModeSlots[] = {AttModeOff, AttModeRot, AttModeTrans};
constexpr int attitudeModeCount = 3;

} // namespace

int crossedGpwsCallout(double lastCalloutHeight, double height) {
    for (const GpwsThreshold& threshold : gpwsThresholds) {
        if (lastCalloutHeight > threshold.heightM && height < threshold.heightM) {
            return threshold.slot;
        }
    }
    return -1;
}

void updateGpwsCallouts() {
    double height = frame.heightAboveGround;
    if (liveOptions.PLAYGPWS != 1 || !(height < gpwsCeilingM)) {
        return;
    }
    int slot = crossedGpwsCallout(callouts.lastCalloutHeight, height);
    if (slot >= 0) {
        if (frame.cameraInternal == 1 || liveOptions.GPWSINEXTERNALVIEW == 1) {
            playWaveSimple(stockSlots[slot], 0, liveOptions.VOLGPWS);
        }
        callouts.lastCalloutHeight = height;
    } else if (callouts.lastCalloutHeight < height) {
        callouts.lastCalloutHeight = height;
    }
}

CountdownStep nextCountdownStep(int32_t state, bool groundContact, const FrameState& f) {
    CountdownStep step{state, false};
    bool enginesQuiet = f.mainLevel == 0 && f.hoverLevel == 0;
    if (state == countdownIdle && groundContact && enginesQuiet) {
        step.state = countdownOnThePad;
    } else if (state == countdownOnThePad && !enginesQuiet) {
        step.state = countdownGiven;
        step.countdownStarts = true;
    }
    if (f.altitude > countdownRearmLowM && f.altitude < countdownRearmHighM) {
        step.state = countdownIdle;
    }
    return step;
}

void updateCountdownLatch(VESSEL& vessel) {
    if (liveOptions.PLAYCOUNTDOWNWHENTAKEOFF != 1) {
        return;
    }
    CountdownStep step = nextCountdownStep(callouts.countdownState, vessel.GroundContact(), frame);
    callouts.countdownState = step.state;
    if (step.countdownStarts && !sequentialProgramSuppressesCountdown()) {
        playWaveSimple(stockSlot(Countdown), 0, liveOptions.VOLCOUNTDOWN);
    }
}

void updateAttitudeModeSounds() {
    if (liveOptions.PLAYWHENATTITUDEMODECHANGE != 1 ||
        frame.attitudeMode == callouts.lastAttitudeMode) {
        return;
    }
    int mode = frame.attitudeMode;
    bool heard = frame.cameraInternal == 1 || liveOptions.RADIOINEXTERNALVIEW == 1;
    if (heard && mode >= 0 && mode < attitudeModeCount) {
        for (int other = 0; other < attitudeModeCount; ++other) {
            if (other != mode) {
                stopSlot(stockSlot(attitudeModeSlots[other]));
            }
        }
        playWaveSimple(stockSlot(attitudeModeSlots[mode]), 0, liveOptions.VOLATTITUDEMODE);
    }
    callouts.lastAttitudeMode = mode;
}

} // namespace zephyrin
