// The Voranth SDK: what the simulator offers its plug-ins.
//
// The simulator calls the callbacks a plug-in exports (VRPLUGIN_CALLBACK) and exports the vrapi*
// functions itself; a plug-in library resolves them from the simulator's executable when it is
// loaded. VESSEL, Sketchpad and the MFD base are implemented by the simulator and reached through
// their virtual tables. Handles are opaque; a null handle or interface means "none".
#pragma once

#include "platform/win_types.h"

#include <cstddef>
#include <cstring>

#if defined(_WIN32)
#define VRPLUGIN_CALLBACK extern "C" __declspec(dllexport)
#if defined(VORANTH_HOST_BUILD)
#define VRAPI extern "C" __declspec(dllexport)
#else
#define VRAPI extern "C" __declspec(dllimport)
#endif
#else
#define VRPLUGIN_CALLBACK extern "C" __attribute__((visibility("default")))
#define VRAPI extern "C" __attribute__((visibility("default")))
#endif

// Date of this SDK, as Date2Int reads it.
#define VORANTH_SDK_DATE "Aug 30 2010"

// ---------------------------------------------------------------------------------------------
// Basic types

struct VECTOR3 {
    double x, y, z;
};

// Row-major 3x3 matrix: m11 m12 m13 is the first row.
struct MATRIX3 {
    double m11, m12, m13;
    double m21, m22, m23;
    double m31, m32, m33;
};

typedef void* OBJHANDLE;
typedef void* NOTEHANDLE;
typedef void* THRUSTER_HANDLE;
typedef void* THGROUP_HANDLE;
typedef void* DOCKHANDLE;

class VESSEL;
class Sketchpad;

// Vessel status record, filled by VESSEL::GetStatus.
struct VESSELSTATUS {
    VECTOR3 rpos;    // position relative to the reference body, m
    VECTOR3 rvel;    // velocity relative to the reference body, m/s
    VECTOR3 vrot;    // angular velocity, rad/s
    VECTOR3 arot;    // orientation as Euler angles, rad
    double fuel;     // propellant fraction 0..1
    double eng_main; // main/retro setting -1 (full retro) .. +1 (full main)
    double eng_hovr; // hover setting 0..1
    OBJHANDLE rbody; // reference body
    OBJHANDLE base;  // base landed at, or null
    int port;        // landing pad at the base
    int status;      // VESSEL_STATUS_*
};

enum {
    VESSEL_STATUS_FLYING = 0,
    VESSEL_STATUS_LANDED = 1,
    VESSEL_STATUS_CRASHED = 2,
    VESSEL_STATUS_DOCKED = 3,
};

// Engine status record of the focus vessel, filled by vrapiGetEngineStatus.
struct ENGINESTATUS {
    double main;  // main/retro setting -1..+1
    double hover; // hover setting 0..1
    int attmode;  // attitude mode: 0 off, 1 rotation, 2 translation
};

// Atmosphere at a distance from a planet's centre, filled by vrapiGetPlanetAtmParams.
struct ATMPARAM {
    double T;   // temperature, K
    double p;   // pressure, Pa
    double rho; // density, kg/m^3
};

// Thruster group types.
enum THGROUP_TYPE {
    THGROUP_MAIN = 0,
    THGROUP_RETRO = 1,
    THGROUP_HOVER = 2,
    THGROUP_ATT_PITCHUP = 3,
    THGROUP_ATT_PITCHDOWN = 4,
    THGROUP_ATT_YAWLEFT = 5,
    THGROUP_ATT_YAWRIGHT = 6,
    THGROUP_ATT_BANKLEFT = 7,
    THGROUP_ATT_BANKRIGHT = 8,
    THGROUP_ATT_RIGHT = 9,
    THGROUP_ATT_LEFT = 10,
    THGROUP_ATT_UP = 11,
    THGROUP_ATT_DOWN = 12,
    THGROUP_ATT_FORWARD = 13,
    THGROUP_ATT_BACK = 14,
    THGROUP_USER = 64,
};

// Navigation modes 1..7 (GetNavmodeState, DeactivateNavmode).
enum {
    NAVMODE_KILLROT = 1,
    NAVMODE_HLEVEL = 2,
    NAVMODE_PROGRADE = 3,
    NAVMODE_RETROGRADE = 4,
    NAVMODE_NORMAL = 5,
    NAVMODE_ANTINORMAL = 6,
    NAVMODE_HOLDALT = 7,
};

// Camera modes of vrapiCameraMode.
enum {
    CAMERA_MODE_COCKPIT = 0,
    CAMERA_MODE_TRACK = 1,
    CAMERA_MODE_GROUND_OBSERVER = 6,
};

