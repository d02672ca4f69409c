// Tunedesk's side of the main configuration file "Sound\Cfg\Zephyrin3.cfg": read at start and
// repaired with Tunedesk's defaults, written whole on save.
#pragma once

#include "shared/option_record.h"

#include <string>
#include <vector>

namespace tunedesk {

inline constexpr const char* optionFilePath = "Sound\\Cfg\\Zephyrin3.cfg";
inline constexpr const char* cannotCreateOptionFile = "Unable to create cfg file\n";
inline constexpr const char* cannotSaveOptionFile = "SaveCFG->Unable to write to cfg file\n";

// The record of the file when it holds one whole block with the version mark; otherwise the
// file is rewritten with Tunedesk's defaults (every field, those without a control included),
// which are returned. The messages for the user are added to `messages`.
OptionRecord loadOptionFile(std::vector<std::string>& messages);

// Replaces the file with the record in one write; false when it cannot be written.
bool saveOptionFile(const OptionRecord& record);

} // namespace tunedesk
