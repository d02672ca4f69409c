#include "plugin/classconfig/class_keys.h"

#include "shared/option_record.h"

#include <cstddef>
#include <cstdint>

namespace zephyrin {

#define OPTION_KEY(field)                                                                          \
    { #field, static_cast < int>(offsetof(OptionRecord, field) / sizeof(int32_t)) }

const ClassOptionKey classOptionKeys[classOptionKeyCount] = {
    OPTION_KEY(PLAYCOUNTDOWNWHENTAKEOFF),
    OPTION_KEY(PLAYWHENATTITUDEMODECHANGE),
    OPTION_KEY(PLAYGPWS),
    OPTION_KEY(PLAYMAINTHRUST),
    OPTION_KEY(PLAYHOVERTHRUST),
    OPTION_KEY(PLAYRETROTHRUST),
    OPTION_KEY(PLAYAUXTHRUST),
    OPTION_KEY(PLAYATTITUDETHRUST),
    OPTION_KEY(PLAYDOCKINGSOUND),
    OPTION_KEY(PLAYRADARBIP),
    OPTION_KEY(PLAYWINDAIRSPEED),
    OPTION_KEY(PLAYDOCKLANDCLEARANCE),
    OPTION_KEY(PLAYLANDINGANDGROUNDSOUND),
    OPTION_KEY(PLAYCABINAIRCONDITIONING),
    OPTION_KEY(PLAYCABINRANDOMAMBIANCE),
    OPTION_KEY(PLAYWINDAMBIANCEWHENLANDED),
    OPTION_KEY(PLAYRADIOATC),
    OPTION_KEY(DISPLAYTIMER),
    OPTION_KEY(PLAYWINDCOCKPITOPEN),
    OPTION_KEY(PLAYREENTRYAIRSPEED),
};

#undef OPTION_KEY

const ClassReplacementKey classReplacementKeys[classReplacementKeyCount] = {
    {"REPLACE_COUNTDOWN_WHENTAKEOFF", 42},
    {"REPLACE_MAIN_THRUST", 10},
    {"REPLACE_HOVER_THRUST", 11},
    {"REPLACE_RETRO_THRUST", 40},
    {"REPLACE_AUX_THRUST", 41},
    {"REPLACE_RCS_THRUST_ATTACK", 12},
    {"REPLACE_RCS_THRUST_SUSTAIN", 13},
    {"REPLACE_AIR_CONDITIONNING", 14},
    {"REPLACE_COCKPIT_AMBIENCE_1", 15},
    {"REPLACE_COCKPIT_AMBIENCE_2", 16},
    {"REPLACE_COCKPIT_AMBIENCE_3", 17},
    {"REPLACE_COCKPIT_AMBIENCE_4", 18},
    {"REPLACE_COCKPIT_AMBIENCE_5", 19},
    {"REPLACE_COCKPIT_AMBIENCE_6", 20},
    {"REPLACE_COCKPIT_AMBIENCE_7", 21},
    {"REPLACE_COCKPIT_AMBIENCE_8", 22},
    {"REPLACE_COCKPIT_AMBIENCE_9", 23},
    {"REPLACE_MODE_ATTITUDEOFF", 26},
    {"REPLACE_MODE_ROTATION", 24},
    {"REPLACE_MODE_TRANSLATION", 25},
    {"REPLACE_WIND_AIRSPEED", 27},
    {"REPLACE_REENTRY_AIRSPEED", 28},
    {"REPLACE_LAND_TOUCHDOWN", 29},
    {"REPLACE_GROUND_ROLL", 30},
    {"REPLACE_WHEELBRAKE", 31},
    {"REPLACE_CRASH_SOUND", 32},
    {"REPLACE_DOCKING", 33},
    {"REPLACE_UNDOCKING", 34},
    {"REPLACE_RADIOLANDCLEARANCE", 35},
    {"REPLACE_RADIO_DOCKING", 36},
    {"REPLACE_RADIO_UNDOCKING", 37},
    {"REPLACE_RADAR_APPROACH", 38},
    {"REPLACE_RADAR_CLOSE", 39},
};

const ClassPositionKey classPositionKeys[stockPositionCount] = {
    {"3dMainThrustPos", MainThrustPosition},
    {"3dHoverThrustPos", HoverThrustPosition},
    {"3dRetroThrustPos", RetroThrustPosition},
    {"3dAuxThrustPos", AuxThrustPosition},
    {"3dRcsFrontRearPos", RcsFrontRearPosition},
    {"3dRcsLeftRightPos", RcsLeftRightPosition},
    {"3dAircondPos", AirCondPosition},
    {"3dCockpitAmbience1Pos", static_cast<StockPositionEntry>(CockpitAmbience1Position + 0)},
    {"3dCockpitAmbience2Pos", static_cast<StockPositionEntry>(CockpitAmbience1Position + 1)},
    {"3dCockpitAmbience3Pos", static_cast<StockPositionEntry>(CockpitAmbience1Position + 2)},
    {"3dCockpitAmbience4Pos", static_cast<StockPositionEntry>(CockpitAmbience1Position + 3)},
    {"3dCockpitAmbience5Pos", static_cast<StockPositionEntry>(CockpitAmbience1Position + 4)},
    {"3dCockpitAmbience6Pos", static_cast<StockPositionEntry>(CockpitAmbience1Position + 5)},
    {"3dCockpitAmbience7Pos", static_cast<StockPositionEntry>(CockpitAmbience1Position + 6)},
    {"3dCockpitAmbience8Pos", static_cast<StockPositionEntry>(CockpitAmbience1Position + 7)},
    {"3dCockpitAmbience9Pos", static_cast<StockPositionEntry>(CockpitAmbience1Position + 8)},
    {"3dWindAirspeedPos", WindAirspeedPosition},
    {"3dLandTouchDownPos", TouchdownPosition},
    {"3dGroundRollPos", GroundRollPosition},
    {"3dWheelBrakePos", WheelBrakePosition},
    {"3dCrashSound", CrashPosition},
    {"3dRadioPos", RadioPosition},
    {"3dGPWSPos", GpwsPosition},
};

const char* const displayDebugHelpKey = "DISPLAYDEBUGHELP";
const char* const replaceAllGpwsKey = "REPLACEALLGPWSSOUND";

} // namespace zephyrin
