#include "scratch_folder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

ScratchFolder::ScratchFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "zephyrin-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a scratch folder");
    }
    path_ = pattern;
    std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::write(const std::string& relativePath, const std::string& content) const {
    std::filesystem::path file = path_ / relativePath;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

std::string ScratchFolder::read(const std::string& relativePath) const {
    std::ifstream file(path_ / relativePath, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool ScratchFolder::exists(const std::string& relativePath) const {
    return std::filesystem::exists(path_ / relativePath);
}

} // namespace testsupport
