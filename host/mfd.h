// Multi-function displays: the modes plug-ins register, and one display the host opens on a
// mode, drawn into a Sketchpad that keeps the text.
#pragma once

#include "sdk/VoranthAPI.h"

#include <memory>
#include <string>
#include <vector>

class Font {
public:
    int height = 0;
    bool proportional = false;
    std::string face;
    FontStyle style = FONT_NORMAL;
};

namespace vrhost {

struct MfdMode {
    int id = 0;
    std::string name;
    DWORD key = 0;
    void* context = nullptr;
    MFDMessageProc messageProc = nullptr;
};

// The registered modes; they live as long as the process, across simulation runs.
class MfdModes {
public:
    int add(const MFDMODESPECEX& spec);
    bool remove(int id);
    const MfdMode* find(const std::string& name) const;
    const std::vector<MfdMode>& modes() const { return modes_; }

private:
    std::vector<MfdMode> modes_;
    int nextId_ = 1;
};

MfdModes& mfdModes();

struct DrawnText {
    int x = 0;
    int y = 0;
    DWORD colour = 0;
    std::string text;
    int fontHeight = 0;        // pixels: the selected font's, else the character height
    bool fromBaseline = false; // y is the baseline (else the top of the text)
};

// A Sketchpad that keeps the text written on it; lines and rectangles leave no text.
class TextSketchpad final : public Sketchpad {
public:
    TextSketchpad(int charWidth, int charHeight) : charWidth_(charWidth), charHeight_(charHeight) {}

    Font* SetFont(Font* font) override;
    DWORD SetTextColor(DWORD colour) override;
    void SetTextAlign(TAlign_horizontal horizontal, TAlign_vertical vertical) override;
    bool Text(int x, int y, const char* text, int length) override;
    DWORD GetCharSize() override;
    void Line(int x0, int y0, int x1, int y1) override;
    void Rectangle(int x0, int y0, int x1, int y1) override;

    const std::vector<DrawnText>& texts() const { return texts_; }
    // The text in reading order: rows top to bottom, each row's pieces left to right.
    std::vector<std::string> rows() const;

private:
    int charWidth_;
    int charHeight_;
    Font* font_ = nullptr;
    DWORD colour_ = 0x00FFFFFF;
    bool fromBaseline_ = false;
    std::vector<DrawnText> texts_;
};

// One display showing a registered mode for a vessel.
class OpenMfd {
public:
    // Asks the mode's message procedure for its object; null when the mode gave none.
    static std::unique_ptr<OpenMfd> open(const MfdMode& mode, DWORD width, DWORD height,
                                         VESSEL* vessel);
    ~OpenMfd();
    OpenMfd(const OpenMfd&) = delete;
    OpenMfd& operator=(const OpenMfd&) = delete;

    const std::string& modeName() const { return modeName_; }
    DWORD width() const { return width_; }
    DWORD height() const { return height_; }
    // Redraws the display; returns its text rows.
    std::vector<std::string> paint();
    // The pieces of text of the last paint, with their place and colour.
    const std::vector<DrawnText>& texts() const { return texts_; }
    bool pressButton(int button);
    bool pressKey(DWORD key);
    // The labels of the buttons up to the last one that has a label.
    std::vector<std::string> buttonLabels();

private:
    OpenMfd(std::string modeName, MFD2* display, DWORD width, DWORD height);

    std::string modeName_;
    MFD2* display_;
    DWORD width_;
    DWORD height_;
    std::vector<DrawnText> texts_;
};

} // namespace vrhost
