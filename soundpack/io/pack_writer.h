// Lays files into the simulator tree under the names the system uses ("sound\vessel\land.wav"),
// resolving each folder case-insensitively as the platform does, so that "sound\cfg" lands in
// the existing "Sound/Cfg" instead of beside it.
#pragma once

#include "soundpack/dsp/signal.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

namespace soundpack {

class PackWriter {
public:
    PackWriter(std::filesystem::path treeRoot, std::ostream& progress, size_t plannedFiles);

    // The file-system path for a system path under the tree, its folders created.
    std::filesystem::path place(const std::string& systemPath);

    void writeSound(const std::string& systemPath, const Signal& signal);
    void writeBytes(const std::string& systemPath, const std::string& bytes);
    // For files made by another program (the MP3 encoder) at `place(systemPath)`.
    void recordWritten(const std::string& systemPath, const std::string& detail);

    size_t filesWritten() const { return filesWritten_; }
    uint64_t bytesWritten() const { return bytesWritten_; }

private:
    void reportProgress(const std::string& systemPath, const std::filesystem::path& path,
                        const std::string& detail);

    std::filesystem::path treeRoot_;
    std::ostream& progress_;
    size_t plannedFiles_;
    size_t filesWritten_ = 0;
    uint64_t bytesWritten_ = 0;
};

} // namespace soundpack
