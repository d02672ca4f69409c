// A plug-in that writes every callback it receives, with its arguments as the host's own
// functions describe them, to the file named by VRHOST_RECORD. vrhost's tests fly it.
#include "sdk/VoranthAPI.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

FILE* record() {
    static FILE* file = [] {
        const char* path = std::getenv("VRHOST_RECORD");
        return path != nullptr ? std::fopen(path, "w") : nullptr;
    }();
    return file;
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
    std::fprintf(record(), "InitModule %s\n", module != nullptr ? "module" : "null");
}

VRPLUGIN_CALLBACK void ExitModule(HINSTANCE module) {
    std::fprintf(record(), "ExitModule %s\n", module != nullptr ? "module" : "null");
    std::fclose(record());
}

VRPLUGIN_CALLBACK void vrpcOpenRenderViewport(HWND window, DWORD width, DWORD height,
                                              BOOL fullscreen) {
    frameCount = 0;
    std::fprintf(record(), "OpenRenderViewport %s %ux%u %d focus=%s\n",
                 window != nullptr ? "window" : "null", width, height, fullscreen,
                 nameOf(vrapiGetFocusObject()).c_str());
}

VRPLUGIN_CALLBACK void vrpcCloseRenderViewport() {
    std::fprintf(record(), "CloseRenderViewport\n");
}

VRPLUGIN_CALLBACK void vrpcPreStep(double simTime, double simStep, double mjd) {
    double altitude = 0.0;
    vrapiGetAltitude(&altitude);
    std::fprintf(record(), "PreStep %.3f %.4f %.6f focus=%s altitude=%.2f sysstep=%.4f\n", simTime,
                 simStep, mjd, nameOf(vrapiGetFocusObject()).c_str(), altitude, vrapiGetSysStep());
    if (++frameCount % 10 == 0) {
        std::snprintf(vrapiDebugString(), 256, "frame %d", frameCount);
    }
}

VRPLUGIN_CALLBACK void vrpcFocusChanged(OBJHANDLE newFocus, OBJHANDLE oldFocus) {
    std::fprintf(record(), "FocusChanged new=%s old=%s\n", nameOf(newFocus).c_str(),
                 nameOf(oldFocus).c_str());
}

VRPLUGIN_CALLBACK const char* ModuleDate() {
    return "Jan 02 2000";
}

VRPLUGIN_CALLBACK int GetModuleVersion() {
    return Date2Int(ModuleDate());
}
