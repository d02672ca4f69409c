// ScenarioCalls: vrhost's add-on that calls Zephyrin's add-on functions from a scenario, so that
// sound designers and tests can try the interface without writing an add-on. A scenario that
// loads it ("addon Modules/libScenarioCalls.so") writes events such as
//     12   call PlayVesselWaveZephx3 0 3 1 200 20000
// and vrhost prints "call: PlayVesselWaveZephx3(0, 3, 1, 200, 20000) = 1". Arguments by kind:
//     vessel   @NAME (the vessel of that name), or null
//     text     as written, null, or long:N for N characters
//     vector   x,y,z or null         float  a decimal number or null
//     cone     inside,outside,x,y,z,outsideVolume or null
//     number   a whole number
#define ZEPHYRIN_ADDON_BINDING
#include "VoranthAPI.h"
#include "ZephyrinAddon.h"
#include "shared/decimal_number.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

ZephyrinBinding binding;

constexpr size_t longestText = 100000;

struct Argument {
    bool isNull = false;
    int number = 0;
    OBJHANDLE vessel = nullptr;
    std::string text;
    VECTOR3 vector{0.0, 0.0, 0.0};
    float real = 0.0f;
    ConeParameters cone{0, 0, {0.0, 0.0, 0.0}, 0.0};

    const char* textOrNull() const { return isNull ? nullptr : text.c_str(); }
    char* writableTextOrNull() { return isNull ? nullptr : text.data(); }
    const VECTOR3* vectorOrNull() const { return isNull ? nullptr : &vector; }
    const float* realOrNull() const { return isNull ? nullptr : &real; }
    const ConeParameters* coneOrNull() const { return isNull ? nullptr : &cone; }
};

using Arguments = std::vector<Argument>;

// Parses decimal numbers separated by commas; false unless there are exactly `count`.
bool parseNumbers(const char* text, double* numbers, int count) {
    const char* at = text;
    for (int index = 0; index < count; ++index) {
        const size_t length = zephyrin::readDecimalNumber(at, numbers[index]);
        const char* end = at + length;
        if (length == 0 || (index + 1 < count ? *end != ',' : *end != '\0')) {
            return false;
        }
        at = end + 1;
    }
    return true;
}

// A cone angle as the interface's unsigned field holds it; beyond its range it stays at the end.
uint32_t coneAngle(double degrees) {
    return static_cast<uint32_t>(
        std::clamp(degrees, 0.0, static_cast<double>(std::numeric_limits<uint32_t>::max())));
}

OBJHANDLE vesselNamed(const char* name) {
    for (DWORD index = 0; index < vrapiGetObjectCount(); ++index) {
        OBJHANDLE object = vrapiGetObjectByIndex(static_cast<int>(index));
        char objectName[256];
        vrapiGetObjectName(object, objectName, sizeof objectName);
        if (std::strcmp(objectName, name) == 0) {
            return object;
        }
    }
    return nullptr;
}

// Reads one argument of a kind: h vessel, s text, v vector, f float, c cone, i number.
bool parseArgument(char kind, const char* word, Argument& argument) {
    if (kind != 'i' && std::strcmp(word, "null") == 0) {
        argument.isNull = true;
        return true;
    }
    double numbers[6];
    switch (kind) {
    case 'h':
        argument.vessel = word[0] == '@' ? vesselNamed(word + 1) : nullptr;
        return word[0] == '@';
    case 's':
        if (std::strncmp(word, "long:", 5) == 0) {
            size_t length = std::strtoul(word + 5, nullptr, 10);
            argument.text.assign(length < longestText ? length : longestText, 'x');
        } else {
            argument.text = word;
        }
        return true;
    case 'v':
        if (!parseNumbers(word, numbers, 3)) {
            return false;
        }
        argument.vector = {numbers[0], numbers[1], numbers[2]};
        return true;
    case 'f':
        if (!parseNumbers(word, numbers, 1)) {
            return false;
        }
        argument.real =
            static_cast<float>(std::clamp(numbers[0], -double{std::numeric_limits<float>::max()},
                                          double{std::numeric_limits<float>::max()}));
        return true;
    case 'c':
        if (!parseNumbers(word, numbers, 6)) {
            return false;
        }
        argument.cone = {coneAngle(numbers[0]),
                         coneAngle(numbers[1]),
                         {numbers[2], numbers[3], numbers[4]},
                         numbers[5]};
        return true;
    default: {
        char* end = nullptr;
        long value = std::strtol(word, &end, 10);
        argument.number = static_cast<int>(value);
        return end != word && *end == '\0';
    }
    }
}

