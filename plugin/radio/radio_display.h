// The "Radio/mp3 Panel" display mode of the simulator's MFDs: the VHF radio, the proximity radar
// and the music player on one page, the radio folders on a second, steered by the MFD's buttons
// or Shift + letter keys.
#pragma once

#include "sdk/VoranthAPI.h"

namespace zephyrin {

constexpr const char* radioDisplayModeName = "Radio/mp3 Panel";
constexpr const char* radioDisplayTitle = "Radio / Radar / MP3";

// Colours, 0x00BBGGRR.
constexpr DWORD displayGreen = 0x00DC00;
constexpr DWORD displayRed = 0x0000DC;
constexpr DWORD displayMp3Green = 0x00E600;
constexpr DWORD displayGrey = 0xC8C8C8;
constexpr DWORD displayBlue = 0xFA3214;
constexpr DWORD displayRadarRed = 0x0000FF;
constexpr DWORD displayRadarOrange = 0x0A64FF;
constexpr DWORD displayRadarYellow = 0x32C8FF;

class RadioMFD : public MFD2 {
public:
    RadioMFD(DWORD width, DWORD height, VESSEL* vessel);
    ~RadioMFD() override;
    RadioMFD(const RadioMFD&) = delete;
    RadioMFD& operator=(const RadioMFD&) = delete;

    bool ConsumeKeyBuffered(DWORD key) override;
    bool ConsumeButton(int button, int event) override;
    char* ButtonLabel(int button) override;
    int ButtonMenu(const MFDBUTTONMENU** menu) const override;
    bool Update(Sketchpad* sketchpad) override;

private:
    int lineY(int line) const;
    void drawLine(Sketchpad& sketchpad, int line, const char* text, int length = -1) const;
    void drawRadioPage(Sketchpad& sketchpad) const;
    void drawRadar(Sketchpad& sketchpad) const;
    void drawMusic(Sketchpad& sketchpad) const;
    void drawFrequencyList(Sketchpad& sketchpad) const;

    Font* font_;
};

// The mode's message procedure: creates the display object when an MFD opens the mode.
LRESULT radioDisplayMessageProc(UINT message, UINT mfdId, WPARAM wparam, LPARAM lparam);

// What the radar line of the display shows: 2 when the radar beeps are on, else 0.
void setRadarDisplayMode(int mode);
// The radar's nearest object: its centre distance (m, 0 for none) and its size (m). The display
// shows the distance to its surface.
void showRadarContact(double centreDistance, double size);

} // namespace zephyrin
