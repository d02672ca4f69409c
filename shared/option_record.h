// The option record: the 248 bytes of the main configuration file "Sound\Cfg\Zephyrin3.cfg",
// shared by the plug-in and Tunedesk. Little-endian, no header, no padding.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 4)
struct OptionRecord {
    int32_t ALLOW3DAUDIO;
    int32_t ALLOW3DPROJECTIONCONE;
    int32_t ALLOW3DMACHCONESILENCE;
    int32_t PLAYSONICBANG;
    int32_t ALLOW3DRCSPOSITIONING;
    int32_t VACUUMREDUCESENGINESOUND;
    int32_t PLAYCOUNTDOWNWHENTAKEOFF;
    int32_t PLAYCABINAIRCONDITIONING;
    int32_t PLAYCABINRANDOMAMBIANCE;
    int32_t PLAYWHENATTITUDEMODECHANGE;
    int32_t PLAYMAINTHRUST;
    int32_t PLAYHOVERTHRUST;
    int32_t PLAYRETROTHRUST;
    int32_t PLAYAUXTHRUST;
    int32_t PLAYRADARBIP;
    int32_t PLAYGPWS;
    int32_t PLAYWINDAIRSPEED;
    int32_t PLAYWINDAMBIANCEWHENLANDED;
    int32_t PLAYRADIOATC;
    int32_t ATCDELAYMULTIPLY;
    int32_t NOATCWHENGROUNDED;
    int32_t PLAYDOCKINGSOUND;
    int32_t PLAYATTITUDETHRUST;
    int32_t DISPLAYTIMER;
    int32_t AUTODISABLEAUTOPILOT;
    int32_t PLAYDOCKLANDCLEARANCE;
    int32_t PLAYLANDINGANDGROUNDSOUND;
    int32_t RADIOBLACKOUTINREENTRY;
    int32_t ALLOWSILENCEOFSPACE;
    int32_t RADIOINEXTERNALVIEW;
    int32_t GPWSINEXTERNALVIEW;
    int32_t NOOUTDATEDADDONWARNING;
    int32_t MP3MODE;
    int32_t MP3SHUFFLEATSTART;
    int32_t PLAYWINDCOCKPITOPEN;
    int32_t PLAYREENTRYAIRSPEED;
    int32_t VOLCOUNTDOWN;
    int32_t VOLAIRCOND;
    int32_t VOLCABINAMBIENCE;
    int32_t VOLATTITUDEMODE;
    int32_t VOLMAINTHRUST;
    int32_t VOLHOVERTHRUST;
    int32_t VOLRETROTHRUST;
    int32_t VOLRADAR;
    int32_t VOLGPWS;
    int32_t VOLWINDAIRSPEED;
    int32_t VOLWINDBASEAMBIENCE;
    int32_t VOLATC;
    int32_t ATCMINDELAY;
    int32_t ATCMAXDELAY;
    float ATCDELAYFACTOR;
    int32_t ATCDELAYDISTANCEKM;
    int32_t VOLDOCKING;
    int32_t VOLATTITUDETHRUST;
    int32_t VOLLANDCLEARANCE;
    int32_t VOLLANDINGCRASH;
    int32_t VOLMP3;
    int32_t VOLRESERVED;
    int32_t VOLSONICBANG;
    int32_t VOLREENTRY;
    double VERSIONCONTROL;
};
#pragma pack(pop)

static_assert(sizeof(OptionRecord) == 248, "the option record is the 248 bytes of the file");
static_assert(offsetof(OptionRecord, NOOUTDATEDADDONWARNING) == 124);
static_assert(offsetof(OptionRecord, MP3MODE) == 128);
static_assert(offsetof(OptionRecord, ATCDELAYFACTOR) == 200);
static_assert(offsetof(OptionRecord, VOLREENTRY) == 236);
static_assert(offsetof(OptionRecord, VERSIONCONTROL) == 240);

// The only validity mark of the file.
constexpr double optionRecordVersion = 7543245234.0;

// The two programs create and repair the file with their own defaults, which differ in
// VOLCABINAMBIENCE, VOLATTITUDEMODE and VOLGPWS.
void fillPluginDefaults(OptionRecord& record);
void fillTunedeskDefaults(OptionRecord& record);

// MP3MODE values, in the order of Tunedesk's drop-down list.
constexpr int mp3ModeCount = 6;
extern const char* const mp3ModeTexts[mp3ModeCount];
