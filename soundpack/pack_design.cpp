#include "soundpack/pack_design.h"

#include "soundpack/recipes/atmosphere.h"
#include "soundpack/recipes/attitude_jets.h"
#include "soundpack/recipes/base_ambience.h"
#include "soundpack/recipes/cockpit.h"
#include "soundpack/recipes/engines.h"
#include "soundpack/recipes/example_class.h"
#include "soundpack/recipes/ground.h"
#include "soundpack/recipes/music.h"
#include "soundpack/recipes/voices.h"

namespace soundpack {

namespace {

// Loudness and the most peak limiting each kind of sound may take (dBFS / dB). Loops are only
// scaled, never limited, so their seams stay seamless.
constexpr LevelTarget engineLevel{-12.0, 0.0};
constexpr LevelTarget bedLevel{-16.0, 0.0};
constexpr LevelTarget impactLevel{-12.0, 6.0};
constexpr LevelTarget signalLevel{-13.0, 4.0};
constexpr LevelTarget voiceLevel{-14.0, 6.0};

const std::string vessel = "sound\\vessel\\";
const std::string configuration = "Sound\\cfg\\";
const std::string windFolder = "sound\\_CustomWindSounds\\";
const std::string baseFolder = "sound\\_CustomBaseSounds\\";
const std::string radioFolder = "sound\\radio\\";

SoundDesign made(std::string path, std::string what, std::function<Signal()> recipe,
                 LevelTarget level) {
    return {std::move(path), std::move(what), [recipe](Studio&) { return recipe(); }, level};
}

SoundDesign spoken(std::string path, std::string what, std::function<Signal(Studio&)> recipe) {
    return {std::move(path), std::move(what), std::move(recipe), voiceLevel};
}

void addEngineAndJetSounds(std::vector<SoundDesign>& sounds) {
    sounds.push_back(made(
        vessel + "mainext.wav", "main engine roar, loop", [] { return mainEngine(false); },
        engineLevel));
    sounds.push_back(made(
        vessel + "mainextloud.wav", "heavier main engine for large vessels, loop",
        [] { return mainEngine(true); }, engineLevel));
    sounds.push_back(made(vessel + "hover_int.wav", "hover engine through the hull, loop",
                          hoverEngine, engineLevel));
    sounds.push_back(made(vessel + "retro.wav", "retro engine, loop", retroEngine, engineLevel));
    sounds.push_back(
        made(vessel + "AuxThr.wav", "auxiliary thruster, loop", auxEngine, engineLevel));
    sounds.push_back(made(
        vessel + "attfire40stereo.wav", "attitude jet firing: valve bang and burst",
        [] { return jetAttack(Channels::stereo); }, impactLevel));
    sounds.push_back(made(
        vessel + "attfire.wav", "attitude jet firing (2D)",
        [] { return jetAttack(Channels::mono); }, impactLevel));
    sounds.push_back(made(
        vessel + "attsustain40stereo1.wav", "attitude jets front/rear hiss, loop",
        [] { return jetSustain(1, Channels::stereo); }, bedLevel));
    sounds.push_back(made(
        vessel + "attsustain40stereo2.wav", "attitude jets left/right hiss, loop",
        [] { return jetSustain(2, Channels::stereo); }, bedLevel));
    sounds.push_back(made(
        vessel + "attsustain.wav", "attitude jets hiss (2D), loop",
        [] { return jetSustain(1, Channels::mono); }, bedLevel));
}

void addAtmosphereAndGroundSounds(std::vector<SoundDesign>& sounds) {
    sounds.push_back(
        made(vessel + "airspeed.wav", "rushing air of flight, loop", airspeedWind, bedLevel));
    sounds.push_back(
        made(vessel + "reentryfar.wav", "re-entry plasma roar, loop", reentryPlasma, engineLevel));
    sounds.push_back(made(
        vessel + "Sonicbang.wav", "sonic boom, close: sharp N-wave",
        [] { return sonicBoom(BoomDistance::close); }, impactLevel));
    sounds.push_back(made(
        vessel + "Sonicbangfar.wav", "sonic boom, far: rounder, rolling",
        [] { return sonicBoom(BoomDistance::far); }, impactLevel));
    sounds.push_back(made(
        vessel + "Sonicbangfar1.wav", "sonic boom, farther: long rolling echo",
        [] { return sonicBoom(BoomDistance::farther); }, impactLevel));
    sounds.push_back(
        made(vessel + "roll.wav", "tyres rolling on the runway, loop", groundRoll, bedLevel));
    sounds.push_back(made(vessel + "brake.wav", "wheel brakes scraping and squealing, loop",
                          wheelBrake, bedLevel));
    sounds.push_back(
        made(vessel + "land.wav", "touchdown: gear thump and tyre chirp", touchdown, impactLevel));
    sounds.push_back(
        made(vessel + "crash.wav", "crash: impact, tearing metal, debris", crash, impactLevel));
    sounds.push_back(made(vessel + "docking.wav",
                          "docking: contact, latches, retraction, hard dock", docking,
                          impactLevel));
    sounds.push_back(made(vessel + "Undocking.wav", "undocking: hooks open, vent, spring push",
                          undocking, impactLevel));
}

void addCockpitSounds(std::vector<SoundDesign>& sounds) {
    sounds.push_back(
        made(vessel + "aircond.wav", "cabin air conditioning, loop", airConditioning, bedLevel));
    sounds.push_back(made(
        vessel + "RcsattmodeOff.wav", "attitude mode off: switch and falling tones",
        [] { return attitudeModeClick(AttitudeMode::off); }, signalLevel));
    sounds.push_back(made(
        vessel + "RcsattmodeRot.wav", "attitude mode rotation: switch and rising tones",
        [] { return attitudeModeClick(AttitudeMode::rotation); }, signalLevel));
    sounds.push_back(made(
        vessel + "RcsattmodeTrans.wav", "attitude mode translation: switch and double tone",
        [] { return attitudeModeClick(AttitudeMode::translation); }, signalLevel));
    sounds.push_back(made(vessel + "radar_bip.wav", "radar beep, loop", radarBip, signalLevel));
    sounds.push_back(
        made(vessel + "radar_close.wav", "radar proximity alarm", radarClose, signalLevel));
    sounds.push_back(made("Sound\\vessel\\radiotune.wav", "radio tuning onto a channel", radioTune,
                          signalLevel));
    sounds.push_back(made(vessel + "noise.wav", "radio static of the re-entry black-out",
                          radioStatic, signalLevel));
    static const char* ambiences[cabinAmbienceCount] = {"hull creak",
                                                        "computer chirps",
                                                        "pump cycle",
                                                        "thermal ping",
                                                        "fan spinning up and down",
                                                        "row of switches",
                                                        "distant thump",
                                                        "air vent sigh",
                                                        "relay and chime"};
    for (int index = 0; index < cabinAmbienceCount; ++index) {
        sounds.push_back(made(
            vessel + "ambient" + std::to_string(index) + ".wav",
            std::string("cabin ambience: ") + ambiences[index],
            [index] { return cabinAmbience(index); }, signalLevel));
    }
}

void addVoiceSounds(std::vector<SoundDesign>& sounds) {
    static const std::pair<const char*, const char*> callouts[] = {
        {"-10", "ten"},           {"-20", "twenty"},         {"-30", "thirty"},
        {"-40", "forty"},         {"-50", "fifty"},          {"-100", "one hundred"},
        {"-200", "two hundred"},  {"-300", "three hundred"}, {"-400", "four hundred"},
        {"-500", "five hundred"}, {"-1000", "one thousand"}, {"-2500", "twenty five hundred"}};
    for (const auto& [name, words] : callouts) {
        const std::string text = words;
        sounds.push_back(spoken("Sound\\Vessel\\" + std::string(name) + ".wav",
                                "altitude callout \"" + text + "\"",
                                [text](Studio& studio) { return gpwsCallout(studio, text); }));
    }
    sounds.push_back(spoken(
        vessel + "countdown.wav", "launch countdown from five, over the radio", [](Studio& studio) {
            return countdown(studio, cast::launchControl, 5, "ignition, and liftoff!");
        }));
    sounds.push_back(spoken(
        vessel + "countdown1.wav", "launch countdown from ten, over the radio", [](Studio& studio) {
            return countdown(studio, cast::groundControl, 10, "we have liftoff!");
        }));
    sounds.push_back(
        spoken(vessel + "landClr.wav", "tower's landing clearance", [](Studio& studio) {
            return radioCall(studio, cast::stationControl,
                             "Voranth tower. Runway two eight, cleared to land. Wind two seven "
                             "zero at five knots.",
                             "landClr");
        }));
    sounds.push_back(
        spoken(vessel + "docking_radio.wav", "station confirms the docking", [](Studio& studio) {
            return radioCall(studio, cast::stationControl,
                             "Capture confirmed. Hard dock complete. Welcome aboard.",
                             "docking_radio");
        }));
    sounds.push_back(spoken(
        vessel + "undocking_radio.wav", "station confirms the undocking", [](Studio& studio) {
            return radioCall(
                studio, cast::stationControl,
                "Physical separation confirmed. You are clear to maneuver. Safe flight.",
                "undocking_radio");
        }));
    sounds.push_back(spoken(configuration + "wlcm.wav", "welcome chime and words", welcome));
    sounds.push_back(spoken(configuration + "jbls.tpc",
                            "Christmas greeting: Jingle Bells and wishes", christmasGreeting));
    sounds.push_back(spoken(configuration + "ny.tpc", "New Year's Eve greeting: clinking glasses",
                            newYearsEveGreeting));
    sounds.push_back(spoken(configuration + "ny1.tpc", "New Year greeting: fanfare and fireworks",
                            newYearGreeting));
    sounds.push_back(spoken("sound\\cfg\\Zp.tpc", "Tunedesk's intro chime", configurationIntro));
}

void addEnvironmentSounds(std::vector<SoundDesign>& sounds) {
    const std::pair<const char*, WindCharacter> winds[] = {
        {"Earth_breeze.wav", WindCharacter::earthBreeze},
        {"Earth_default2.wav", WindCharacter::earthGusts},
        {"Mars_dust.wav", WindCharacter::marsDust},
        {"Mars_storm.wav", WindCharacter::marsStorm},
        {"GenericBig_dense.wav", WindCharacter::thickAtmosphere},
        {"GenericNormal_thin.wav", WindCharacter::thinAtmosphere}};
    static const char* windWhat[] = {"Earth: light sea breeze, loop",
                                     "Earth: gusty wind, loop",
                                     "Mars: thin dusty wind, loop",
                                     "Mars: dust storm, loop",
                                     "any large planet: dense, low wind, loop",
                                     "any other planet: thin wind, loop"};
    for (size_t i = 0; i < std::size(winds); ++i) {
        const WindCharacter character = winds[i].second;
        sounds.push_back(made(
            windFolder + winds[i].first, windWhat[i], [character] { return planetWind(character); },
            bedLevel));
    }
    sounds.push_back(made(baseFolder + "Earth_Cape Canaveral_12000_255_40.wav",
                          "Cape Canaveral: surf, gulls, breeze, loop", spaceportByTheSea,
                          bedLevel));
    sounds.push_back(made(baseFolder + "Mars_Olympus_8000_500_60.wav",
                          "Olympus base on Mars: habitat machinery, loop", marsOutpost, bedLevel));
    // Its range and altitude lie beyond the limits the plug-in clamps them to, and its wind
    // percent of 0 silences the wind near the complex.
    sounds.push_back(made(baseFolder + "Earth_Kennedy Space Center_60000_100_0.wav",
                          "Kennedy Space Center: fans, venting valves, a far horn, loop",
                          launchComplex, bedLevel));
}

SoundDesign exchange(const std::string& folder, const std::string& file, const std::string& what,
                     std::vector<RadioLine> lines) {
    const std::string path = radioFolder + folder + "\\" + file;
    return spoken(path, what,
                  [lines, path](Studio& studio) { return radioExchange(studio, lines, path); });
}

void addRadioFolders(std::vector<SoundDesign>& sounds) {
    using namespace cast;
    const std::string shuttle = "140.300 STS-134";
    sounds.push_back(exchange(shuttle, "radio check.wav", "ATC: radio check",
                              {{groundControl, "Endeavour, Houston, radio check."},
                               {crew, "Houston, Endeavour. Loud and clear."}}));
    sounds.push_back(exchange(
        shuttle, "burn.wav", "ATC: go for the burn",
        {{groundControl,
          "Endeavour, Houston. You are go for the orbit adjust burn at two zero plus one five."},
         {crew, "Copy, go for the burn."}}));
    sounds.push_back(
        exchange(shuttle, "rendezvous.wav", "ATC: rendezvous with the station",
                 {{groundControl,
                   "Endeavour, Houston. Station is ready for rendezvous, range eight kilometers."},
                  {crew, "Roger, we have the station in sight."}}));
    sounds.push_back(
        exchange(shuttle, "systems.wav", "ATC: systems check",
                 {{crew, "Houston, Endeavour. Cabin pressure nominal, all systems green."},
                  {groundControl, "Copy Endeavour, we see the same."}}));
    sounds.push_back(
        exchange(shuttle, "loss of signal.wav", "ATC: loss of signal ahead",
                 {{groundControl,
                   "Endeavour, Houston. Two minutes to loss of signal, next pass through Madrid."},
                  {crew, "Endeavour copies. See you on the other side."}}));
    sounds.push_back(exchange(
        shuttle, "weather.wav", "ATC: landing weather",
        {{crew, "Houston, Endeavour. Request weather for the landing site."},
         {groundControl, "Endeavour, Houston. Kennedy is clear, winds light and variable."}}));

    const std::string approach = "296.800 Station Approach";
    sounds.push_back(
        exchange(approach, "port one.wav", "station traffic: docking request",
                 {{traffic, "Station approach, Deltaglider two four, request docking port one."},
                  {stationControl, "Deltaglider two four, cleared to port one. Keep closing speed "
                                   "below one meter per second."}}));
    sounds.push_back(
        exchange(approach, "holding.wav", "station traffic: holding",
                 {{traffic, "Approach, cargo shuttle Atlas, holding at five kilometers."},
                  {stationControl, "Atlas, roger, hold position. Traffic departing port two."}}));
    sounds.push_back(exchange(approach, "solar flare.wav", "station traffic: solar flare warning",
                              {{stationControl, "All stations, all stations. Solar flare warning. "
                                                "Crews shelter in place until further notice."}}));
    sounds.push_back(exchange(
        approach, "departure.wav", "station traffic: departure",
        {{crew, "Station, Deltaglider four one. Undocked and clear of the keep out sphere."},
         {stationControl, "Four one, copy. Safe travels."}}));
}

RadioProgram launchProgram() {
    using namespace cast;
    const std::string folder = "128.550 Launch Control";
    RadioProgram program{
        radioFolder + folder,
        {.title = "Launch Control",
         .description = "Terminal count and launch of the morning flight, in order.",
         .timed = true,
         .noCountdown = true,
         .loop = true,
         .loopPauseSeconds = 120},
        {},
        1.5};
    const auto line = [&folder](const std::string& file, const std::string& what,
                                std::vector<RadioLine> lines) {
        SoundDesign design = exchange(folder, file, what, std::move(lines));
        design.systemPath = file;
        return design;
    };
    program.waves.push_back(line(
        "1 poll.wav", "launch: go/no-go poll",
        {{launchControl,
          "All stations, launch control. We are at T minus two minutes. Go, no go for launch."}}));
    program.waves.push_back(
        line("2 range.wav", "launch: range and weather",
             {{groundControl, "Range is go."}, {stationControl, "Weather is go."}}));
    program.waves.push_back(
        line("3 flight.wav", "launch: flight is go",
             {{crew, "Flight crew is go."}, {launchControl, "Copy. We are go for launch."}}));
    program.waves.push_back({"4 count.wav", "launch: terminal count and liftoff",
                             [](Studio& studio) {
                                 return countdown(studio, launchControl, 10,
                                                  "and liftoff! Liftoff of the morning flight.");
                             },
                             voiceLevel});
    program.waves.push_back(
        line("5 tower.wav", "launch: tower cleared",
             {{groundControl, "Tower cleared. Control passes to mission control."}}));
    return program;
}

} // namespace

size_t PackDesign::fileCount() const {
    size_t count = sounds.size() + music.size() + texts.size();
    for (const RadioProgram& program : radioPrograms) {
        count += program.waves.size() + 1;
    }
    return count;
}

PackDesign defaultPackDesign() {
    PackDesign design;
    addEngineAndJetSounds(design.sounds);
    addAtmosphereAndGroundSounds(design.sounds);
    addCockpitSounds(design.sounds);
    addVoiceSounds(design.sounds);
    addEnvironmentSounds(design.sounds);
    addRadioFolders(design.sounds);
    design.radioPrograms.push_back(launchProgram());
    design.music.push_back({"sound\\mp3\\Orbit Dawn.mp3",
                            "music: Orbit Dawn (D major, 84 BPM)",
                            {"Orbit Dawn", "Zephyrin", "Zephyrin default music"},
                            orbitDawn});
    design.music.push_back({"sound\\mp3\\Low Gravity.mp3",
                            "music: Low Gravity (A minor, 72 BPM)",
                            {"Low Gravity", "Zephyrin", "Zephyrin default music"},
                            lowGravity});
    design.texts.push_back(
        {"Sound\\Cfg\\NoWelcome.cfg", "shows the welcome notice once", "display welcome\n"});
    addExampleClass(design);
    return design;
}

} // namespace soundpack
