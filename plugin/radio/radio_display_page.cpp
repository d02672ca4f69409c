// What the display draws: the radio page with the radar and the music, or the list of the radio
// folders. Lines sit one pitch apart below the title, the pitch a tenth above the character height.
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/radio/mp3_player.h"
#include "plugin/radio/radio_display.h"
#include "plugin/radio/radio_state.h"

#include <cstdio>
#include <cstring>

namespace zephyrin {

namespace {

constexpr int foldersPerPage = 11;
constexpr int radarLineLength = 23;
constexpr double radarRange = 5000.0;
constexpr double radarRedBelow = 30.0;
constexpr double radarOrangeBelow = 50.0;
constexpr double radarYellowBelow = 100.0;

struct RadarContact {
    double centreDistance;
    double size;
};
RadarContact radarContact;

const char* const volumeTexts[] = {"Com Volume: 1  (SHF-V)", "Com Volume: 2  (SHF-V)",
                                   "Com Volume: 3  (SHF-V)", "Com Volume: 4  (SHF-V)",
                                   "Com Volume: 5  (SHF-V)"};

const char* const modeTexts[] = {
    "SHF-K play mode (now:play never)", "SHF-K play mode (now:space ext)",
    "SHF-K play mode (now:space)",      "SHF-K play mode (now:only cockpit)",
    "SHF-K play mode (now:always ext)", "SHF-K play mode (now:always)"};

DWORD radarColour(double surfaceDistance) {
    if (surfaceDistance < radarRedBelow) {
        return displayRadarRed;
    }
    if (surfaceDistance < radarOrangeBelow) {
        return displayRadarOrange;
    }
    if (surfaceDistance < radarYellowBelow) {
        return displayRadarYellow;
    }
    return displayGreen;
}

} // namespace

void showRadarContact(double centreDistance, double size) {
    radarContact = {centreDistance, size};
}

int RadioMFD::lineY(int line) const {
    int pitch = ch + ch / 10;
    return pitch + pitch / 2 + line * pitch;
}

void RadioMFD::drawLine(Sketchpad& sketchpad, int line, const char* text, int length) const {
    int textLength = static_cast<int>(std::strlen(text));
    sketchpad.Text(cw, lineY(line), text, length < 0 || length > textLength ? textLength : length);
}

bool RadioMFD::Update(Sketchpad* sketchpad) {
    Title(sketchpad, radioDisplayTitle);
    if (sketchpad == nullptr) {
        return true;
    }
    sketchpad->SetFont(font_);
    sketchpad->SetTextColor(displayGreen);
    sketchpad->SetTextAlign(Sketchpad::LEFT, Sketchpad::BASELINE);
    if (radio.frequencyListShown == 0) {
        drawRadioPage(*sketchpad);
    } else {
        drawFrequencyList(*sketchpad);
    }
    return true;
}

void RadioMFD::drawRadioPage(Sketchpad& sketchpad) const {
    drawLine(sketchpad, 1, "---- VHF ----");
    if (liveOptions.PLAYRADIOATC != 1) {
        sketchpad.SetTextColor(displayRed);
        drawLine(sketchpad, 2, "ATC chatter disabled in options");
        drawLine(sketchpad, 3, "or vessel config.");
        sketchpad.SetTextColor(displayGreen);
        drawLine(sketchpad, 4, "Press Mut to enable temporary use");
        drawLine(sketchpad, 5, "Tunedesk.exe and/or edit vessel");
        drawLine(sketchpad, 6, "config to enable permanently)");
    } else {
        if (radio.chatterWaveCount == 0) {
            sketchpad.SetTextColor(displayRed);
            drawLine(sketchpad, 2, "Com status: Off (bad frequency)");
            sketchpad.SetTextColor(displayGreen);
        } else {
            drawLine(sketchpad, 2,
                     radio.sequentialMode == 1 ? "Com status: On (sequential)" : "Com status: On");
        }
        if (radio.radioMuted != 0) {
            sketchpad.SetTextColor(displayRed);
            drawLine(sketchpad, 3, "Com Mute: On  (SHF-M)");
            sketchpad.SetTextColor(displayGreen);
        } else {
            drawLine(sketchpad, 3, "Com Mute: Off  (SHF-M)");
        }
        if (radio.radioVolumeLevel >= 1 && radio.radioVolumeLevel <= 5) {
            drawLine(sketchpad, 4, volumeTexts[radio.radioVolumeLevel - 1]);
        }
        drawLine(sketchpad, 5, radio.comFrequencyText.text, radio.comFrequencyText.length);
        drawLine(sketchpad, 6, radio.memFrequencyText.text, radio.memFrequencyText.length);
        drawLine(sketchpad, 7, "Swap Com/Mem  (SHF-S)");
        drawLine(sketchpad, 8, "display frequency list (SHF-D)");
    }
    drawRadar(sketchpad);
    drawMusic(sketchpad);
}

void RadioMFD::drawRadar(Sketchpad& sketchpad) const {
    drawLine(sketchpad, 10, "---- Radar Sound ----");
    if (radio.radarState == 0) {
        drawLine(sketchpad, 11, "Proximity radar : Off (SHF-R)");
        return;
    }
    if (radio.radarState != 1 && radio.radarState != 2) {
        return;
    }
    drawLine(sketchpad, 11, "Proximity radar : On (SHF-R)");
    double distance = radarContact.centreDistance;
    if (distance >= radarRange || distance <= 0) {
        drawLine(sketchpad, 12, "No Objects detected");
        return;
    }
    double surface = distance - radarContact.size;
    char text[64];
    if (surface > 0) {
        std::snprintf(text, sizeof text, "Object Distance : %.2fm", surface);
    } else {
        std::snprintf(text, sizeof text, "Object Distance : NEG  ");
    }
    sketchpad.SetTextColor(radarColour(surface));
    drawLine(sketchpad, 12, text, radarLineLength);
    sketchpad.SetTextColor(displayGreen);
}

void RadioMFD::drawMusic(Sketchpad& sketchpad) const {
    const Mp3Player* player = plugin.mp3Player;
    if (player == nullptr) {
        return;
    }
    drawLine(sketchpad, 14, "---- MP3 ----");
    sketchpad.SetTextColor(displayMp3Green);
    if (player->playMode == Mp3Never) {
        drawLine(sketchpad, 15, "MP3 playing is disabled");
        sketchpad.SetTextColor(displayGrey);
        drawLine(sketchpad, 17, "SHF-K change play mode");
        return;
    }
    char text[64];
    std::snprintf(text, sizeof text,
                  player->fromPlaylist == 1 ? "%i MP3 available in playlist"
                                            : "%i MP3 available in folder",
                  player->trackCount);
    drawLine(sketchpad, 15, text);
    if (player->userStopped == 1) {
        drawLine(sketchpad, 16, "MP3 status: disabled ");
    } else if (player->playing == 0) {
        drawLine(sketchpad, 16, "MP3 status: stopped ");
    } else {
        drawLine(sketchpad, 16, "MP3 status: playing ");
    }
    drawLine(sketchpad, 17, player->title);
    sketchpad.SetTextColor(displayGrey);
    drawLine(sketchpad, 18,
             player->userStopped == 1 ? "SHF-N next SHF-P prev SHF-3 enable"
                                      : "SHF-N next SHF-P prev SHF-3 stop");
    if (player->playMode >= Mp3Never && player->playMode <= Mp3Always) {
        drawLine(sketchpad, 19, modeTexts[player->playMode]);
    }
}

void RadioMFD::drawFrequencyList(Sketchpad& sketchpad) const {
    char heading[64];
    std::snprintf(heading, sizeof heading, "- Available frequencies Page %i -",
                  radio.frequencyListPage + 1);
    drawLine(sketchpad, 2, heading);
    int first = foldersPerPage * radio.frequencyListPage;
    for (int row = 0; row < foldersPerPage; ++row) {
        int folder = first + row;
        if (folder >= 0 && folder < radio.frequencyFolderCount) {
            drawLine(sketchpad, 4 + row, radio.frequencyFolders[folder]);
        }
    }
    sketchpad.SetTextColor(displayBlue);
    drawLine(sketchpad, 16, "SHF-(B)ack    SHF-N(E)xt");
    drawLine(sketchpad, 17, "SHF-D Back to radio");
}

} // namespace zephyrin
