#include "platform/audio/core/trace.h"

#include "platform/audio/audio_output.h"

#include <cstdio>
#include <memory>

namespace platform::audio {

namespace {
struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

struct Trace {
    std::unique_ptr<FILE, FileCloser> file;
    std::function<double()> simulatedSeconds;
};

Trace& trace() {
    static Trace theTrace;
    return theTrace;
}

int buffersCreated = 0;
} // namespace

std::string newBufferObjectName() {
    return "buffer" + std::to_string(++buffersCreated);
}

bool traceEnabled() {
    return trace().file != nullptr;
}

void traceCall(const std::string& object, const char* call, const std::string& arguments,
               const std::string& bufferName) {
    Trace& theTrace = trace();
    if (!theTrace.file)
        return;
    std::fprintf(theTrace.file.get(), "%.3f\t%s\t%s\t%s\t%s\n", theTrace.simulatedSeconds(),
                 object.c_str(), call, arguments.c_str(), bufferName.c_str());
    // Each line reaches the file as its call happens: a program ended from outside leaves a
    // complete trace.
    std::fflush(theTrace.file.get());
}

bool startTrace(const std::string& path, std::function<double()> simulatedSeconds) {
    stopTrace();
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "w"));
    if (!file || !simulatedSeconds)
        return false;
    trace() = {std::move(file), std::move(simulatedSeconds)};
    return true;
}

void stopTrace() {
    trace() = {};
}

} // namespace platform::audio