std::string numberText(int value) {
    return std::to_string(value);
}

struct Function {
    const char* name;
    const char* kinds; // one letter per argument, as parseArgument reads them
    std::function<std::string(Arguments&)> call;
};

const std::vector<Function>& functions() {
    static const std::vector<Function> table = {
        {"GetVersionZephx3", "",
         [](Arguments&) {
             char text[32];
             std::snprintf(text, sizeof text, "%g",
                           static_cast<double>(binding.GetVersionZephx3()));
             return std::string(text);
         }},
        {"GetVesselSoundID3", "h",
         [](Arguments& a) { return numberText(binding.GetVesselSoundID3(a[0].vessel)); }},
        {"LoadVesselWaveZephx3", "iisi",
         [](Arguments& a) {
             return numberText(binding.LoadVesselWaveZephx3(a[0].number, a[1].number,
                                                            a[2].textOrNull(), a[3].number));
         }},
        {"LoadVesselWave3dZephx4", "iisivvi",
         [](Arguments& a) {
             return numberText(binding.LoadVesselWave3dZephx4(
                 a[0].number, a[1].number, a[2].textOrNull(), a[3].number, a[4].vectorOrNull(),
                 a[5].vectorOrNull(), a[6].number));
         }},
        {"Set3dWaveParametersZephx4", "iivvffc",
         [](Arguments& a) {
             return numberText(binding.Set3dWaveParametersZephx4(
                 a[0].number, a[1].number, a[2].vectorOrNull(), a[3].vectorOrNull(),
                 a[4].realOrNull(), a[5].realOrNull(), a[6].coneOrNull()));
         }},
        {"PlayVesselWaveZephx3", "iiiii",
         [](Arguments& a) {
             return numberText(binding.PlayVesselWaveZephx3(a[0].number, a[1].number, a[2].number,
                                                            a[3].number, a[4].number));
         }},
        {"PlayVesselExclusiveWaveZephx3", "iiiii",
         [](Arguments& a) {
             return numberText(binding.PlayVesselExclusiveWaveZephx3(
                 a[0].number, a[1].number, a[2].number, a[3].number, a[4].number));
         }},
        {"StopVesselWave3", "ii",
         [](Arguments& a) {
             return numberText(binding.StopVesselWave3(a[0].number, a[1].number));
         }},
        {"IsPlayingVesselWave3", "ii",
         [](Arguments& a) {
             return numberText(binding.IsPlayingVesselWave3(a[0].number, a[1].number));
         }},
        {"SoundOption3", "iii",
         [](Arguments& a) {
             return numberText(binding.SoundOption3(a[0].number, a[1].number, a[2].number));
         }},
        {"ReplaceStockZephx3", "isi",
         [](Arguments& a) {
             return numberText(
                 binding.ReplaceStockZephx3(a[0].number, a[1].textOrNull(), a[2].number));
         }},
        {"IsZephyrin3dZephx4", "",
         [](Arguments&) { return numberText(binding.IsZephyrin3dZephx4()); }},
        {"IsPlayingRadioVesselWave", "",
         [](Arguments&) { return numberText(binding.IsPlayingRadioVesselWave()); }},
        {"ControlAircond", "i",
         [](Arguments& a) { return numberText(binding.ControlAircond(a[0].number)); }},
        {"SetFrequency", "s",
         [](Arguments& a) { return numberText(binding.SetFrequency(a[0].writableTextOrNull())); }},
        {"LoadVesselWaveZephx", "is",
         [](Arguments& a) {
             return numberText(binding.LoadVesselWaveZephx(a[0].number, a[1].textOrNull()));
         }},
        {"PlayVesselWaveZephx", "iiii",
         [](Arguments& a) {
             return numberText(
                 binding.PlayVesselWaveZephx(a[0].number, a[1].number, a[2].number, a[3].number));
         }},
        {"PlayVesselExclusiveWaveZephx", "iiii",
         [](Arguments& a) {
             return numberText(binding.PlayVesselExclusiveWaveZephx(a[0].number, a[1].number,
                                                                    a[2].number, a[3].number));
         }},
        {"StopVesselWave", "i",
         [](Arguments& a) { return numberText(binding.StopVesselWave(a[0].number)); }},
        {"IsPlayingVesselWave", "i",
         [](Arguments& a) { return numberText(binding.IsPlayingVesselWave(a[0].number)); }},
        {"SoundOption", "ii",
         [](Arguments& a) { return numberText(binding.SoundOption(a[0].number, a[1].number)); }},
        {"GetMFDId", "s",
         [](Arguments& a) { return numberText(binding.GetMFDId(a[0].textOrNull())); }},
        {"LoadMFDWaveZephx3", "iis",
         [](Arguments& a) {
             return numberText(
                 binding.LoadMFDWaveZephx3(a[0].number, a[1].number, a[2].textOrNull()));
         }},
        {"PlayMFDWaveZephx3", "iiiii",
         [](Arguments& a) {
             return numberText(binding.PlayMFDWaveZephx3(a[0].number, a[1].number, a[2].number,
                                                         a[3].number, a[4].number));
         }},
        {"StopMFDWave3", "ii",
         [](Arguments& a) { return numberText(binding.StopMFDWave3(a[0].number, a[1].number)); }},
    };
    return table;
}

