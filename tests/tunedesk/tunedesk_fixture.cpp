#include "tunedesk_fixture.h"

#include "platform/audio/audio_output.h"
#include "wave_fixture.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

namespace tunedesktest {

std::string recordBytes(const OptionRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

OptionRecord tunedeskDefaults() {
    OptionRecord record;
    fillTunedeskDefaults(record);
    return record;
}

std::string shortWave() {
    return testsupport::waveFile({}, testsupport::pcm16(std::vector<int16_t>(2205, 1000)));
}

void writeWaves(const testsupport::ScratchFolder& tree, const std::vector<std::string>& paths) {
    for (std::string path : paths) {
        std::replace(path.begin(), path.end(), '\\', '/');
        tree.write(path, shortWave());
    }
}

void writeRadioWaves(const testsupport::ScratchFolder& tree, int count) {
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "sound/radio/140.300 STS-134/call %02d.wav", i);
        tree.write(name, shortWave());
    }
}

PreviewTrace::PreviewTrace(std::string path) : path_(std::move(path)) {
    platform::audio::selectOutput(platform::audio::Output::Offline);
    platform::audio::startTrace(path_, [] { return 0.0; });
}

PreviewTrace::~PreviewTrace() {
    platform::audio::stopTrace();
}

namespace {
std::vector<std::vector<std::string>> traceLines(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::vector<std::string>> lines;
    std::string line;
    while (std::getline(file, line)) {
        std::vector<std::string> columns;
        std::stringstream split(line);
        std::string column;
        while (std::getline(split, column, '\t'))
            columns.push_back(column);
        columns.resize(5);
        lines.push_back(columns);
    }
    return lines;
}
} // namespace

std::vector<std::string> PreviewTrace::calls(const std::string& call) const {
    // Buffers are named at creation only: later lines are matched to the name by object.
    std::map<std::string, std::string> names;
    std::vector<std::string> found;
    for (const auto& columns : traceLines(path_)) {
        if (!columns[4].empty())
            names[columns[1]] = columns[4];
        if (columns[2] == call)
            found.push_back(names[columns[1]] + "\t" + columns[3]);
    }
    return found;
}

std::vector<std::string> PreviewTrace::played() const {
    std::vector<std::string> names;
    for (const std::string& call : calls("Play"))
        names.push_back(call.substr(0, call.find('\t')));
    return names;
}

} // namespace tunedesktest
