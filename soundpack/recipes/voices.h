// Spoken sounds: callouts, calls on the radio, the welcome and the greetings (22050 Hz mono).
#pragma once

#include "soundpack/dsp/signal.h"
#include "soundpack/io/speech.h"
#include "soundpack/recipes/recipe_kit.h"

#include <string>
#include <vector>

namespace soundpack {

// An altitude callout of the ground-proximity warning system ("twenty five hundred").
Signal gpwsCallout(Studio& studio, const std::string& words);

// Launch control counting down from `from` at one number per second, then `finale`.
Signal countdown(Studio& studio, const Voice& voice, int from, const std::string& finale);

// One transmission over the VHF radio.
Signal radioCall(Studio& studio, const Voice& voice, const std::string& words,
                 const std::string& name);

// A call and its answers: each line is its own transmission, a short pause between them.
struct RadioLine {
    const Voice& voice;
    std::string words;
};
Signal radioExchange(Studio& studio, const std::vector<RadioLine>& lines, const std::string& name);

Signal welcome(Studio& studio);             // "wlcm.wav": chime and welcome words
Signal christmasGreeting(Studio& studio);   // "jbls.tpc": sleigh-bell jingle and wishes
Signal newYearsEveGreeting(Studio& studio); // "ny.tpc": clinking glasses and advice
Signal newYearGreeting(Studio& studio);     // "ny1.tpc": fanfare, fireworks and wishes
Signal configurationIntro(Studio& studio);  // "Zp.tpc": Tunedesk's opening chime and name

} // namespace soundpack
