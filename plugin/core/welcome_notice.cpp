#include "plugin/core/welcome_notice.h"

#include "platform/file_system.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/stock_slots.h"
#include "sdk/VoranthAPI.h"

#include <cstdio>
#include <cstring>

namespace zephyrin {

namespace {
constexpr const char* welcomeSwitchFile = "Sound\\Cfg\\NoWelcome.cfg";
constexpr int welcomeSwitchLineLength = 600;

constexpr const char* welcomeText =
    "What's new in Zephyrin 4.0:\n\n"
    "- 3D audio effects (placement of sounds in three-dimensional space)\n"
    "- You can design all vessels' sounds by configuration files\n"
    "- Compatible with latest graphics clients (tested on DX9 & DX11)\n\n"
    "Much more was added or changed: in order to experience every new feature,\n"
    "please test demo scenarios and read the documentation (in 'Voranth/Doc/').\n\n\n"
    "Press SPACE key to continue (this notice will never show again).";

bool welcomeAsked() {
    FILE* file = platform::openFile(welcomeSwitchFile, "rt");
    if (file == nullptr) {
        return false;
    }
    char line[welcomeSwitchLineLength] = "";
    if (std::fgets(line, sizeof line, file) == nullptr) {
        line[0] = '\0';
    }
    std::fclose(file);
    return std::strstr(line, "display welcome") != nullptr;
}
} // namespace

void showWelcomeNoticeWhenAsked() {
    if (!welcomeAsked()) {
        return;
    }
    loadWelcomeSound();
    const VECTOR3 colour{1.0, 0.5, 0.2};
    run.welcomeAnnotation = vrapiCreateAnnotation(true, 1.0, colour);
    if (run.welcomeAnnotation == nullptr) {
        return;
    }
    plugin.welcomePending = 1;
    vrapiAnnotationSetPos(run.welcomeAnnotation, 0.1, 0.1, 0.9, 0.5);
    vrapiAnnotationSetText(run.welcomeAnnotation, welcomeText);
}

} // namespace zephyrin