// The call as the scenario wrote it, long texts shortened.
std::string callText(int wordCount, const char* const* words) {
    std::string text = std::string(words[0]) + "(";
    for (int index = 1; index < wordCount; ++index) {
        text += (index > 1 ? ", " : "") + std::string(words[index]);
    }
    return text + ")";
}

void say(const std::string& line) {
    std::printf("call: %s\n", line.c_str());
    std::fflush(stdout);
}

// Whether the loaded Zephyrin has the function of that name.
bool isBound(const char* name) {
#define ZEPHYRIN_IS_NAMED(result, function, parameters)                                            \
    if (std::strcmp(name, #function) == 0) {                                                       \
        return binding.function != nullptr;                                                        \
    }
    ZEPHYRIN_EXPORTS(ZEPHYRIN_IS_NAMED)
#undef ZEPHYRIN_IS_NAMED
    return false;
}

} // namespace

VRPLUGIN_CALLBACK void InitModule(HINSTANCE) {
    binding = zephyrinBind();
}

VRPLUGIN_CALLBACK void vrhostScenarioCall(int wordCount, const char* const* words) {
    if (wordCount < 1 || words == nullptr || words[0] == nullptr) {
        return;
    }
    std::string written = callText(wordCount, words);
    for (const Function& function : functions()) {
        if (std::strcmp(function.name, words[0]) != 0) {
            continue;
        }
        size_t expected = std::strlen(function.kinds);
        if (static_cast<size_t>(wordCount - 1) != expected) {
            say(written + ": takes " + std::to_string(expected) + " arguments");
            return;
        }
        Arguments arguments(expected);
        for (size_t index = 0; index < expected; ++index) {
            if (!parseArgument(function.kinds[index], words[index + 1], arguments[index])) {
                say(written + ": argument " + std::to_string(index + 1) + " is not of its kind");
                return;
            }
        }
        if (!isBound(function.name)) {
            say(written + ": Zephyrin does not export it");
            return;
        }
        say(written + " = " + function.call(arguments));
        return;
    }
    say(written + ": no such add-on function");
}
