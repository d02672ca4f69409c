#include "host/mfd.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace vrhost {

namespace {
// The simulator's displays have six buttons on each side.
constexpr int mfdButtonCount = 12;
} // namespace

int MfdModes::add(const MFDMODESPECEX& spec) {
    MfdMode mode;
    mode.id = nextId_++;
    mode.name = spec.name != nullptr ? spec.name : "";
    mode.key = spec.key;
    mode.context = spec.context;
    mode.messageProc = spec.msgproc;
    modes_.push_back(mode);
    return mode.id;
}

bool MfdModes::remove(int id) {
    auto found =
        std::find_if(modes_.begin(), modes_.end(), [id](const MfdMode& m) { return m.id == id; });
    if (found == modes_.end()) {
        return false;
    }
    modes_.erase(found);
    return true;
}

const MfdMode* MfdModes::find(const std::string& name) const {
    for (const MfdMode& mode : modes_) {
        if (mode.name == name) {
            return &mode;
        }
    }
    return nullptr;
}

MfdModes& mfdModes() {
    static MfdModes modes;
    return modes;
}

Font* TextSketchpad::SetFont(Font* font) {
    Font* previous = font_;
    font_ = font;
    return previous;
}

DWORD TextSketchpad::SetTextColor(DWORD colour) {
    DWORD previous = colour_;
    colour_ = colour;
    return previous;
}

void TextSketchpad::SetTextAlign(TAlign_horizontal, TAlign_vertical vertical) {
    fromBaseline_ = vertical == BASELINE;
}

bool TextSketchpad::Text(int x, int y, const char* text, int length) {
    if (text == nullptr || length < 0) {
        return false;
    }
    // The length is the caller's; a shorter string ends the text early.
    texts_.push_back(DrawnText{
        x, y, colour_, std::string(text, strnlen(text, static_cast<size_t>(length))),
        font_ != nullptr && font_->height > 0 ? font_->height : charHeight_, fromBaseline_});
    return true;
}

DWORD TextSketchpad::GetCharSize() {
    return static_cast<DWORD>(charHeight_) | (static_cast<DWORD>(charWidth_) << 16);
}

void TextSketchpad::Line(int, int, int, int) {}

void TextSketchpad::Rectangle(int, int, int, int) {}

std::vector<std::string> TextSketchpad::rows() const {
    std::map<int, std::vector<const DrawnText*>> byRow;
    for (const DrawnText& text : texts_) {
        byRow[text.y].push_back(&text);
    }
    std::vector<std::string> result;
    for (auto& [y, pieces] : byRow) {
        std::stable_sort(pieces.begin(), pieces.end(),
                         [](const DrawnText* a, const DrawnText* b) { return a->x < b->x; });
        std::string row;
        for (const DrawnText* piece : pieces) {
            if (!row.empty()) {
                row += "  ";
            }
            row += piece->text;
        }
        result.push_back(row);
    }
    return result;
}

std::unique_ptr<OpenMfd> OpenMfd::open(const MfdMode& mode, DWORD width, DWORD height,
                                       VESSEL* vessel) {
    if (mode.messageProc == nullptr) {
        return nullptr;
    }
    WPARAM size = (width & 0xFFFFu) | ((height & 0xFFFFu) << 16);
    LRESULT object = mode.messageProc(MFD_OPENED, 0, size, reinterpret_cast<LPARAM>(vessel));
    if (object == 0) {
        return nullptr;
    }
    return std::unique_ptr<OpenMfd>(
        new OpenMfd(mode.name, reinterpret_cast<MFD2*>(object), width, height));
}

OpenMfd::OpenMfd(std::string modeName, MFD2* display, DWORD width, DWORD height)
    : modeName_(std::move(modeName)), display_(display), width_(width), height_(height) {}

OpenMfd::~OpenMfd() {
    delete display_;
}

std::vector<std::string> OpenMfd::paint() {
    TextSketchpad pad(static_cast<int>(width_ / 35), static_cast<int>(height_ / 28));
    display_->Update(&pad);
    texts_ = pad.texts();
    return pad.rows();
}

bool OpenMfd::pressButton(int button) {
    return display_->ConsumeButton(button, 1);
}

bool OpenMfd::pressKey(DWORD key) {
    return display_->ConsumeKeyBuffered(key);
}

std::vector<std::string> OpenMfd::buttonLabels() {
    std::vector<std::string> labels;
    for (int button = 0; button < mfdButtonCount; ++button) {
        const char* label = display_->ButtonLabel(button);
        labels.emplace_back(label != nullptr ? label : "");
    }
    while (!labels.empty() && labels.back().empty()) {
        labels.pop_back();
    }
    return labels;
}

} // namespace vrhost
