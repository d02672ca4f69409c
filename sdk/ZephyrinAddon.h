/* Zephyrin for add-on authors: the functions the Zephyrin plug-in exports to vessel and MFD
 * add-ons, and the types and numbers they take.
 *
 * A vessel add-on connects its vessel once with GetVesselSoundID3 and, with the id it receives,
 * defines up to 60 waves (numbers 1..60, 2D or 3D), plays and stops them, switches Zephyrin's
 * stock sounds of that vessel on and off and replaces stock sound files. Only the vessel in focus
 * is heard: its waves are loaded while it holds the focus. An MFD add-on asks for an MFD id by
 * name and plays up to 10 plain waves (numbers 0..9) at any time.
 *
 * Every function uses the C calling convention and an undecorated name. File names are paths
 * relative to the simulator's folder, at most 259 characters. Positions are in the vessel's
 * frame, in metres.
 *
 * Linking against Zephyrin makes an add-on fail to load where Zephyrin is not installed. Define
 * ZEPHYRIN_ADDON_BINDING before including this header to get ZephyrinBinding instead: it finds
 * the functions in the loaded plug-in by name at run time, and the add-on stays silent, but runs,
 * without Zephyrin.
 *
 * This header is C and C++; in C++ it takes VECTOR3 and OBJHANDLE from the Voranth SDK. */
#ifndef ZEPHYRIN_ADDON_H
#define ZEPHYRIN_ADDON_H

#ifdef __cplusplus
#include "VoranthAPI.h"
#include <cstdint>
#else
#include <stdint.h>
typedef struct VECTOR3 {
    double x, y, z;
} VECTOR3;
typedef void* OBJHANDLE;
#endif

#if defined(_WIN32)
#define ZEPHYRIN_CALL __cdecl
#if defined(ZEPHYRIN_BUILD)
#define ZEPHYRIN_API __declspec(dllexport)
#else
#define ZEPHYRIN_API __declspec(dllimport)
#endif
#else
#define ZEPHYRIN_CALL
#define ZEPHYRIN_API __attribute__((visibility("default")))
#endif

/* The id of the record that the older, id-less functions act on; an add-on never receives it. */
#define LEGACY_SOUND_ID 60
#define ZEPHYRIN_NO_SOUND_ID (-1)
#define ZEPHYRIN_WAVE_COUNT 60
#define ZEPHYRIN_MFD_WAVE_COUNT 10
#define ZEPHYRIN_FILE_NAME_LENGTH 260

/* How a wave is heard from the cockpit and from outside (the `type` of the load functions). The
 * outside volume of types 2..7 falls with the distance of the camera and with thin air. */
enum ZephyrinWaveType {
    VIEW_ANY = 0,          /* the same everywhere */
    VIEW_INSIDE_ONLY = 1,  /* silent outside */
    VIEW_BOTH_NEAR = 2,    /* both views; outside heard from near only */
    VIEW_BOTH_MID = 3,     /* both views; outside heard from a middle distance */
    VIEW_BOTH_FAR = 4,     /* both views; outside heard from far away */
    VIEW_OUTSIDE_NEAR = 5, /* silent in the cockpit; outside as VIEW_BOTH_NEAR */
    VIEW_OUTSIDE_MID = 6,  /* silent in the cockpit; outside as VIEW_BOTH_MID */
    VIEW_OUTSIDE_FAR = 7,  /* silent in the cockpit; outside as VIEW_BOTH_FAR */
    VIEW_RADIO = 8         /* a radio message: played through PlayVesselExclusiveWaveZephx3 */
};

/* How a wave is placed. */
enum ZephyrinWaveMode { WAVE_2D = 0, WAVE_3D_MONO = 1, WAVE_3D_STEREO = 2 };

