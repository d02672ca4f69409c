#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fuzzsupport {

namespace {
std::filesystem::path scratchFolder;

void removeScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder, ignored);
}
} // namespace

void enterScratchSimulatorFolder() {
    if (!scratchFolder.empty()) {
        return;
    }
    std::string pattern =
        (std::filesystem::temp_directory_path() / "zephyrin_fuzz_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("fuzz: no scratch folder");
        std::abort();
    }
    scratchFolder = pattern;
    std::filesystem::current_path(scratchFolder);
    std::atexit(removeScratchFolder);
}

std::string scratchSimulatorFolder() {
    return scratchFolder.string() + "/";
}

void writeScratchFile(const std::string& relativePath, const uint8_t* data, size_t size) {
    const std::filesystem::path path = scratchFolder / relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void writeScratchFile(const std::string& relativePath, const std::string& text) {
    writeScratchFile(relativePath, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

std::vector<std::string> linesOf(const uint8_t* data, size_t size, size_t longest) {
    std::vector<std::string> lines(1);
    for (size_t at = 0; at < size; ++at) {
        const char c = static_cast<char>(data[at]);
        if (c == '\n' || c == '\0' || lines.back().size() == longest) {
            lines.emplace_back();
        }
        if (c != '\n' && c != '\0') {
            lines.back() += c;
        }
    }
    return lines;
}

} // namespace fuzzsupport
