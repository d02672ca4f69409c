#include "option_record.h"

#include <cstring>

namespace {
void fillCommonDefaults(OptionRecord& r) {
    std::memset(&r, 0, sizeof r);
    r.ALLOW3DAUDIO = 1;
    r.ALLOW3DPROJECTIONCONE = 1;
    r.ALLOW3DMACHCONESILENCE = 1;
    r.PLAYSONICBANG = 1;
    r.ALLOW3DRCSPOSITIONING = 1;
    r.VACUUMREDUCESENGINESOUND = 1;
    r.PLAYCOUNTDOWNWHENTAKEOFF = 0;
    r.PLAYCABINAIRCONDITIONING = 1;
    r.PLAYCABINRANDOMAMBIANCE = 1;
    r.PLAYWHENATTITUDEMODECHANGE = 1;
    r.PLAYMAINTHRUST = 1;
    r.PLAYHOVERTHRUST = 1;
    r.PLAYRETROTHRUST = 1;
    r.PLAYAUXTHRUST = 1;
    r.PLAYRADARBIP = 0;
    r.PLAYGPWS = 1;
    r.PLAYWINDAIRSPEED = 1;
    r.PLAYWINDAMBIANCEWHENLANDED = 1;
    r.PLAYRADIOATC = 1;
    r.ATCDELAYMULTIPLY = 1;
    r.NOATCWHENGROUNDED = 0;
    r.PLAYDOCKINGSOUND = 1;
    r.PLAYATTITUDETHRUST = 1;
    r.DISPLAYTIMER = 0;
    r.AUTODISABLEAUTOPILOT = 0;
    r.PLAYDOCKLANDCLEARANCE = 1;
    r.PLAYLANDINGANDGROUNDSOUND = 1;
    r.RADIOBLACKOUTINREENTRY = 1;
    r.ALLOWSILENCEOFSPACE = 1;
    r.RADIOINEXTERNALVIEW = 1;
    r.GPWSINEXTERNALVIEW = 0;
    r.NOOUTDATEDADDONWARNING = 0;
    r.MP3MODE = 1;
    r.MP3SHUFFLEATSTART = 0;
    r.PLAYWINDCOCKPITOPEN = 0;
    r.PLAYREENTRYAIRSPEED = 1;
    r.VOLCOUNTDOWN = 255;
    r.VOLAIRCOND = 250;
    r.VOLMAINTHRUST = 255;
    r.VOLHOVERTHRUST = 255;
    r.VOLRETROTHRUST = 255;
    r.VOLRADAR = 220;
    r.VOLWINDAIRSPEED = 255;
    r.VOLWINDBASEAMBIENCE = 235;
    r.VOLATC = 255;
    r.ATCMINDELAY = 10;
    r.ATCMAXDELAY = 120;
    r.ATCDELAYFACTOR = 20.0f;
    r.ATCDELAYDISTANCEKM = 250;
    r.VOLDOCKING = 255;
    r.VOLATTITUDETHRUST = 255;
    r.VOLLANDCLEARANCE = 255;
    r.VOLLANDINGCRASH = 255;
    r.VOLMP3 = 255;
    r.VOLRESERVED = 255;
    r.VOLSONICBANG = 255;
    r.VOLREENTRY = 255;
    r.VERSIONCONTROL = optionRecordVersion;
}
} // namespace

void fillPluginDefaults(OptionRecord& record) {
    fillCommonDefaults(record);
    record.VOLCABINAMBIENCE = 250;
    record.VOLATTITUDEMODE = 240;
    record.VOLGPWS = 230;
}

void fillTunedeskDefaults(OptionRecord& record) {
    fillCommonDefaults(record);
    record.VOLCABINAMBIENCE = 255;
    record.VOLATTITUDEMODE = 255;
    record.VOLGPWS = 255;
}

const char* const mp3ModeTexts[mp3ModeCount] = {
    "Never play Mp3",
    "Play Mp3 only in space in external view (default recommended)",
    "Play Mp3 only in space in all view",
    "Play Mp3 only in cockpit view",
    "Always play Mp3 but in external view only",
    "Always play Mp3 in all view",
};