/* The stock sound switches of a vessel (the `option` of SoundOption3). */
enum ZephyrinSoundOption {
    PLAYCOUNTDOWNWHENTAKEOFF = 1,
    PLAYWHENATTITUDEMODECHANGE = 3,
    PLAYGPWS = 4,
    PLAYMAINTHRUST = 5,
    PLAYHOVERTHRUST = 6,
    PLAYATTITUDETHRUST = 7,
    PLAYDOCKINGSOUND = 8,
    PLAYRADARBIP = 9,
    PLAYWINDAIRSPEED = 10,
    PLAYDOCKLANDCLEARANCE = 11,
    PLAYLANDINGANDGROUNDSOUND = 12,
    PLAYCABINAIRCONDITIONING = 13,
    PLAYCABINRANDOMAMBIANCE = 14,
    PLAYWINDAMBIANCEWHENLANDED = 15,
    PLAYRADIOATC = 16,
    DISPLAYTIMER = 17,
    AUTODISABLEAUTOPILOT = 18,
    RADIOBLACKOUTINREENTRY = 19,
    STOPALLSTOCKSOUNDS = 20, /* value 1 stops the running stock sounds once */
    PLAYRETROTHRUST = 21,
    PLAYAUXTHRUST = 22,
    PLAYWINDCOCKPITOPEN = 23,
    PLAYREENTRYAIRSPEED = 24
};

/* The stock sounds an add-on may replace (the `stockId` of ReplaceStockZephx3). */
enum ZephyrinStockId {
    REPLACE_ALL_STOCK_SOUNDS = -1, /* reloads every stock sound of the focus vessel */
    REPLACE_MAIN_THRUST = 10,
    REPLACE_HOVER_THRUST = 11,
    REPLACE_RCS_THRUST_ATTACK = 12,
    REPLACE_RCS_THRUST_SUSTAIN = 13,
    REPLACE_AIR_CONDITIONNING = 14,
    REPLACE_COCKPIT_AMBIENCE_1 = 15, /* ambiences 2..9 follow as 16..23 */
    REPLACE_COCKPIT_AMBIENCE_9 = 23,
    REPLACE_MODE_ROTATION = 24,
    REPLACE_MODE_TRANSLATION = 25,
    REPLACE_MODE_ATTITUDEOFF = 26,
    REPLACE_WIND_AIRSPEED = 27,
    REPLACE_REENTRY_AIRSPEED = 28,
    REPLACE_LAND_TOUCHDOWN = 29,
    REPLACE_GROUND_ROLL = 30,
    REPLACE_WHEELBRAKE = 31,
    REPLACE_CRASH_SOUND = 32,
    REPLACE_DOCKING = 33,
    REPLACE_UNDOCKING = 34,
    REPLACE_RADIOLANDCLEARANCE = 35,
    REPLACE_RADIO_DOCKING = 36,
    REPLACE_RADIO_UNDOCKING = 37,
    REPLACE_RADAR_APPROACH = 38,
    REPLACE_RADAR_CLOSE = 39,
    REPLACE_RETRO_THRUST = 40,
    REPLACE_AUX_THRUST = 41,
    REPLACE_COUNTDOWN_WHENTAKEOFF = 42,
    REPLACEALLGPWSSOUND = 43 /* the callouts come from the vessel class's folder; no file */
};

/* A projection cone: full volume within insideAngle around orientation, outsideVolume (0..255)
 * beyond outsideAngle. Zephyrin applies it only when the user allows projection cones. */
#pragma pack(push, 4)
typedef struct ConeParameters {
    uint32_t insideAngle;  /* degrees */
    uint32_t outsideAngle; /* degrees */
    VECTOR3 orientation;
    double outsideVolume;
} ConeParameters;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(ConeParameters) == 40, "the cone crosses the interface as 40 bytes");
#else
_Static_assert(sizeof(ConeParameters) == 40, "the cone crosses the interface as 40 bytes");
#endif

/* One list of every export, so that the declarations and the run-time binding cannot differ:
 * ZEPHYRIN_EXPORT(result, name, parameters). */
