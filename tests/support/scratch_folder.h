// A fresh folder for one test, made the current folder while the test runs.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes a file below the folder, creating its parent folders.
    void write(const std::string& relativePath, const std::string& content) const;
    std::string read(const std::string& relativePath) const;
    bool exists(const std::string& relativePath) const;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

} // namespace testsupport
