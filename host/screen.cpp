#include "host/screen.h"

#include <cstdio>
#include <cstring>

namespace vrhost {

namespace {
// A text on one line, with its line breaks and quotes shown as C escapes.
std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        switch (c) {
        case '\n':
            result += "\\n";
            break;
        case '\t':
            result += "\\t";
            break;
        case '"':
            result += "\\\"";
            break;
        case '\\':
            result += "\\\\";
            break;
        default:
            result += c;
        }
    }
    return result + "\"";
}

std::string noteName(const Annotation& note) {
    return "note " + std::to_string(note.number);
}
} // namespace

void Screen::reset() {
    std::memset(debug_, 0, sizeof debug_);
    reportedDebug_.clear();
    annotations_.clear();
    nextNumber_ = 1;
}

void Screen::reportDebugChange() {
    // A plug-in may have filled the whole buffer: read no further than it.
    std::string current(debug_, strnlen(debug_, sizeof debug_));
    if (current == reportedDebug_) {
        return;
    }
    reportedDebug_ = current;
    report(current.empty() ? "debug cleared" : "debug: " + current);
}

NOTEHANDLE Screen::createAnnotation(bool shown, double size, const VECTOR3& colour) {
    Annotation& note = annotations_.emplace_back();
    note.handle = reinterpret_cast<NOTEHANDLE>(++handlesGiven_);
    note.number = nextNumber_++;
    note.shown = shown;
    note.size = size;
    note.colour = colour;
    char description[160];
    std::snprintf(description, sizeof description, " created (size %.2f, colour %.2f %.2f %.2f%s)",
                  size, colour.x, colour.y, colour.z, shown ? "" : ", hidden");
    report(noteName(note) + description);
    return note.handle;
}

bool Screen::setAnnotationPosition(NOTEHANDLE handle, double x1, double y1, double x2, double y2) {
    Annotation* note = find(handle);
    if (note == nullptr) {
        return false;
    }
    note->x1 = x1;
    note->y1 = y1;
    note->x2 = x2;
    note->y2 = y2;
    char description[120];
    std::snprintf(description, sizeof description, " placed at (%.2f, %.2f)-(%.2f, %.2f)", x1, y1,
                  x2, y2);
    report(noteName(*note) + description);
    return true;
}

bool Screen::setAnnotationText(NOTEHANDLE handle, const char* text) {
    Annotation* note = find(handle);
    if (note == nullptr) {
        return false;
    }
    std::string newText = text != nullptr ? text : "";
    if (newText != note->text) {
        note->text = newText;
        report(noteName(*note) + ": " + quoted(newText));
    }
    return true;
}

bool Screen::deleteAnnotation(NOTEHANDLE handle) {
    for (auto it = annotations_.begin(); it != annotations_.end(); ++it) {
        if (it->handle == handle) {
            report(noteName(*it) + " deleted");
            annotations_.erase(it);
            return true;
        }
    }
    return false;
}

Annotation* Screen::find(NOTEHANDLE handle) {
    for (Annotation& note : annotations_) {
        if (note.handle == handle) {
            return &note;
        }
    }
    return nullptr;
}

void Screen::report(const std::string& message) {
    if (listener_) {
        listener_(message);
    }
}

} // namespace vrhost