#define ZEPHYRIN_EXPORTS(ZEPHYRIN_EXPORT)                                                          \
    /* 4.0f. */                                                                                    \
    ZEPHYRIN_EXPORT(float, GetVersionZephx3, (void))                                               \
    /* The vessel's sound id 0..59 (the same at every call), or -1. */                             \
    ZEPHYRIN_EXPORT(int, GetVesselSoundID3, (OBJHANDLE vessel))                                    \
    /* Defines wave 1..60 as a 2D wave of a view type; 1, or 0 when it failed to load. */          \
    ZEPHYRIN_EXPORT(int, LoadVesselWaveZephx3, (int id, int wave, const char* file, int type))     \
    /* As a 3D wave at `position` (a stereo file split to `position` and `positionRight` when      \
     * stereo is 1); null positions are the origin and `position`. */                              \
    ZEPHYRIN_EXPORT(int, LoadVesselWave3dZephx4,                                                   \
                    (int id, int wave, const char* file, int type, const VECTOR3* position,        \
                     const VECTOR3* positionRight, int stereo))                                    \
    /* Moves a 3D wave, sets its distances or its cone; a null pointer leaves that value (a null   \
     * cone removes it). 0 for a 2D or undefined wave. */                                          \
    ZEPHYRIN_EXPORT(int, Set3dWaveParametersZephx4,                                                \
                    (int id, int wave, const VECTOR3* position, const VECTOR3* positionRight,      \
                     const float* minDistance, const float* maxDistance,                           \
                     const ConeParameters* cone))                                                  \
    /* loop 1 loops; volume 0..255; frequency 5000..44100 Hz, 0 keeps it. A looping call that      \
     * changes too little is ignored, so it may be made every frame. 0 unless the vessel is in     \
     * focus and the wave loaded. */                                                               \
    ZEPHYRIN_EXPORT(int, PlayVesselWaveZephx3,                                                     \
                    (int id, int wave, int loop, int volume, int frequency))                       \
    /* Plays once as a radio message: the radio chatter stops and waits; the wave is VIEW_RADIO    \
     * from then on. */                                                                            \
    ZEPHYRIN_EXPORT(int, PlayVesselExclusiveWaveZephx3,                                            \
                    (int id, int wave, int loop, int volume, int frequency))                       \
    ZEPHYRIN_EXPORT(int, StopVesselWave3, (int id, int wave))                                      \
    ZEPHYRIN_EXPORT(int, IsPlayingVesselWave3, (int id, int wave))                                 \
    /* Switches a stock sound of the vessel (ZephyrinSoundOption) on (1) or off (0); always 1.     \
     * The vessel class's own sound file has the last word. */                                     \
    ZEPHYRIN_EXPORT(int, SoundOption3, (int id, int option, int value))                            \
    /* Replaces a stock sound (ZephyrinStockId) by a file; 0 for an id never issued. */            \
    ZEPHYRIN_EXPORT(int, ReplaceStockZephx3, (int id, const char* file, int stockId))              \
    /* 1 when the user's sound device plays 3D. */                                                 \
    ZEPHYRIN_EXPORT(int, IsZephyrin3dZephx4, (void))                                               \
    /* 1 while the radio chatter talks. */                                                         \
    ZEPHYRIN_EXPORT(int, IsPlayingRadioVesselWave, (void))                                         \
    /* Switches the air conditioning of a focus vessel without id; 0 for other vessels. */         \
    ZEPHYRIN_EXPORT(int, ControlAircond, (int value))                                              \
    /* Tunes the radio to a frequency text such as "131.900". */                                   \
    ZEPHYRIN_EXPORT(int, SetFrequency, (const char* frequency))                                    \
    /* The older id-less functions: they act on the focus vessel while no add-on connected it.     \
     * New add-ons use the functions above. */                                                     \
    ZEPHYRIN_EXPORT(int, LoadVesselWaveZephx, (int wave, const char* file))                        \
    ZEPHYRIN_EXPORT(int, PlayVesselWaveZephx, (int wave, int loop, int volume, int frequency))     \
    ZEPHYRIN_EXPORT(int, PlayVesselExclusiveWaveZephx,                                             \
                    (int wave, int loop, int volume, int frequency))                               \
    ZEPHYRIN_EXPORT(int, StopVesselWave, (int wave))                                               \
    ZEPHYRIN_EXPORT(int, IsPlayingVesselWave, (int wave))                                          \
    ZEPHYRIN_EXPORT(int, SoundOption, (int option, int value))                                     \
    /* MFD sounds: an id 0..38 per name (its first 20 characters, case-sensitive), or -1. */       \
    ZEPHYRIN_EXPORT(int, GetMFDId, (const char* name))                                             \
    ZEPHYRIN_EXPORT(int, LoadMFDWaveZephx3, (int mfdId, int wave, const char* file))               \
    /* frequency 4000..44100 Hz, 0 keeps it. */                                                    \
    ZEPHYRIN_EXPORT(int, PlayMFDWaveZephx3,                                                        \
                    (int mfdId, int wave, int loop, int volume, int frequency))                    \
    ZEPHYRIN_EXPORT(int, StopMFDWave3, (int mfdId, int wave))

