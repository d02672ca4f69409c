// The plug-in options a scenario sets (`option NAME VALUE`): while the plug-in reads its main
// configuration file, the file holds them on top of what it held; the rest of the time it holds
// its own bytes, so that other flights of the same tree are not affected.
#pragma once

#include "shared/option_record.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vrhost {

struct OptionSetting {
    std::string name; // a field of the option record, e.g. PLAYRADARBIP
    double value = 0.0;
};

bool isOptionName(const std::string& name);
// ATCDELAYFACTOR is the record's one fractional number; every other option is whole.
bool optionTakesFraction(const std::string& name);

// The record of `fileBytes` (the plug-in's defaults when they are no valid record) with the
// settings applied.
OptionRecord withSettings(const std::optional<std::string>& fileBytes,
                          const std::vector<OptionSetting>& settings);

class OptionFileOverride {
public:
    // Without settings apply() and restore() do nothing.
    OptionFileOverride(std::filesystem::path file, std::vector<OptionSetting> settings);
    ~OptionFileOverride() { restore(); }
    OptionFileOverride(const OptionFileOverride&) = delete;
    OptionFileOverride& operator=(const OptionFileOverride&) = delete;

    void apply();
    void restore();

private:
    std::filesystem::path file_;
    std::vector<OptionSetting> settings_;
    std::optional<std::string> original_; // the file's bytes before; none: there was no file
    bool active_ = false;
};

} // namespace vrhost
