#include "host/option_settings.h"

#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace vrhost {

namespace {

struct OptionField {
    const char* name;
    size_t offset;
    bool isFloat;
};

#define VRHOST_OPTION(field)                                                                       \
    { #field, offsetof(OptionRecord, field), false }

constexpr OptionField optionFields[] = {
    VRHOST_OPTION(ALLOW3DAUDIO),
    VRHOST_OPTION(ALLOW3DPROJECTIONCONE),
    VRHOST_OPTION(ALLOW3DMACHCONESILENCE),
    VRHOST_OPTION(PLAYSONICBANG),
    VRHOST_OPTION(ALLOW3DRCSPOSITIONING),
    VRHOST_OPTION(VACUUMREDUCESENGINESOUND),
    VRHOST_OPTION(PLAYCOUNTDOWNWHENTAKEOFF),
    VRHOST_OPTION(PLAYCABINAIRCONDITIONING),
    VRHOST_OPTION(PLAYCABINRANDOMAMBIANCE),
    VRHOST_OPTION(PLAYWHENATTITUDEMODECHANGE),
    VRHOST_OPTION(PLAYMAINTHRUST),
    VRHOST_OPTION(PLAYHOVERTHRUST),
    VRHOST_OPTION(PLAYRETROTHRUST),
    VRHOST_OPTION(PLAYAUXTHRUST),
    VRHOST_OPTION(PLAYRADARBIP),
    VRHOST_OPTION(PLAYGPWS),
    VRHOST_OPTION(PLAYWINDAIRSPEED),
    VRHOST_OPTION(PLAYWINDAMBIANCEWHENLANDED),
    VRHOST_OPTION(PLAYRADIOATC),
    VRHOST_OPTION(ATCDELAYMULTIPLY),
    VRHOST_OPTION(NOATCWHENGROUNDED),
    VRHOST_OPTION(PLAYDOCKINGSOUND),
    VRHOST_OPTION(PLAYATTITUDETHRUST),
    VRHOST_OPTION(DISPLAYTIMER),
    VRHOST_OPTION(AUTODISABLEAUTOPILOT),
    VRHOST_OPTION(PLAYDOCKLANDCLEARANCE),
    VRHOST_OPTION(PLAYLANDINGANDGROUNDSOUND),
    VRHOST_OPTION(RADIOBLACKOUTINREENTRY),
    VRHOST_OPTION(ALLOWSILENCEOFSPACE),
    VRHOST_OPTION(RADIOINEXTERNALVIEW),
    VRHOST_OPTION(GPWSINEXTERNALVIEW),
    VRHOST_OPTION(NOOUTDATEDADDONWARNING),
    VRHOST_OPTION(MP3MODE),
    VRHOST_OPTION(MP3SHUFFLEATSTART),
    VRHOST_OPTION(PLAYWINDCOCKPITOPEN),
    VRHOST_OPTION(PLAYREENTRYAIRSPEED),
    VRHOST_OPTION(VOLCOUNTDOWN),
    VRHOST_OPTION(VOLAIRCOND),
    VRHOST_OPTION(VOLCABINAMBIENCE),
    VRHOST_OPTION(VOLATTITUDEMODE),
    VRHOST_OPTION(VOLMAINTHRUST),
    VRHOST_OPTION(VOLHOVERTHRUST),
    VRHOST_OPTION(VOLRETROTHRUST),
    VRHOST_OPTION(VOLRADAR),
    VRHOST_OPTION(VOLGPWS),
    VRHOST_OPTION(VOLWINDAIRSPEED),
    VRHOST_OPTION(VOLWINDBASEAMBIENCE),
    VRHOST_OPTION(VOLATC),
    VRHOST_OPTION(ATCMINDELAY),
    VRHOST_OPTION(ATCMAXDELAY),
    {"ATCDELAYFACTOR", offsetof(OptionRecord, ATCDELAYFACTOR), true},
    VRHOST_OPTION(ATCDELAYDISTANCEKM),
    VRHOST_OPTION(VOLDOCKING),
    VRHOST_OPTION(VOLATTITUDETHRUST),
    VRHOST_OPTION(VOLLANDCLEARANCE),
    VRHOST_OPTION(VOLLANDINGCRASH),
    VRHOST_OPTION(VOLMP3),
    VRHOST_OPTION(VOLRESERVED),
    VRHOST_OPTION(VOLSONICBANG),
    VRHOST_OPTION(VOLREENTRY),
};

#undef VRHOST_OPTION

const OptionField* fieldNamed(const std::string& name) {
    for (const OptionField& field : optionFields) {
        if (name == field.name) {
            return &field;
        }
    }
    return nullptr;
}

void setField(OptionRecord& record, const OptionField& field, double value) {
    auto* bytes = reinterpret_cast<unsigned char*>(&record) + field.offset;
    if (field.isFloat) {
        float number = static_cast<float>(value);
        std::memcpy(bytes, &number, sizeof number);
    } else {
        int32_t number = static_cast<int32_t>(value);
        std::memcpy(bytes, &number, sizeof number);
    }
}

std::optional<std::string> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeBytes(const std::filesystem::path& file, const void* bytes, size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

} // namespace

bool isOptionName(const std::string& name) {
    return fieldNamed(name) != nullptr;
}

bool optionTakesFraction(const std::string& name) {
    const OptionField* field = fieldNamed(name);
    return field != nullptr && field->isFloat;
}

OptionRecord withSettings(const std::optional<std::string>& fileBytes,
                          const std::vector<OptionSetting>& settings) {
    OptionRecord record{};
    if (fileBytes && fileBytes->size() == sizeof record) {
        std::memcpy(&record, fileBytes->data(), sizeof record);
    }
    if (record.VERSIONCONTROL != optionRecordVersion) {
        fillPluginDefaults(record);
    }
    for (const OptionSetting& setting : settings) {
        if (const OptionField* field = fieldNamed(setting.name)) {
            setField(record, *field, setting.value);
        }
    }
    return record;
}

OptionFileOverride::OptionFileOverride(std::filesystem::path file,
                                       std::vector<OptionSetting> settings)
    : file_(std::move(file)), settings_(std::move(settings)) {}

void OptionFileOverride::apply() {
    if (settings_.empty() || active_) {
        return;
    }
    original_ = readBytes(file_);
    OptionRecord record = withSettings(original_, settings_);
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);
    active_ = writeBytes(file_, &record, sizeof record);
}

void OptionFileOverride::restore() {
    if (!active_) {
        return;
    }
    active_ = false;
    if (original_) {
        writeBytes(file_, original_->data(), original_->size());
    } else {
        std::error_code ignored;
        std::filesystem::remove(file_, ignored);
    }
}

} // namespace vrhost
