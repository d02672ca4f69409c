// The simulator's window functions: the debug line, annotations, display modes, fonts and the
// input box.
#include "host/mfd.h"
#include "host/world.h"
#include "sdk/VoranthAPI.h"

#include <string>

using vrhost::world;

VRAPI char* vrapiDebugString() {
    return world().screen().debugString();
}

VRAPI NOTEHANDLE vrapiCreateAnnotation(bool shown, double size, const VECTOR3& colour) {
    return world().screen().createAnnotation(shown, size, colour);
}

VRAPI void vrapiAnnotationSetPos(NOTEHANDLE note, double x1, double y1, double x2, double y2) {
    world().screen().setAnnotationPosition(note, x1, y1, x2, y2);
}

VRAPI void vrapiAnnotationSetText(NOTEHANDLE note, const char* text) {
    world().screen().setAnnotationText(note, text);
}

VRAPI bool vrapiDelAnnotation(NOTEHANDLE note) {
    return world().screen().deleteAnnotation(note);
}

VRAPI int vrapiRegisterMFDMode(MFDMODESPECEX& spec) {
    return vrhost::mfdModes().add(spec);
}

VRAPI bool vrapiUnregisterMFDMode(int modeId) {
    return vrhost::mfdModes().remove(modeId);
}

VRAPI Font* vrapiCreateFont(int height, bool proportional, const char* face, FontStyle style) {
    return new Font{height, proportional, face != nullptr ? face : "", style};
}

VRAPI void vrapiReleaseFont(Font* font) {
    delete font;
}

VRAPI void vrapiOpenInputBox(const char* title, InputBoxCallback callback, const char* initialText,
                             int visibleLength, void* userData) {
    world().screen().report("input box: \"" + std::string(title != nullptr ? title : "") + "\"");
    world().inputBox().open(vrhost::InputBoxRequest{title != nullptr ? title : "",
                                                    initialText != nullptr ? initialText : "",
                                                    visibleLength, callback, userData});
}
