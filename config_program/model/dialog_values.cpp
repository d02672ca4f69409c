#include "config_program/model/dialog_values.h"

#include "config_program/model/dialog_ids.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tunedesk {

namespace {
using R = OptionRecord;

constexpr std::array switches{
    SwitchControl{IDC_ALLOW3DAUDIO, &R::ALLOW3DAUDIO},
    SwitchControl{IDC_ALLOW3DCONE, &R::ALLOW3DPROJECTIONCONE},
    SwitchControl{IDC_ALLOW3DMACHCONE, &R::ALLOW3DMACHCONESILENCE},
    SwitchControl{IDC_ALLOW3DRCS, &R::ALLOW3DRCSPOSITIONING},
    SwitchControl{IDC_ALLOWSILENCEOFSPACE, &R::ALLOWSILENCEOFSPACE},
    SwitchControl{IDC_VACUUMREDUCES, &R::VACUUMREDUCESENGINESOUND},
    SwitchControl{IDC_RADIOINEXTERNALVIEW, &R::RADIOINEXTERNALVIEW},
    SwitchControl{IDC_GPWSINEXTERNALVIEW, &R::GPWSINEXTERNALVIEW},
    SwitchControl{IDC_MP3SHUFFLE, &R::MP3SHUFFLEATSTART},
    SwitchControl{IDC_PLAYCOUNTDOWN, &R::PLAYCOUNTDOWNWHENTAKEOFF},
    SwitchControl{IDC_PLAYATTITUDEMODE, &R::PLAYWHENATTITUDEMODECHANGE},
    SwitchControl{IDC_PLAYGPWS, &R::PLAYGPWS},
    SwitchControl{IDC_PLAYMAINTHRUST, &R::PLAYMAINTHRUST},
    SwitchControl{IDC_PLAYHOVERTHRUST, &R::PLAYHOVERTHRUST},
    SwitchControl{IDC_PLAYRETROTHRUST, &R::PLAYRETROTHRUST},
    SwitchControl{IDC_PLAYATTITUDETHRUST, &R::PLAYATTITUDETHRUST},
    SwitchControl{IDC_PLAYDOCKING, &R::PLAYDOCKINGSOUND},
    SwitchControl{IDC_PLAYRADARBIP, &R::PLAYRADARBIP},
    SwitchControl{IDC_PLAYWINDAIRSPEED, &R::PLAYWINDAIRSPEED},
    SwitchControl{IDC_PLAYREENTRY, &R::PLAYREENTRYAIRSPEED},
    SwitchControl{IDC_PLAYLANDCLEARANCE, &R::PLAYDOCKLANDCLEARANCE},
    SwitchControl{IDC_PLAYLANDINGCRASH, &R::PLAYLANDINGANDGROUNDSOUND},
    SwitchControl{IDC_PLAYAIRCOND, &R::PLAYCABINAIRCONDITIONING},
    SwitchControl{IDC_PLAYCABINAMBIENCE, &R::PLAYCABINRANDOMAMBIANCE},
    SwitchControl{IDC_PLAYWINDAMBIANCE, &R::PLAYWINDAMBIANCEWHENLANDED},
    SwitchControl{IDC_PLAYSONICBANG, &R::PLAYSONICBANG},
    SwitchControl{IDC_PLAYRADIOATC, &R::PLAYRADIOATC},
    SwitchControl{IDC_ATCDELAYMULTIPLY, &R::ATCDELAYMULTIPLY},
    SwitchControl{IDC_RADIOBLACKOUT, &R::RADIOBLACKOUTINREENTRY},
    SwitchControl{IDC_NOATCWHENGROUNDED, &R::NOATCWHENGROUNDED},
    SwitchControl{IDC_DISPLAYTIMER, &R::DISPLAYTIMER},
    SwitchControl{IDC_AUTODISABLEAUTOPILOT, &R::AUTODISABLEAUTOPILOT},
    SwitchControl{IDC_NOOUTDATEDADDONWARNING, &R::NOOUTDATEDADDONWARNING},
};

constexpr int64_t volumeMax = 255;
constexpr int64_t billion = 1000000000;

constexpr std::array numbers{
    NumberControl{IDC_VOLMP3, &R::VOLMP3, 0, volumeMax},
    NumberControl{IDC_VOLCOUNTDOWN, &R::VOLCOUNTDOWN, 0, volumeMax},
    NumberControl{IDC_VOLATTITUDEMODE, &R::VOLATTITUDEMODE, 0, volumeMax},
    NumberControl{IDC_VOLGPWS, &R::VOLGPWS, 0, volumeMax},
    NumberControl{IDC_VOLMAINTHRUST, &R::VOLMAINTHRUST, 0, volumeMax},
    NumberControl{IDC_VOLHOVERTHRUST, &R::VOLHOVERTHRUST, 0, volumeMax},
    NumberControl{IDC_VOLRETROTHRUST, &R::VOLRETROTHRUST, 0, volumeMax},
    NumberControl{IDC_VOLATTITUDETHRUST, &R::VOLATTITUDETHRUST, 0, volumeMax},
    NumberControl{IDC_VOLDOCKING, &R::VOLDOCKING, 0, volumeMax},
    NumberControl{IDC_VOLRADAR, &R::VOLRADAR, 0, volumeMax},
    NumberControl{IDC_VOLWINDAIRSPEED, &R::VOLWINDAIRSPEED, 0, volumeMax},
    NumberControl{IDC_VOLREENTRY, &R::VOLREENTRY, 0, volumeMax},
    NumberControl{IDC_VOLLANDCLEARANCE, &R::VOLLANDCLEARANCE, 0, volumeMax},
    NumberControl{IDC_VOLLANDINGCRASH, &R::VOLLANDINGCRASH, 0, volumeMax},
    NumberControl{IDC_VOLAIRCOND, &R::VOLAIRCOND, 0, volumeMax},
    NumberControl{IDC_VOLCABINAMBIENCE, &R::VOLCABINAMBIENCE, 0, volumeMax},
    NumberControl{IDC_VOLWINDAMBIANCE, &R::VOLWINDBASEAMBIENCE, 0, volumeMax},
    NumberControl{IDC_VOLSONICBANG, &R::VOLSONICBANG, 0, volumeMax},
    NumberControl{IDC_VOLATC, &R::VOLATC, 0, volumeMax},
    NumberControl{IDC_ATCMINDELAY, &R::ATCMINDELAY, 0, billion},
    NumberControl{IDC_ATCMAXDELAY, &R::ATCMAXDELAY, 0, 3600},
    NumberControl{IDC_ATCDELAYDISTANCEKM, &R::ATCDELAYDISTANCEKM, 0, billion},
};

constexpr double factorMaximum = 100.0;

bool isVolume(const NumberControl& control) {
    return control.maximum == volumeMax;
}

std::string integerRangeMessage(const NumberControl& control) {
    return "Please enter an integer between " + std::to_string(control.minimum) + " and " +
           std::to_string(control.maximum) + ".";
}

// Digits only, as the fields accept them; a run of digits too long for any range saturates.
std::optional<int64_t> parseWholeNumber(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value > billion * 10 ? value : value * 10 + (c - '0');
    }
    return value;
}

