#include "config_program/model/test_previews.h"

#include "config_program/model/dialog_ids.h"

#include <algorithm>
#include <array>

namespace tunedesk {

namespace {
using R = OptionRecord;

constexpr std::array cabinAmbiences{
    "sound\\vessel\\ambient0.wav", "sound\\vessel\\ambient1.wav", "sound\\vessel\\ambient2.wav",
    "sound\\vessel\\ambient3.wav", "sound\\vessel\\ambient4.wav", "sound\\vessel\\ambient5.wav",
    "sound\\vessel\\ambient6.wav", "sound\\vessel\\ambient7.wav", "sound\\vessel\\ambient8.wav",
};

constexpr std::array gpwsCallouts{
    "sound\\vessel\\-10.wav",  "sound\\vessel\\-20.wav",   "sound\\vessel\\-30.wav",
    "sound\\vessel\\-40.wav",  "sound\\vessel\\-50.wav",   "sound\\vessel\\-100.wav",
    "sound\\vessel\\-200.wav", "sound\\vessel\\-300.wav",  "sound\\vessel\\-400.wav",
    "sound\\vessel\\-500.wav", "sound\\vessel\\-1000.wav", "sound\\vessel\\-2500.wav",
};

constexpr const char* attitudeRotation = "sound\\vessel\\RcsattmodeRot.wav";
constexpr const char* attitudeTranslation = "sound\\vessel\\RcsattmodeTrans.wav";
constexpr const char* roll = "sound\\vessel\\Roll.wav";
constexpr const char* crash = "sound\\vessel\\crash.wav";
constexpr const char* wind = "sound\\_CustomWindSounds\\Earth_default2.wav";
constexpr const char* base = "sound\\_CustomBaseSounds\\Earth_Cape Canaveral_12000_255_40.wav";
constexpr const char* attitudeFire = "sound\\vessel\\AttFire.wav";
constexpr const char* attitudeSustain = "sound\\vessel\\AttSustain.wav";

// The buttons that play one file at their row's volume, every press the same.
struct FixedTest {
    int button;
    const char* file;
    int32_t OptionRecord::*volume;
};

constexpr std::array fixedTests{
    FixedTest{IDC_TESTCOUNTDOWN, "sound\\vessel\\countdown.wav", &R::VOLCOUNTDOWN},
    FixedTest{IDC_TESTAIRCOND, "sound\\vessel\\aircond.wav", &R::VOLAIRCOND},
    FixedTest{IDC_TESTMAINTHRUST, "sound\\vessel\\mainext.wav", &R::VOLMAINTHRUST},
    FixedTest{IDC_TESTHOVERTHRUST, "sound\\vessel\\hover_int.wav", &R::VOLHOVERTHRUST},
    FixedTest{IDC_TESTRETROTHRUST, "sound\\vessel\\retro.wav", &R::VOLRETROTHRUST},
    FixedTest{IDC_TESTRADAR, "sound\\vessel\\radar_bip.wav", &R::VOLRADAR},
    FixedTest{IDC_TESTWINDAIRSPEED, "sound\\vessel\\airspeed.wav", &R::VOLWINDAIRSPEED},
    FixedTest{IDC_TESTLANDCLEARANCE, "sound\\vessel\\landclr.wav", &R::VOLLANDCLEARANCE},
    FixedTest{IDC_TESTSONICBANG, "sound\\vessel\\sonicbang.wav", &R::VOLSONICBANG},
    FixedTest{IDC_TESTREENTRY, "sound\\vessel\\reentryfar.wav", &R::VOLREENTRY},
};

constexpr std::array cycledTests{
    IDC_TESTCABINAMBIENCE, IDC_TESTATTITUDEMODE,   IDC_TESTGPWS,         IDC_TESTWINDAMBIANCE,
    IDC_TESTDOCKING,       IDC_TESTATTITUDETHRUST, IDC_TESTLANDINGCRASH,
};

std::vector<const char*> listPreviewFiles() {
    std::vector<const char*> files{introSound};
    for (const FixedTest& test : fixedTests)
        files.push_back(test.file);
    files.push_back("sound\\vessel\\countdown1.wav");
    files.insert(files.end(), cabinAmbiences.begin(), cabinAmbiences.end());
    files.insert(files.end(), gpwsCallouts.begin(), gpwsCallouts.end());
    files.insert(files.end(), {attitudeRotation, attitudeTranslation, roll, crash, wind, base,
                               attitudeFire, attitudeSustain, dockingSound, dockingRadioSound});
    return files;
}
} // namespace

std::span<const char* const> previewFiles() {
    static const std::vector<const char*> files = listPreviewFiles();
    return files;
}

bool isTestButton(int id) {
    return std::ranges::any_of(fixedTests, [id](const FixedTest& t) { return t.button == id; }) ||
           std::ranges::find(cycledTests, id) != cycledTests.end();
}

TestPlay TestCycles::press(int testButton) {
    for (const FixedTest& test : fixedTests) {
        if (test.button == testButton)
            return {{test.file}, test.volume};
    }
    switch (testButton) {
    case IDC_TESTCABINAMBIENCE:
        cabinAmbience_ = (cabinAmbience_ + 1) % static_cast<int>(cabinAmbiences.size());
        return {{cabinAmbiences[cabinAmbience_]}, &R::VOLCABINAMBIENCE};
    case IDC_TESTGPWS: {
        const char* callout = gpwsCallouts[gpwsCallout_];
        gpwsCallout_ = (gpwsCallout_ + 1) % static_cast<int>(gpwsCallouts.size());
        return {{callout}, &R::VOLGPWS};
    }
    case IDC_TESTATTITUDEMODE: {
        const char* mode = attitudeTranslationNext_ ? attitudeTranslation : attitudeRotation;
        attitudeTranslationNext_ = !attitudeTranslationNext_;
        return {{mode}, &R::VOLATTITUDEMODE};
    }
    case IDC_TESTLANDINGCRASH: {
        const char* ground = crashNext_ ? crash : roll;
        crashNext_ = !crashNext_;
        return {{ground}, &R::VOLLANDINGCRASH};
    }
    case IDC_TESTWINDAMBIANCE:
        return {{wind, base}, &R::VOLWINDBASEAMBIENCE};
    case IDC_TESTATTITUDETHRUST:
        return {{attitudeFire, attitudeSustain}, &R::VOLATTITUDETHRUST};
    case IDC_TESTDOCKING:
        return {{dockingSound}, &R::VOLDOCKING, true};
    default:
        return {};
    }
}

} // namespace tunedesk
