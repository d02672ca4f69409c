// A plug-in that appends every callback it receives, with its arguments as the host's own
// functions describe them, to the file named by VRHOST_RECORD. vrhost's tests fly it as the
// plug-in and, built a second time with its lines marked, as a vessel add-on.
#include "sdk/VoranthAPI.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#ifndef RECORD_MARK
#define RECORD_MARK ""
#endif

namespace {

// Opened for each line, so that several modules can share the file in call order.
__attribute__((format(printf, 1, 2))) void record(const char* format, ...) {
    const char* path = std::getenv("VRHOST_RECORD");
    FILE* file = path != nullptr ? std::fopen(path, "a") : nullptr;
    if (file == nullptr) {
        return;
    }
    std::fputs(RECORD_MARK, file);
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(file, format, arguments);
    va_end(arguments);
    std::fclose(file);
}

std::string nameOf(OBJHANDLE object) {
    if (object == nullptr) {
        return "null";
    }
    char name[64];
    vrapiGetObjectName(object, name, sizeof name);
    return name;
}

int frameCount = 0;

} // namespace

VRPLUGIN_CALLBACK void InitModule(HINSTANCE module) {
    record("InitModule %s\n", module != nullptr ? "module" : "null");
}

VRPLUGIN_CALLBACK void ExitModule(HINSTANCE module) {
    record("ExitModule %s\n", module != nullptr ? "module" : "null");
}

VRPLUGIN_CALLBACK void vrpcOpenRenderViewport(HWND window, DWORD width, DWORD height,
                                              BOOL fullscreen) {
    frameCount = 0;
    record("OpenRenderViewport %s %ux%u %d focus=%s\n", window != nullptr ? "window" : "null",
           width, height, fullscreen, nameOf(vrapiGetFocusObject()).c_str());
}

VRPLUGIN_CALLBACK void vrpcCloseRenderViewport() {
    record("CloseRenderViewport\n");
}

VRPLUGIN_CALLBACK void vrpcPreStep(double simTime, double simStep, double mjd) {
    double altitude = 0.0;
    vrapiGetAltitude(&altitude);
    record("PreStep %.3f %.4f %.6f focus=%s altitude=%.2f sysstep=%.4f\n", simTime, simStep, mjd,
           nameOf(vrapiGetFocusObject()).c_str(), altitude, vrapiGetSysStep());
    if (++frameCount % 10 == 0) {
        std::snprintf(vrapiDebugString(), 256, "frame %d", frameCount);
    }
}

VRPLUGIN_CALLBACK void vrpcFocusChanged(OBJHANDLE newFocus, OBJHANDLE oldFocus) {
    record("FocusChanged new=%s old=%s\n", nameOf(newFocus).c_str(), nameOf(oldFocus).c_str());
}

VRPLUGIN_CALLBACK const char* ModuleDate() {
    return "Jan 02 2000";
}

VRPLUGIN_CALLBACK int GetModuleVersion() {
    return Date2Int(ModuleDate());
}