// Cockpit modes of vrapiCockpitMode.
enum {
    COCKPIT_GENERIC = 1,
    COCKPIT_PANELS = 2,
    COCKPIT_VIRTUAL = 3,
};

// ---------------------------------------------------------------------------------------------
// Animations: a vessel's animation is a list of components, each moving mesh groups.

struct MGROUP_TRANSFORM {
    enum TYPE { NULLTRANSFORM, ROTATE, TRANSLATE, SCALE };
    TYPE type;
    UINT mesh;
    UINT* grp; // the moved groups
    UINT ngrp;
    VECTOR3 ref;   // rotation or scale reference point, m
    VECTOR3 axis;  // rotation axis
    float angle;   // rotation range, rad
    VECTOR3 shift; // translation, m
    VECTOR3 scale; // scale factors
};

struct ANIMATIONCOMP {
    double state0, state1; // animation states between which the component moves
    MGROUP_TRANSFORM* trans;
    ANIMATIONCOMP* parent; // null for a top-level component
    ANIMATIONCOMP** children;
    UINT nchildren;
};

struct ANIMATION {
    double defstate; // state the meshes are built in
    double state;    // current state 0..1
    UINT ncomp;
    ANIMATIONCOMP** comp;
};

// ---------------------------------------------------------------------------------------------
// Vessels

class VESSEL {
public:
    virtual ~VESSEL() = default;

    virtual OBJHANDLE GetHandle() const = 0;
    virtual const char* GetName() const = 0;
    virtual const char* GetClassNameA() const = 0;

    virtual double GetSize() const = 0; // mean radius, m
    virtual double GetMass() const = 0; // kg
    virtual void GetStatus(VESSELSTATUS& status) const = 0;
    virtual double GetAtmPressure() const = 0; // Pa
    virtual double GetDynPressure() const = 0; // Pa
    virtual double GetMachNumber() const = 0;
    virtual double
    GetCOG_elev() const = 0;           // height of the centre of gravity above ground contact, m
    virtual double GetYaw() const = 0; // rad
    virtual bool GetHorizonAirspeedVector(VECTOR3& v) const = 0; // horizon frame, m/s
    virtual bool GetShipAirspeedVector(VECTOR3& v) const = 0;    // vessel frame, m/s
    virtual void GetRotationMatrix(MATRIX3& r) const = 0;        // vessel to global
    virtual void Global2Local(const VECTOR3& global, VECTOR3& local) const = 0;
    virtual void GetCameraOffset(VECTOR3& offset) const = 0; // cockpit camera, vessel frame, m

    virtual bool GroundContact() const = 0;
    virtual double GetWheelbrakeLevel(int which) const = 0; // 0 both, 1 left, 2 right; 0..1

    virtual UINT DockCount() const = 0;
    virtual UINT DockingStatus(UINT port) const = 0; // 1 docked, 0 free
    virtual DOCKHANDLE GetDockHandle(UINT port) const = 0;
    virtual void GetDockParams(DOCKHANDLE dock, VECTOR3& pos, VECTOR3& dir, VECTOR3& rot) const = 0;

    virtual bool GetNavmodeState(int mode) = 0;
    virtual bool DeactivateNavmode(int mode) = 0;

    virtual double GetThrusterGroupLevel(THGROUP_TYPE type) const = 0; // 0..1
    virtual DWORD GetGroupThrusterCount(THGROUP_TYPE type) const = 0;
    virtual DWORD GetGroupThrusterCount(THGROUP_HANDLE group) const = 0;
    virtual THRUSTER_HANDLE GetGroupThruster(THGROUP_TYPE type, DWORD index) const = 0;
    virtual THRUSTER_HANDLE GetGroupThruster(THGROUP_HANDLE group, DWORD index) const = 0;
    virtual DWORD GetUserThrusterGroupCount() const = 0;
    virtual THGROUP_HANDLE GetUserThrusterGroupHandleByIndex(DWORD index) const = 0;
    virtual double GetThrusterLevel(THRUSTER_HANDLE thruster) const = 0; // 0..1
    virtual void GetThrusterRef(THRUSTER_HANDLE thruster,
                                VECTOR3& pos) const = 0; // vessel frame, m
    virtual void GetThrusterDir(THRUSTER_HANDLE thruster,
                                VECTOR3& dir) const = 0; // unit thrust direction

    // The vessel's animation table; returns the number of animations.
    virtual UINT GetAnimPtr(ANIMATION** animations) const = 0;
};

