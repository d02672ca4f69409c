#include "soundpack/io/pack_writer.h"

#include "platform/file_system.h"
#include "soundpack/io/wav_file.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace soundpack {

PackWriter::PackWriter(std::filesystem::path treeRoot, std::ostream& progress, size_t plannedFiles)
    : treeRoot_(std::filesystem::absolute(std::move(treeRoot))), progress_(progress),
      plannedFiles_(plannedFiles) {}

std::filesystem::path PackWriter::place(const std::string& systemPath) {
    const std::string full = treeRoot_.string() + "\\" + systemPath;
    const std::filesystem::path resolved = platform::resolvePath(full.c_str());
    std::filesystem::create_directories(resolved.parent_path());
    return resolved;
}

void PackWriter::writeSound(const std::string& systemPath, const Signal& signal) {
    const std::filesystem::path path = place(systemPath);
    writeWav(path, signal);
    char detail[64];
    std::snprintf(detail, sizeof detail, "%6.2f s  %s %5d Hz", signal.seconds(),
                  signal.channels.size() == 2 ? "stereo" : "mono  ", signal.sampleRateHz);
    reportProgress(systemPath, path, detail);
}

void PackWriter::writeBytes(const std::string& systemPath, const std::string& bytes) {
    const std::filesystem::path path = place(systemPath);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
    file.close();
    reportProgress(systemPath, path, std::to_string(bytes.size()) + " bytes");
}

void PackWriter::recordWritten(const std::string& systemPath, const std::string& detail) {
    reportProgress(systemPath, place(systemPath), detail);
}

void PackWriter::reportProgress(const std::string& systemPath, const std::filesystem::path& path,
                                const std::string& detail) {
    ++filesWritten_;
    bytesWritten_ += std::filesystem::file_size(path);
    char counter[32];
    std::snprintf(counter, sizeof counter, "[%3zu/%zu] ", filesWritten_, plannedFiles_);
    progress_ << counter << systemPath << "  " << detail << '\n' << std::flush;
}

} // namespace soundpack
