#include "soundpack/recipes/example_class.h"

#include "soundpack/dsp/biquad.h"
#include "soundpack/dsp/envelope.h"
#include "soundpack/dsp/levels.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/noise.h"
#include "soundpack/dsp/oscillator.h"
#include "soundpack/pack_design.h"
#include "soundpack/recipes/engines.h"
#include "soundpack/recipes/recipe_kit.h"
#include "soundpack/recipes/voices.h"

namespace soundpack {

namespace {

constexpr int classRateHz = standardRateHz;
const std::string classFolder = "Sound\\_CustomVesselsSounds\\Kestrel\\";

constexpr LevelTarget machineLevel{-16.0, 0.0};
constexpr LevelTarget knockLevel{-13.0, 6.0};

// A motor whine at `motorHz` with its gear mesh, under rattling and hydraulic hiss.
Samples motor(RandomSource& random, size_t frames, double motorHz, double rattlePerSecond) {
    Samples whine = saw(classRateHz, frames, steadyHz(motorHz));
    filterInPlace(whine, bandPass(classRateHz, motorHz * 3.0, 2.0));
    Samples mesh = sine(classRateHz, frames, steadyHz(motorHz * 7.1));
    modulateAmplitude(mesh, wanderingControl(random, frames, classRateHz, 6.0), 0.5);
    Samples rattle = crackle(random, frames, classRateHz, rattlePerSecond);
    filterInPlace(rattle, bandPass(classRateHz, 900.0, 1.2));
    Samples hiss = filtered(pinkNoise(random, frames), bandPass(classRateHz, 2500.0, 0.8));
    return sumOf({{withRms(std::move(whine), -18.0), 1.0},
                  {withRms(std::move(mesh), -28.0), 1.0},
                  {withRms(std::move(rattle), -24.0), 1.0},
                  {withRms(std::move(hiss), -26.0), 1.0}});
}

// A mechanical stop: a low thump with a metallic ring after it.
Samples knock(RandomSource& random, double thumpHz, double ringHz, double seconds) {
    const size_t frames = framesFor(seconds, classRateHz);
    Samples thump = sine(classRateHz, frames, glideHz(thumpHz * 1.6, thumpHz, frames / 4));
    applyEnvelope(thump, percussiveEnvelope(classRateHz, frames, 0.002, seconds * 0.35));
    Samples ring = modalRing(classRateHz, seconds,
                             {{ringHz, 1.0, seconds * 0.5},
                              {ringHz * 2.76, 0.5, seconds * 0.3},
                              {ringHz * 5.4, 0.25, seconds * 0.15}});
    ring.resize(frames, 0.0f);
    Samples grit = filtered(whiteNoise(random, frames), highPass(classRateHz, 1500.0, 0.7071));
    applyEnvelope(grit, percussiveEnvelope(classRateHz, frames, 0.0005, 0.03));
    return sumOf({{withRms(std::move(thump), -10.0), 1.0},
                  {withRms(std::move(ring), -20.0), 1.0},
                  {withRms(std::move(grit), -22.0), 1.0}});
}

SoundDesign classSound(const std::string& file, const std::string& what, Signal (*recipe)(),
                       LevelTarget level) {
    return {classFolder + file, what, [recipe](Studio&) { return recipe(); }, level};
}

} // namespace

Signal gearMotor() {
    return monoLoop("kestrel gear motor", classRateHz, 2.0,
                    [](RandomSource& random, size_t n) { return motor(random, n, 118.0, 30.0); });
}

Signal gearLock() {
    RandomSource random = RandomSource::forName("kestrel gear lock");
    Samples out = knock(random, 70.0, 410.0, 0.9);
    fadeEdges(out, classRateHz, 0.0, 0.05);
    return monoSignal(classRateHz, std::move(out));
}

Signal gearStow() {
    RandomSource random = RandomSource::forName("kestrel gear stow");
    Samples thud = knock(random, 55.0, 260.0, 0.7);
    Samples latch = knock(random, 160.0, 1300.0, 0.25);
    mixInto(thud, latch, framesFor(0.32, classRateHz), 0.6);
    fadeEdges(thud, classRateHz, 0.0, 0.05);
    return monoSignal(classRateHz, std::move(thud));
}

Signal hatchMotor() {
    return stereoLoop("kestrel hatch motor", classRateHz, 2.0, 0.5,
                      [](RandomSource& random, size_t n) { return motor(random, n, 86.0, 12.0); });
}

Signal hatchOpen() {
    RandomSource random = RandomSource::forName("kestrel hatch open");
    Samples out = knock(random, 90.0, 620.0, 0.6);
    fadeEdges(out, classRateHz, 0.0, 0.05);
    return monoSignal(classRateHz, std::move(out));
}

Signal hatchClose() {
    RandomSource random = RandomSource::forName("kestrel hatch close");
    Samples out = knock(random, 60.0, 330.0, 1.2);
    Samples seal = filtered(pinkNoise(random, out.size()), bandPass(classRateHz, 3200.0, 0.9));
    applyEnvelope(seal, adsrEnvelope(classRateHz, seal.size(), {0.05, 0.1, 0.6, 0.4}, 0.5));
    mixInto(out, withRms(std::move(seal), -24.0), framesFor(0.15, classRateHz));
    fadeEdges(out, classRateHz, 0.0, 0.08);
    return monoSignal(classRateHz, std::move(out));
}

Signal switchClick() {
    RandomSource random = RandomSource::forName("kestrel switch");
    Samples out = knock(random, 900.0, 3100.0, 0.12);
    Samples snap = filtered(whiteNoise(random, out.size()), bandPass(classRateHz, 5000.0, 1.5));
    applyEnvelope(snap, percussiveEnvelope(classRateHz, snap.size(), 0.0003, 0.008));
    mixInto(out, withRms(std::move(snap), -14.0), 0);
    fadeEdges(out, classRateHz, 0.0, 0.01);
    return monoSignal(classRateHz, std::move(out));
}

std::string exampleClassFile() {
    return "// Zephyrin sounds of the vessel class Kestrel (the demo flight's lander).\n"
           "// One key a line; \"//\" starts a comment. Files come from the folder Kestrel\\.\n"
           "// Check the file with: classcheck Sound/_CustomVesselsSounds/Kestrel.cfg\n"
           "\n"
           "// Stock behaviours on and off.\n"
           "PLAYMAINTHRUST = true\n"
           "PLAYRADARBIP = true           // beeps near stations\n"
           "\n"
           "// The Kestrel's own engine and altitude callouts.\n"
           "REPLACE_MAIN_THRUST = engine.wav\n"
           "REPLACEALLGPWSSOUND = true\n"
           "\n"
           "// Where the sounds sit, metres in the vessel frame (x right, y up, z forward).\n"
           "3dMainThrustPos = {-1.2,0,-7.6}{1.2,0,-7.6}\n"
           "3dHoverThrustPos = {0,-1.4,0}\n"
           "3dGPWSPos = {0,1.6,6.6}\n"
           "\n"
           "// Animations: 0 the landing gear (1 = down and locked), 1 the nose hatch,\n"
           "// 2 the cockpit switch.\n"
           "Animation_0 = gear_move.wav, gear_lock.wav, gear_stow.wav, ANIMPOS {0,-1.8,2}\n"
           "AnimationStereo_1 = hatch_move.wav, hatch_open.wav, hatch_close.wav, ANIMPOS "
           "{-0.6,0.9,8.4}{0.6,0.9,8.4}\n"
           "AnimationSwitch_2 = switch.wav, {0.3,1.1,6.9}\n";
}

void addExampleClass(PackDesign& design) {
    std::vector<SoundDesign>& sounds = design.sounds;
    sounds.push_back({classFolder + "engine.wav", "Kestrel: heavy main engine, loop",
                      [](Studio&) { return mainEngine(true); }, LevelTarget{-12.0, 0.0}});
    sounds.push_back(
        classSound("gear_move.wav", "Kestrel: gear motor, loop", gearMotor, machineLevel));
    sounds.push_back(classSound("gear_lock.wav", "Kestrel: gear locks down", gearLock, knockLevel));
    sounds.push_back(
        classSound("gear_stow.wav", "Kestrel: gear stowed in its bay", gearStow, knockLevel));
    sounds.push_back(
        classSound("hatch_move.wav", "Kestrel: nose hatch jacks, loop", hatchMotor, machineLevel));
    sounds.push_back(
        classSound("hatch_open.wav", "Kestrel: nose hatch open", hatchOpen, knockLevel));
    sounds.push_back(
        classSound("hatch_close.wav", "Kestrel: nose hatch sealed", hatchClose, knockLevel));
    sounds.push_back(classSound("switch.wav", "Kestrel: cockpit switch", switchClick, knockLevel));
    static const std::pair<const char*, const char*> callouts[] = {
        {"-10", "ten"},           {"-20", "twenty"},         {"-30", "thirty"},
        {"-40", "forty"},         {"-50", "fifty"},          {"-100", "one hundred"},
        {"-200", "two hundred"},  {"-300", "three hundred"}, {"-400", "four hundred"},
        {"-500", "five hundred"}, {"-1000", "one thousand"}, {"-2500", "twenty five hundred"}};
    for (const auto& [name, words] : callouts) {
        const std::string text = std::string("Kestrel, ") + words;
        sounds.push_back({classFolder + name + ".wav",
                          std::string("Kestrel: altitude callout \"") + words + "\"",
                          [text](Studio& studio) { return gpwsCallout(studio, text); },
                          LevelTarget{-14.0, 6.0}});
    }
    design.texts.push_back({"Sound\\_CustomVesselsSounds\\Kestrel.cfg",
                            "Kestrel: the class file of the example class", exampleClassFile()});
}

} // namespace soundpack