// ---------------------------------------------------------------------------------------------
// Drawing on a multi-function display

class Font;

enum FontStyle { FONT_NORMAL = 0, FONT_BOLD = 1, FONT_ITALIC = 2, FONT_UNDERLINE = 4 };

class Sketchpad {
public:
    enum TAlign_horizontal { LEFT, CENTER, RIGHT };
    enum TAlign_vertical { TOP, BASELINE, BOTTOM };

    virtual ~Sketchpad() = default;
    virtual Font* SetFont(Font* font) = 0;        // returns the previous font
    virtual DWORD SetTextColor(DWORD colour) = 0; // 0x00BBGGRR; returns the previous
    virtual void SetTextAlign(TAlign_horizontal horizontal, TAlign_vertical vertical) = 0;
    virtual bool Text(int x, int y, const char* text, int length) = 0;
    virtual DWORD GetCharSize() = 0; // height low word, width high word
    virtual void Line(int x0, int y0, int x1, int y1) = 0;
    virtual void Rectangle(int x0, int y0, int x1, int y1) = 0;
};

// One entry of an MFD's button menu, packed as the simulator lays it out.
#pragma pack(push, 1)
struct MFDBUTTONMENU {
    const char* line1;
    const char* line2;
    char selchar;
};
#pragma pack(pop)

// The MFD base class: the simulator creates a mode's object through its message procedure and
// calls these operations; the character size follows from the display size.
class MFD2 {
public:
    MFD2(DWORD width, DWORD height, VESSEL* vessel)
        : W(width), H(height), cw(static_cast<int>(width / 35)), ch(static_cast<int>(height / 28)),
          pV(vessel) {}
    virtual ~MFD2() = default;

    virtual void Update(HDC) {}
    virtual bool ConsumeKeyBuffered(DWORD) { return false; }
    virtual bool ConsumeKeyImmediate(char*) { return false; }
    virtual bool ConsumeButton(int, int) { return false; }
    virtual char* ButtonLabel(int) { return nullptr; }
    virtual int ButtonMenu(const MFDBUTTONMENU** menu) const {
        if (menu != nullptr) {
            *menu = nullptr;
        }
        return 0;
    }
    virtual void WriteStatus(void*) const {}
    virtual void ReadStatus(void*) {}
    virtual void StoreStatus() const {}
    virtual void RecallStatus() {}
    virtual bool Update(Sketchpad*) { return false; }

protected:
    // Writes the mode's title in the display's top line, as the simulator frames every mode.
    bool Title(Sketchpad* sketchpad, const char* title) const {
        if (sketchpad == nullptr || title == nullptr) {
            return false;
        }
        sketchpad->SetTextColor(0x00FFFFFF);
        sketchpad->SetTextAlign(Sketchpad::LEFT, Sketchpad::TOP);
        return sketchpad->Text(cw / 2, ch / 4, title, static_cast<int>(std::strlen(title)));
    }

    DWORD W, H; // display size, pixels
    int cw, ch; // character width and height, pixels
    VESSEL* pV; // the vessel the display belongs to
};

// Messages to an MFD mode's message procedure.
enum { MFD_OPENED = 1 };

// The message procedure returns the new mode object (as an integer) for MFD_OPENED, else 0.
typedef LRESULT (*MFDMessageProc)(UINT message, UINT mfdId, WPARAM wparam, LPARAM lparam);

struct MFDMODESPECEX {
    const char* name;
    DWORD key; // selection key, keyboard scan code
    void* context;
    MFDMessageProc msgproc;
};

// Keyboard scan codes used by plug-ins.
enum {
    VRKEY_LSHIFT = 0x2A,
    VRKEY_RSHIFT = 0x36,
    VRKEY_LCONTROL = 0x1D,
    VRKEY_RCONTROL = 0x9D,
    VRKEY_LALT = 0x38,
    VRKEY_RALT = 0xB8,
    VRKEY_R = 0x13,
    VRKEY_SPACE = 0x39,
};

// Called by the input box with the text the user typed; returns whether it was accepted.
typedef bool (*InputBoxCallback)(void* id, char* text, void* userData);

// ---------------------------------------------------------------------------------------------
// Functions of the simulator

// Version
VRAPI int vrapiGetVoranthVersion();
VRAPI int Date2Int(const char* date); // "Mmm dd yyyy" to a day number

// Focus
VRAPI OBJHANDLE vrapiGetFocusObject();
VRAPI VESSEL* vrapiGetFocusInterface();
VRAPI VESSEL* vrapiGetVesselInterface(OBJHANDLE object);
VRAPI bool vrapiIsVessel(OBJHANDLE object);

