// A program here carries no resources: every preview comes from its file.
#include "config_program/model/wave_file.h"

namespace tunedesk {

std::optional<std::vector<uint8_t>> waveResource(const std::string&) {
    return std::nullopt;
}

} // namespace tunedesk
