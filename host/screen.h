// The simulation window's text: the one-line debug string and the annotations (on-screen
// notes). The host reports every change to a listener, which prints it with the time.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cstdint>
#include <functional>
#include <list>
#include <string>

namespace vrhost {

// Room for the debug line; plug-ins write into it with sprintf.
constexpr size_t debugStringSize = 512;

struct Annotation {
    NOTEHANDLE handle = nullptr; // never given twice, so a stale handle finds nothing
    int number = 0;              // 1, 2, ... in order of creation within a run
    bool shown = true;
    double size = 1.0;
    VECTOR3 colour{1.0, 1.0, 1.0};
    double x1 = 0.0, y1 = 0.0, x2 = 1.0, y2 = 1.0;
    std::string text;
};

class Screen {
public:
    using Listener = std::function<void(const std::string& message)>;

    void reset();
    void setListener(Listener listener) { listener_ = std::move(listener); }

    char* debugString() { return debug_; }
    // Reports the debug line when it differs from the last one reported.
    void reportDebugChange();

    NOTEHANDLE createAnnotation(bool shown, double size, const VECTOR3& colour);
    bool setAnnotationPosition(NOTEHANDLE note, double x1, double y1, double x2, double y2);
    bool setAnnotationText(NOTEHANDLE note, const char* text);
    bool deleteAnnotation(NOTEHANDLE note);
    const std::list<Annotation>& annotations() const { return annotations_; }

    // Passes another message of the window (an input box opening) to the listener.
    void report(const std::string& message);

private:
    Annotation* find(NOTEHANDLE note);

    char debug_[debugStringSize] = {};
    std::string reportedDebug_;
    std::list<Annotation> annotations_;
    int nextNumber_ = 1;
    uintptr_t handlesGiven_ = 0;
    Listener listener_;
};

} // namespace vrhost
