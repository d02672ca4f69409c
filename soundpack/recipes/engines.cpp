// Rocket engines: a broadband roar over a low rumble, rocket crackle on top, all wavering with
// the slow instabilities of a real flame. The plug-in replays them between 0.6x (cockpit, low
// throttle) and 1.3x (outside, full thrust), so the recordings sit in the middle of that range.
#include "soundpack/recipes/engines.h"

#include "soundpack/dsp/biquad.h"
#include "soundpack/dsp/levels.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/noise.h"
#include "soundpack/dsp/oscillator.h"
#include "soundpack/recipes/recipe_kit.h"

namespace soundpack {

namespace {

// How a flame sounds: where its roar sits and how much of each layer it has (dB, RMS).
struct FlameVoice {
    double roarCentreHz;
    double roarQ;
    double roarDb;
    double rumbleCutoffHz;
    double rumbleDb;
    double cracklePerSecond;
    double crackleDb;
    double hissDb;
    double flutterHz;
    double flutterDepth;
};

Samples flame(const FlameVoice& voice, int rateHz, RandomSource& random, size_t frames) {
    Samples rumble = brownNoise(random, frames);
    filterInPlace(rumble, lowPass(rateHz, voice.rumbleCutoffHz, 0.8));
    filterInPlace(rumble, lowPass(rateHz, voice.rumbleCutoffHz, 0.8));
    filterInPlace(rumble, highPass(rateHz, 22.0, 0.7071));

    Samples roar =
        filtered(pinkNoise(random, frames), bandPass(rateHz, voice.roarCentreHz, voice.roarQ));
    Samples flutter = wanderingControl(random, frames, rateHz, voice.flutterHz);
    modulateAmplitude(roar, flutter, voice.flutterDepth);

    // Crackle: sparse shocks, each ringing briefly in the upper mids.
    Samples crack = crackle(random, frames, rateHz, voice.cracklePerSecond);
    filterInPlace(crack, bandPass(rateHz, 1400.0, 0.9));
    filterInPlace(crack, highPass(rateHz, 400.0, 0.7071));

    Samples hiss = filtered(whiteNoise(random, frames), highPass(rateHz, 3000.0, 0.7071));

    Samples out = sumOf({{withRms(std::move(rumble), voice.rumbleDb), 1.0},
                         {withRms(std::move(roar), voice.roarDb), 1.0},
                         {withRms(std::move(crack), voice.crackleDb), 1.0},
                         {withRms(std::move(hiss), voice.hissDb), 1.0}});
    // The flame's own compression: loud moments bend instead of spiking, which keeps the
    // crackle from setting the peak level of the whole loop.
    saturate(out, 2.0);
    return out;
}

Signal flameLoop(const std::string& name, int rateHz, double seconds, const FlameVoice& voice) {
    return stereoLoop(name, rateHz, seconds, 0.35, [&](RandomSource& random, size_t frames) {
        return flame(voice, rateHz, random, frames);
    });
}

} // namespace

Signal mainEngine(bool loud) {
    const FlameVoice voice{.roarCentreHz = loud ? 380.0 : 480.0,
                           .roarQ = 0.55,
                           .roarDb = -14.0,
                           .rumbleCutoffHz = loud ? 90.0 : 110.0,
                           .rumbleDb = loud ? -11.0 : -13.0,
                           .cracklePerSecond = loud ? 160.0 : 110.0,
                           .crackleDb = loud ? -19.0 : -21.0,
                           .hissDb = -30.0,
                           .flutterHz = 6.0,
                           .flutterDepth = 0.3};
    return flameLoop(loud ? "mainextloud" : "mainext", standardRateHz, 6.0, voice);
}

Signal hoverEngine() {
    // Heard through the hull: the roar is muffled, the structure booms at its own resonances and
    // the turbopump whines faintly over it.
    const int rateHz = lowRateHz;
    return stereoLoop("hover_int", rateHz, 5.0, 0.45,
                      [rateHz](RandomSource& random, size_t frames) {
                          const FlameVoice voice{.roarCentreHz = 320.0,
                                                 .roarQ = 0.6,
                                                 .roarDb = -15.0,
                                                 .rumbleCutoffHz = 120.0,
                                                 .rumbleDb = -13.0,
                                                 .cracklePerSecond = 50.0,
                                                 .crackleDb = -28.0,
                                                 .hissDb = -40.0,
                                                 .flutterHz = 4.0,
                                                 .flutterDepth = 0.25};
                          Samples body = flame(voice, rateHz, random, frames);
                          filterInPlace(body, lowPass(rateHz, 1500.0, 0.7071));
                          filterInPlace(body, peaking(rateHz, 115.0, 5.0, 6.0));
                          filterInPlace(body, peaking(rateHz, 240.0, 6.0, 4.0));
                          const Samples drift = wanderingControl(random, frames, rateHz, 0.7);
                          Samples whine = sine(rateHz, frames, [&drift](size_t frame) {
                              return 1650.0 * (1.0 + 0.01 * drift[frame]);
                          });
                          return sumOf({{body, 1.0}, {withRms(std::move(whine), -36.0), 1.0}});
                      });
}

Signal retroEngine() {
    const FlameVoice voice{.roarCentreHz = 850.0,
                           .roarQ = 0.7,
                           .roarDb = -14.0,
                           .rumbleCutoffHz = 140.0,
                           .rumbleDb = -17.0,
                           .cracklePerSecond = 140.0,
                           .crackleDb = -20.0,
                           .hissDb = -26.0,
                           .flutterHz = 8.0,
                           .flutterDepth = 0.3};
    return flameLoop("retro", lowRateHz, 5.0, voice);
}

Signal auxEngine() {
    // A small, hot thruster: hissier and higher than the main engines.
    const FlameVoice voice{.roarCentreHz = 1400.0,
                           .roarQ = 0.8,
                           .roarDb = -14.0,
                           .rumbleCutoffHz = 180.0,
                           .rumbleDb = -20.0,
                           .cracklePerSecond = 90.0,
                           .crackleDb = -23.0,
                           .hissDb = -21.0,
                           .flutterHz = 10.0,
                           .flutterDepth = 0.25};
    return flameLoop("AuxThr", lowRateHz, 4.0, voice);
}

} // namespace soundpack