std::optional<double> parseDecimal(const std::string& text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    // from_chars also reads "nan" and "inf", which would pass every range check as no number.
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string factorText(float factor) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(factor));
    return text;
}
} // namespace

std::span<const SwitchControl> switchControls() {
    return switches;
}

std::span<const NumberControl> numberControls() {
    return numbers;
}

DialogValues dialogValuesOf(const OptionRecord& record) {
    DialogValues values;
    for (const SwitchControl& control : switches)
        values.checks[control.id] = record.*control.field != 0;
    for (const NumberControl& control : numbers) {
        const int32_t value = record.*control.field;
        values.texts[control.id] = std::to_string(isVolume(control) ? value & 0xFF : value);
    }
    values.texts[IDC_ATCDELAYFACTOR] = factorText(record.ATCDELAYFACTOR);
    values.mp3Selection =
        record.MP3MODE >= 0 && record.MP3MODE < mp3ModeCount ? record.MP3MODE : -1;
    return values;
}

std::optional<ValidationFailure> readDialogValues(const DialogValues& values,
                                                  OptionRecord& record) {
    OptionRecord read = record;
    for (const SwitchControl& control : switches) {
        const auto check = values.checks.find(control.id);
        read.*control.field = check != values.checks.end() && check->second ? 1 : 0;
    }
    for (const NumberControl& control : numbers) {
        const auto text = values.texts.find(control.id);
        const std::optional<int64_t> number =
            parseWholeNumber(text == values.texts.end() ? std::string() : text->second);
        if (!number)
            return ValidationFailure{control.id, "Please enter an integer."};
        if (*number < control.minimum || *number > control.maximum)
            return ValidationFailure{control.id, integerRangeMessage(control)};
        read.*control.field = static_cast<int32_t>(*number);
    }
    const auto factorField = values.texts.find(IDC_ATCDELAYFACTOR);
    const std::optional<double> factor =
        parseDecimal(factorField == values.texts.end() ? std::string() : factorField->second);
    if (!factor)
        return ValidationFailure{IDC_ATCDELAYFACTOR, "Please enter a number."};
    if (*factor < 0.0 || *factor > factorMaximum)
        return ValidationFailure{IDC_ATCDELAYFACTOR, "Please enter a number between 0 and 100."};
    read.ATCDELAYFACTOR = static_cast<float>(*factor);
    if (values.mp3Selection >= 0 && values.mp3Selection < mp3ModeCount)
        read.MP3MODE = values.mp3Selection;
    record = read;
    return std::nullopt;
}

bool acceptsCharacter(int editId, const std::string& textBefore, char typed) {
    if (typed >= '0' && typed <= '9')
        return true;
    return editId == IDC_ATCDELAYFACTOR && typed == '.' &&
           textBefore.find('.') == std::string::npos;
}

ThreeDEnabling threeDEnabling(bool allow3dAudio, bool projectionCone) {
    return {allow3dAudio, allow3dAudio && projectionCone, allow3dAudio};
}

} // namespace tunedesk