#ifdef __cplusplus
extern "C" {
#endif

#define ZEPHYRIN_DECLARE(result, name, parameters)                                                 \
    ZEPHYRIN_API result ZEPHYRIN_CALL name parameters;
ZEPHYRIN_EXPORTS(ZEPHYRIN_DECLARE)
#undef ZEPHYRIN_DECLARE

#ifdef __cplusplus
}
#endif

#ifdef ZEPHYRIN_ADDON_BINDING
#include <string.h>
#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

/* Zephyrin's functions as the loaded plug-in holds them. All are null when Zephyrin is not
 * loaded; a function that an older Zephyrin lacks is null too. */
typedef struct ZephyrinBinding {
    int present;   /* 1 when Zephyrin is loaded */
    int complete;  /* 1 when every function below was found */
    float version; /* GetVersionZephx3(), 0 when not present */
#define ZEPHYRIN_POINTER(result, name, parameters) result(ZEPHYRIN_CALL* name) parameters;
    ZEPHYRIN_EXPORTS(ZEPHYRIN_POINTER)
#undef ZEPHYRIN_POINTER
} ZephyrinBinding;

/* Looks the functions up in the plug-in the simulator has loaded; never loads it. Call it from
 * the add-on's own start: the simulator loads its plug-ins before it calls them. */
static inline ZephyrinBinding zephyrinBind(void) {
    ZephyrinBinding binding;
    void* found;
    binding.complete = 1;
#if defined(_WIN32)
    HMODULE library = GetModuleHandleA("Zephyrin.dll");
#define ZEPHYRIN_LOOKUP(name) (library != NULL ? (void*)GetProcAddress(library, name) : NULL)
#else
    void* library = dlopen("libZephyrin.so", RTLD_LAZY | RTLD_NOLOAD);
#define ZEPHYRIN_LOOKUP(name) (library != NULL ? dlsym(library, name) : NULL)
#endif
#define ZEPHYRIN_RESOLVE(result, name, parameters)                                                 \
    found = ZEPHYRIN_LOOKUP(#name);                                                                \
    binding.complete = binding.complete && found != NULL;                                          \
    memcpy((void*)&binding.name, &found, sizeof found);
    ZEPHYRIN_EXPORTS(ZEPHYRIN_RESOLVE)
#undef ZEPHYRIN_RESOLVE
#undef ZEPHYRIN_LOOKUP
#if !defined(_WIN32)
    /* The simulator keeps the plug-in loaded: only this lookup's reference is given back. */
    if (library != NULL) {
        dlclose(library);
    }
#endif
    binding.present = binding.GetVersionZephx3 != NULL;
    binding.version = binding.present ? binding.GetVersionZephx3() : 0.0f;
    return binding;
}
#endif /* ZEPHYRIN_ADDON_BINDING */

#endif /* ZEPHYRIN_ADDON_H */