// Objects
VRAPI DWORD vrapiGetObjectCount();
VRAPI OBJHANDLE vrapiGetObjectByIndex(int index);
VRAPI DWORD vrapiGetStationCount();
VRAPI OBJHANDLE vrapiGetStationByIndex(int index);
VRAPI void vrapiGetObjectName(OBJHANDLE object, char* name, int size);
VRAPI double vrapiGetMass(OBJHANDLE object);                       // kg
VRAPI double vrapiGetSize(OBJHANDLE object);                       // mean radius, m
VRAPI void vrapiGetGlobalPos(OBJHANDLE object, VECTOR3* position); // m
VRAPI void vrapiGetFocusRelativePos(OBJHANDLE object,
                                    VECTOR3* position); // from the focus vessel, m

// Flight data of the focus vessel
VRAPI bool vrapiGetAltitude(double* altitude); // m above the mean planet radius
VRAPI bool vrapiGetAirspeed(double* airspeed); // m/s
VRAPI void vrapiGetEngineStatus(ENGINESTATUS* status);
VRAPI int vrapiGetAttitudeMode(); // 0 off, 1 rotation, 2 translation

// Time
VRAPI double vrapiGetSysStep();          // real seconds of the last frame
VRAPI double vrapiGetTimeAcceleration(); // 1 = real time

// Camera
VRAPI bool vrapiCameraInternal();
VRAPI int vrapiCameraMode();
VRAPI int vrapiCockpitMode();
VRAPI double vrapiCameraTargetDist(); // m
VRAPI void vrapiCameraGlobalPos(VECTOR3* position);
VRAPI void vrapiCameraGlobalDir(VECTOR3* direction);
VRAPI void vrapiCameraRotationMatrix(MATRIX3* rotation);
VRAPI OBJHANDLE vrapiCameraProxyGbody(); // the body the camera is near, null in deep space

// Planets and bases
VRAPI DWORD vrapiGetBaseCount(OBJHANDLE planet);
VRAPI OBJHANDLE vrapiGetBaseByIndex(OBJHANDLE planet, int index);
VRAPI void vrapiGetPlanetAtmParams(OBJHANDLE planet, double distance, ATMPARAM* parameters);

// Screen
VRAPI char* vrapiDebugString(); // the writable one-line debug text
VRAPI NOTEHANDLE vrapiCreateAnnotation(bool shown, double size, const VECTOR3& colour);
VRAPI void vrapiAnnotationSetPos(NOTEHANDLE note, double x1, double y1, double x2, double y2);
VRAPI void vrapiAnnotationSetText(NOTEHANDLE note, const char* text);
VRAPI bool vrapiDelAnnotation(NOTEHANDLE note);

// Multi-function displays and text entry
VRAPI int vrapiRegisterMFDMode(MFDMODESPECEX& spec);
VRAPI bool vrapiUnregisterMFDMode(int modeId);
VRAPI Font* vrapiCreateFont(int height, bool proportional, const char* face, FontStyle style);
VRAPI void vrapiReleaseFont(Font* font);
VRAPI void vrapiOpenInputBox(const char* title, InputBoxCallback callback, const char* initialText,
                             int visibleLength, void* userData);

// ---------------------------------------------------------------------------------------------
// Callbacks a plug-in may export (with VRPLUGIN_CALLBACK); the simulator finds them by name.
//
//   void InitModule(HINSTANCE module);                       once at program start
//   void ExitModule(HINSTANCE module);                       once at program end
//   void vrpcOpenRenderViewport(HWND window, DWORD width, DWORD height, BOOL fullscreen);
//   void vrpcCloseRenderViewport();
//   void vrpcPreStep(double simTime, double simStep, double mjd);   every frame
//   void vrpcFocusChanged(OBJHANDLE newFocus, OBJHANDLE oldFocus);
//   const char* ModuleDate();
//   int GetModuleVersion();

typedef void (*InitModuleCallback)(HINSTANCE module);
typedef void (*ExitModuleCallback)(HINSTANCE module);
typedef void (*OpenRenderViewportCallback)(HWND window, DWORD width, DWORD height, BOOL fullscreen);
typedef void (*CloseRenderViewportCallback)();
typedef void (*PreStepCallback)(double simTime, double simStep, double mjd);
typedef void (*FocusChangedCallback)(OBJHANDLE newFocus, OBJHANDLE oldFocus);
typedef const char* (*ModuleDateCallback)();
typedef int (*ModuleVersionCallback)();
