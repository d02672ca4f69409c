#include "plugin/behaviour/engine_sounds.h"

#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <algorithm>
#include <cmath>

namespace zephyrin {

EngineLatches engineLatches;

namespace {

// An idle engine is already loud: the level adds to this.
constexpr int engineVolumeBase = 155;
constexpr int32_t heavyVesselKg = 40000;
// Heavy vessels sound louder from outside.
constexpr int heavyVesselBoost = 10;
// The air conditioning works harder while the engines run.
constexpr float airCondMainEngineHz = 24050.0f;
constexpr int airCondHoverHzPerPercent = 20;
constexpr int airCondRetroHzPerPercent = 10;

constexpr int firstNavmode = NAVMODE_KILLROT;
constexpr int lastNavmode = NAVMODE_HOLDALT;

constexpr int rcsFullLevel = 10;
constexpr int rcsVolumePerLevel = 5;
// The cockpit walls muffle the jets.
constexpr int rcsCockpitReduction = 20;

int clampVolume(int volume) {
    return std::clamp(volume, 0, 255);
}

bool external(const FrameState& f) {
    return f.cameraInternal == 0;
}

// An engine is silent or loops; a level of 0 stops it on the first tick that sees it.
void runEngine(StockSoundSlot& slot, int32_t& playing, int level, SoundRequest request,
               int referenceFrequency) {
    if (level == 0) {
        if (playing == 1) {
            stopSlot(slot);
            playing = 0;
        }
        return;
    }
    PlayWave(slot, 1, request.volume, request.frequency, referenceFrequency, unusedRightVolume);
    playing = 1;
}

int activeNavmodes(VESSEL& vessel) {
    int count = 0;
    for (int mode = firstNavmode; mode <= lastNavmode; ++mode) {
        count += vessel.GetNavmodeState(mode) ? 1 : 0;
    }
    return count;
}

void stopRcsSustain() {
    stopSlot(stockSlot(RcsSustainFrontRear));
    stopSlot(stockSlot(RcsSustainLeftRight));
}

void runSplitJets(const RcsRequest& r, const RcsGroupLevels& levels) {
    bool bankFiring = levels.bank != 0;
    if (engineLatches.rcsActive == 0) {
        if (r.firstChannel != 0 || r.secondChannel != 0) {
            PlayWave(stockSlot(RcsAttackFrontRear), 0, r.firstChannel, r.attackFrequency,
                     referenceFrequency11025Hz, r.secondChannel);
        }
        if (bankFiring) {
            PlayWave(stockSlot(RcsAttackLeftRight), 0, r.volume, r.attackFrequency,
                     referenceFrequency11025Hz, unusedRightVolume);
        }
    }
    if (levels.firstChannel() == 0 && levels.secondChannel() == 0) {
        stopSlot(stockSlot(RcsSustainFrontRear));
    } else {
        PlayWave(stockSlot(RcsSustainFrontRear), 1, r.firstChannel, r.sustainFrequency,
                 referenceFrequency11025Hz, r.secondChannel);
    }
    if (bankFiring) {
        PlayWave(stockSlot(RcsSustainLeftRight), 1, r.volume, r.sustainFrequency,
                 referenceFrequency11025Hz, unusedRightVolume);
    } else {
        stopSlot(stockSlot(RcsSustainLeftRight));
    }
}

void runSingleJets(const RcsRequest& r, const FrameState& f) {
    if (engineLatches.rcsActive == 0) {
        PlayWave(stockSlot(RcsAttackFrontRear), 0, r.volume, r.attackFrequency,
                 referenceFrequency11025Hz, unusedRightVolume);
    }
    if (f.slowTick == 1 || engineLatches.rcsActive == 0) {
        PlayWave(stockSlot(RcsSustainFrontRear), 1, r.volume, r.sustainFrequency,
                 referenceFrequency11025Hz, unusedRightVolume);
    }
}

void updateJets(VESSEL& vessel) {
    int navmodes = activeNavmodes(vessel);
    RcsGroupLevels levels = readRcsGroupLevels(vessel);
    int level = rcsLevel(levels, navmodes, engineLatches.rcsSmoothedLevel);
    if (level == 0) {
        if (engineLatches.rcsActive == 1) {
            engineLatches.rcsActive = 0;
            stopRcsSustain();
        }
        return;
    }
    bool split = stockSlot(RcsAttackFrontRear).isStereoPair == 1 &&
                 stockSlot(RcsSustainFrontRear).isStereoPair == 1;
    RcsRequest request = rcsRequest(split, level, levels, frame, liveOptions,
                                    stockSlot(RcsAttackFrontRear).is3D == 1);
    if (split) {
        runSplitJets(request, levels);
    } else {
        runSingleJets(request, frame);
    }
    engineLatches.rcsActive = 1;
}

struct LiftEngineRun {
    LiftEngine engine;
    StockSlot slot;
    int32_t EngineLatches::*playing;
    int32_t OptionRecord::*enabled;
    int airCondHzPerPercent;
};

constexpr LiftEngineRun liftEngines[] = {
    {LiftEngine::Hover, HoverThrust, &EngineLatches::hoverPlaying, &OptionRecord::PLAYHOVERTHRUST,
     airCondHoverHzPerPercent},
    {LiftEngine::Retro, RetroThrust, &EngineLatches::retroPlaying, &OptionRecord::PLAYRETROTHRUST,
     airCondRetroHzPerPercent},
    {LiftEngine::Aux, AuxThrust, &EngineLatches::auxPlaying, &OptionRecord::PLAYAUXTHRUST, 0},
};

int liftEngineLevel(LiftEngine engine, const VESSEL& vessel) {
    switch (engine) {
    case LiftEngine::Hover:
        return frame.hoverLevel;
    case LiftEngine::Retro:
        return frame.retroLevel;
    case LiftEngine::Aux:
        return auxThrustLevel(vessel);
    }
    return 0;
}

void updateLiftEngine(const LiftEngineRun& engine, const VESSEL& vessel) {
    if (liveOptions.*engine.enabled != 1 || frame.lateTick != 1 ||
        (engine.engine == LiftEngine::Aux && frame.hasAuxThrusters != 1)) {
        return;
    }
    int level = liftEngineLevel(engine.engine, vessel);
    StockSoundSlot& slot = stockSlot(engine.slot);
    SoundRequest request{};
    if (level != 0) {
        run.airCondTargetFrequency += static_cast<float>(engine.airCondHzPerPercent * level);
        request = liftEngineRequest(engine.engine, level, frame, liveOptions, slot.is3D == 1);
    }
    runEngine(slot, engineLatches.*engine.playing, level, request, referenceFrequency11025Hz);
}

} // namespace

SoundRequest mainThrustRequest(const FrameState& f, const OptionRecord& o, bool slotIs3D) {
    int b = f.mainLevel + engineVolumeBase;
    if (!external(f)) {
        return {b - f.internalVacuumAttenuation / 11,
                20 * b + 10500 - 12 * f.internalVacuumAttenuation};
    }
    SoundRequest request;
    if (slotIs3D) {
        request = {b, 50 * (b + 300) - 30 * f.vacuumAttenuation};
    } else {
        request.volume = b - f.farAttenuation - f.machConeMute +
                         (f.massKg > heavyVesselKg ? heavyVesselBoost : 0);
        request.frequency = 20000 - 7 * f.vacuumAttenuation +
                            static_cast<int>(11 * f.observerClosingSpeed) -
                            std::min(100 * f.farAttenuation, 2000);
    }
    request.volume = std::min(clampVolume(request.volume) - f.vacuumAttenuation, o.VOLMAINTHRUST);
    return request;
}

SoundRequest liftEngineRequest(LiftEngine engine, int level, const FrameState& f,
                               const OptionRecord& o, bool slotIs3D) {
    int b = level + engineVolumeBase;
    if (!external(f)) {
        int divisor = engine == LiftEngine::Hover ? 12 : 11;
        return {b - f.internalVacuumAttenuation / divisor,
                64 * b - 4 * f.internalVacuumAttenuation - 6000};
    }
    int volume = b - f.vacuumAttenuation;
    if (!slotIs3D) {
        volume -= f.mediumAttenuation + f.machConeMute;
    }
    volume = std::min(volume, engine == LiftEngine::Hover ? o.VOLHOVERTHRUST : o.VOLRETROTHRUST);
    return {volume, 64 * volume - 15 * f.vacuumAttenuation - 2000};
}

int auxThrustLevel(const VESSEL& vessel) {
    if (vessel.GetUserThrusterGroupCount() < 1) {
        return 0;
    }
    THGROUP_HANDLE group = vessel.GetUserThrusterGroupHandleByIndex(0);
    if (group == nullptr) {
        return 0;
    }
    double highest = 0;
    DWORD count = vessel.GetGroupThrusterCount(group);
    for (DWORD index = 0; index < count; ++index) {
        if (THRUSTER_HANDLE thruster = vessel.GetGroupThruster(group, index)) {
            highest = std::max(highest, vessel.GetThrusterLevel(thruster));
        }
    }
    return static_cast<int>(100 * highest);
}

RcsGroupLevels readRcsGroupLevels(const VESSEL& vessel) {
    // The host is asked in this order; a host may compute a group's level when asked.
    constexpr THGROUP_TYPE callOrder[] = {
        THGROUP_ATT_PITCHDOWN, THGROUP_ATT_PITCHUP, THGROUP_ATT_YAWLEFT,   THGROUP_ATT_YAWRIGHT,
        THGROUP_ATT_RIGHT,     THGROUP_ATT_LEFT,    THGROUP_ATT_UP,        THGROUP_ATT_DOWN,
        THGROUP_ATT_FORWARD,   THGROUP_ATT_BACK,    THGROUP_ATT_BANKRIGHT, THGROUP_ATT_BANKLEFT};
    double level[THGROUP_ATT_BACK + 1] = {};
    for (THGROUP_TYPE type : callOrder) {
        level[type] = vessel.GetThrusterGroupLevel(type);
    }
    RcsGroupLevels levels{};
    for (int type = THGROUP_ATT_PITCHUP; type <= THGROUP_ATT_DOWN; ++type) {
        if (type != THGROUP_ATT_BANKLEFT && type != THGROUP_ATT_BANKRIGHT) {
            levels.turning += level[type];
        }
    }
    levels.forward = level[THGROUP_ATT_FORWARD];
    levels.back = level[THGROUP_ATT_BACK];
    levels.bank = level[THGROUP_ATT_BANKLEFT] + level[THGROUP_ATT_BANKRIGHT];
    return levels;
}

int rcsLevel(const RcsGroupLevels& levels, int activeNavmodes, float& smoothedLevel) {
    double total = std::min(1.0, levels.bank + levels.firstChannel() + levels.secondChannel());
    if (activeNavmodes > 0) {
        smoothedLevel = static_cast<float>(0.5 * smoothedLevel + 0.5 * total);
        return std::abs(static_cast<int>(rcsFullLevel * smoothedLevel));
    }
    return static_cast<int>(rcsFullLevel * total);
}

RcsRequest rcsRequest(bool split, int level, const RcsGroupLevels& levels, const FrameState& f,
                      const OptionRecord& o, bool attackIs3D) {
    int base = o.VOLATTITUDETHRUST + rcsVolumePerLevel * (level - rcsFullLevel);
    if (!attackIs3D) {
        base -= f.closeAttenuation;
    }
    int cockpit = rcsCockpitReduction * f.cameraInternal;
    int inside = f.internalVacuumAttenuation;
    RcsRequest request{};
    if (split) {
        request.volume = base - cockpit - inside / 10 - f.vacuumAttenuation;
        request.attackFrequency = 11025 - inside / 5;
        request.sustainFrequency = 11025 - 100 * f.cameraInternal - 2 * inside;
        request.firstChannel = levels.firstChannel() != 0 ? request.volume : 0;
        request.secondChannel = levels.secondChannel() != 0 ? request.volume : 0;
    } else {
        request.volume = base - cockpit - inside / 8 - f.vacuumAttenuation;
        request.attackFrequency = 11025 - 3 * inside - 1000 * f.cameraInternal;
        request.sustainFrequency = request.attackFrequency;
        request.firstChannel = request.secondChannel = request.volume;
    }
    return request;
}

void updateEngineSounds(VESSEL& vessel) {
    if (liveOptions.PLAYMAINTHRUST == 1 && frame.processTick == 1) {
        StockSoundSlot& slot = stockSlot(MainThrust);
        SoundRequest request{};
        if (frame.mainLevel != 0) {
            request = mainThrustRequest(frame, liveOptions, slot.is3D == 1);
        }
        runEngine(slot, engineLatches.mainPlaying, frame.mainLevel, request,
                  referenceFrequency22050Hz);
    }
    if (frame.mainLevel != 0) {
        run.airCondTargetFrequency = airCondMainEngineHz;
    }
    for (const LiftEngineRun& engine : liftEngines) {
        updateLiftEngine(engine, vessel);
    }
    if (liveOptions.PLAYATTITUDETHRUST == 1 && frame.lateTick == 1) {
        updateJets(vessel);
    }
}

} // namespace zephyrin
