#include "config_program/model/option_file.h"

#include "platform/file_system.h"

#include <cstdio>
#include <cstring>

namespace tunedesk {

namespace {
OptionRecord tunedeskDefaults() {
    OptionRecord record;
    fillTunedeskDefaults(record);
    return record;
}
} // namespace

OptionRecord loadOptionFile(std::vector<std::string>& messages) {
    // Read into a block of its own, so that a short read leaves no stray bytes in the record.
    OptionRecord read;
    bool wholeBlock = false;
    if (FILE* file = platform::openFile(optionFilePath, "rb")) {
        wholeBlock = std::fread(&read, sizeof read, 1, file) == 1;
        std::fclose(file);
    }
    if (wholeBlock && read.VERSIONCONTROL == optionRecordVersion)
        return read;
    const OptionRecord defaults = tunedeskDefaults();
    if (!saveOptionFile(defaults))
        messages.push_back(cannotCreateOptionFile);
    return defaults;
}

bool saveOptionFile(const OptionRecord& record) {
    FILE* file = platform::openFile(optionFilePath, "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(&record, sizeof record, 1, file) == 1;
    return std::fclose(file) == 0 && written;
}

} // namespace tunedesk
