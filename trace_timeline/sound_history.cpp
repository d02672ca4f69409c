#include "trace_timeline/sound_history.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

namespace trace_timeline {

namespace {
// DirectSound's values, as the trace writes them.
constexpr unsigned primaryBufferFlag = 0x00000001;
constexpr unsigned control3DFlag = 0x00000010;
constexpr unsigned loopingPlayFlag = 0x00000001;
constexpr int headRelativeMode = 1;
constexpr int disabled3DMode = 2;
constexpr double millibelsPerDecibel = 100.0;

// Changes smaller than these are not drawn: a frame-by-frame follow of the throttle would
// otherwise give thousands of points that no eye tells apart.
constexpr double volumeStepDb = 0.5;
constexpr double relativeStep = 0.02;

struct Vector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

double distanceBetween(const Vector& a, const Vector& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                     (a.z - b.z) * (a.z - b.z));
}

struct BufferState {
    std::string sound;
    bool is3D = false;
    double frames = 0.0;
    double blockAlign = 1.0;
    double rateHz = 0.0;
    double volumeDb = 0.0;
    double frequencyHz = 0.0;
    Vector position;
    int mode = 0;
    std::optional<size_t> play; // while it plays: its entry in the history
    double positionFrames = 0.0;
    double settledTime = 0.0;
};

bool readVector(const std::string& x, const std::string& y, const std::string& z, Vector& vector) {
    return readNumber(x, vector.x) && readNumber(y, vector.y) && readNumber(z, vector.z);
}

// "position=(1,2,3) ..." of a SetAllParameters description.
bool readPositionField(const std::string& description, Vector& vector) {
    size_t start = description.find("position=(");
    if (start == std::string::npos) {
        return false;
    }
    return std::sscanf(description.c_str() + start, "position=(%lf,%lf,%lf)", &vector.x, &vector.y,
                       &vector.z) == 3;
}

std::optional<int> readModeField(const std::string& description) {
    size_t start = description.find("mode=");
    int mode = 0;
    if (start == std::string::npos ||
        std::sscanf(description.c_str() + start, "mode=%d", &mode) != 1) {
        return std::nullopt;
    }
    return mode;
}

void addSample(std::vector<Sample>& samples, double time, double value, bool noticeable) {
    if (samples.empty() || noticeable) {
        samples.push_back({time, value});
    }
}

bool relativelyDifferent(double a, double b) {
    return std::fabs(a - b) > relativeStep * std::max(std::fabs(b), 1.0);
}

class HistoryBuilder {
public:
    explicit HistoryBuilder(SoundHistory& history) : history_(history) {}

    void apply(const TraceCall& call) {
        if (call.object == "listener") {
            applyToListener(call);
            return;
        }
        if (call.object.rfind("buffer", 0) != 0) {
            return;
        }
        if (call.method == "CreateSoundBuffer") {
            create(call);
            return;
        }
        auto found = buffers_.find(call.object);
        if (found == buffers_.end()) {
            if (!primaries_.count(call.object) && reportedUnknown_.insert(call.object).second) {
                history_.problems.push_back(call.object + " is used before its CreateSoundBuffer");
            }
            return;
        }
        applyToBuffer(found->second, call);
        if (call.method == "Release") {
            buffers_.erase(found);
        }
    }

    void finish(double flightEnd) {
        for (auto& [object, buffer] : buffers_) {
            settle(buffer, flightEnd);
            end(buffer, std::max(flightEnd, buffer.settledTime), PlayEnd::FlightEnded);
        }
    }

private:
    void create(const TraceCall& call) {
        unsigned flags = 0;
        unsigned long bytes = 0;
        unsigned channels = 0, rate = 0, bits = 0;
        if (std::sscanf(call.arguments.c_str(), "flags=0x%x bytes=%lu format=%uch/%uHz/%ubit",
                        &flags, &bytes, &channels, &rate, &bits) != 5 &&
            !(flags & primaryBufferFlag)) {
            history_.problems.push_back(call.object + ": unreadable buffer description '" +
                                        call.arguments + "'");
            return;
        }
        if (flags & primaryBufferFlag) {
            primaries_.insert(call.object);
            return;
        }
        if (channels == 0 || channels > 8 || bits == 0 || bits > 32 || bits % 8 != 0 || rate == 0) {
            history_.problems.push_back(call.object + ": impossible format in '" + call.arguments +
                                        "'");
            return;
        }
        BufferState buffer;
        buffer.sound = call.sound.empty() ? call.object : call.sound;
        buffer.is3D = (flags & control3DFlag) != 0;
        buffer.blockAlign = channels * bits / 8.0;
        buffer.frames = double(bytes) / buffer.blockAlign;
        buffer.rateHz = rate;
        buffer.frequencyHz = rate;
        buffer.settledTime = call.time;
        buffers_[call.object] = buffer;
    }

    void applyToListener(const TraceCall& call) {
        std::vector<std::string> arguments = splitArguments(call.arguments);
        Vector position;
        bool moved =
            (call.method == "SetPosition" && arguments.size() == 4 &&
             readVector(arguments[0], arguments[1], arguments[2], position)) ||
            (call.method == "SetAllParameters" && readPositionField(call.arguments, position));
        if (!moved) {
            return;
        }
        listener_ = position;
        for (auto& [object, buffer] : buffers_) {
            followDistance(buffer, call.time);
        }
    }

    // Deferred 3D settings are taken at their call: the plug-in commits them in the same frame.
    void applyToBuffer(BufferState& buffer, const TraceCall& call) {
        settle(buffer, call.time);
        std::vector<std::string> arguments = splitArguments(call.arguments);
        double number = 0.0;
        const std::string& method = call.method;
        if (method == "Play" && arguments.size() == 3) {
            unsigned long flags = std::strtoul(arguments[2].c_str(), nullptr, 16);
            start(buffer, call, (flags & loopingPlayFlag) != 0);
        } else if (method == "Stop") {
            end(buffer, call.time, PlayEnd::Stopped);
        } else if (method == "Release") {
            end(buffer, call.time, PlayEnd::Released);
        } else if (method == "SetCurrentPosition" && arguments.size() == 1 &&
                   readNumber(arguments[0], number) && number >= 0.0) {
            buffer.positionFrames = std::min(number / buffer.blockAlign, buffer.frames);
        } else if (method == "SetVolume" && arguments.size() == 1 &&
                   readNumber(arguments[0], number)) {
            buffer.volumeDb = number / millibelsPerDecibel;
            if (buffer.play) {
                std::vector<Sample>& volume = history_.plays[*buffer.play].volumeDb;
                addSample(volume, call.time, buffer.volumeDb,
                          std::fabs(volume.back().value - buffer.volumeDb) >= volumeStepDb);
            }
        } else if (method == "SetFrequency" && arguments.size() == 1 &&
                   readNumber(arguments[0], number) && number >= 0.0) {
            buffer.frequencyHz = number == 0.0 ? buffer.rateHz : number; // 0: the file's own
            if (buffer.play) {
                std::vector<Sample>& frequency = history_.plays[*buffer.play].frequencyHz;
                addSample(frequency, call.time, buffer.frequencyHz,
                          relativelyDifferent(buffer.frequencyHz, frequency.back().value));
            }
        } else if (method == "SetPosition" && arguments.size() == 4) {
            readVector(arguments[0], arguments[1], arguments[2], buffer.position);
            followDistance(buffer, call.time);
        } else if (method == "SetMode" && arguments.size() == 2 &&
                   readNumber(arguments[0], number)) {
            buffer.mode = int(number);
            followDistance(buffer, call.time);
        } else if (method == "SetAllParameters") {
            readPositionField(call.arguments, buffer.position);
            buffer.mode = readModeField(call.arguments).value_or(buffer.mode);
            followDistance(buffer, call.time);
        }
    }

    std::optional<double> distanceOf(const BufferState& buffer) const {
        if (!buffer.is3D || buffer.mode == disabled3DMode) {
            return std::nullopt;
        }
        return buffer.mode == headRelativeMode ? distanceBetween(buffer.position, {})
                                               : distanceBetween(buffer.position, listener_);
    }

    void followDistance(BufferState& buffer, double time) {
        std::optional<double> distance = distanceOf(buffer);
        if (!buffer.play || !distance) {
            return;
        }
        std::vector<Sample>& distances = history_.plays[*buffer.play].distanceM;
        addSample(distances, time, *distance,
                  !distances.empty() && relativelyDifferent(*distance, distances.back().value));
    }

    void start(BufferState& buffer, const TraceCall& call, bool looping) {
        if (buffer.play) { // Play on a playing buffer changes only its looping
            history_.plays[*buffer.play].looping = looping;
            return;
        }
        buffer.play = history_.plays.size();
        Play& play = history_.plays.emplace_back();
        play.sound = buffer.sound;
        play.buffer = call.object;
        play.start = call.time;
        play.end = call.time;
        play.looping = looping;
        play.fileRateHz = buffer.rateHz;
        play.volumeDb.push_back({call.time, buffer.volumeDb});
        play.frequencyHz.push_back({call.time, buffer.frequencyHz});
        followDistance(buffer, call.time);
    }

    void end(BufferState& buffer, double time, PlayEnd ending) {
        if (!buffer.play) {
            return;
        }
        Play& play = history_.plays[*buffer.play];
        play.end = time;
        play.ending = ending;
        buffer.play.reset();
    }

    // Moves the play position of a playing buffer up to `time`; a one-shot that ran out of
    // samples before then ended where it did.
    void settle(BufferState& buffer, double time) {
        double elapsed = std::max(0.0, time - buffer.settledTime);
        double before = buffer.settledTime;
        buffer.settledTime = std::max(time, buffer.settledTime);
        if (!buffer.play || buffer.frames <= 0.0) {
            return;
        }
        double advanced = buffer.positionFrames + elapsed * buffer.frequencyHz;
        if (history_.plays[*buffer.play].looping) {
            buffer.positionFrames = std::fmod(advanced, buffer.frames);
        } else if (advanced >= buffer.frames) {
            double left = (buffer.frames - buffer.positionFrames) / buffer.frequencyHz;
            buffer.positionFrames = 0.0;
            end(buffer, before + left, PlayEnd::Ended);
        } else {
            buffer.positionFrames = advanced;
        }
    }

    SoundHistory& history_;
    std::map<std::string, BufferState> buffers_;
    std::set<std::string> primaries_;
    std::set<std::string> reportedUnknown_;
    Vector listener_;
};
} // namespace

const char* playEndName(PlayEnd end) {
    switch (end) {
    case PlayEnd::Stopped:
        return "stopped";
    case PlayEnd::Released:
        return "released";
    case PlayEnd::Ended:
        return "ended";
    case PlayEnd::FlightEnded:
        break;
    }
    return "flight ended";
}

SoundHistory soundHistory(const Trace& trace, double flightEnd) {
    SoundHistory history;
    HistoryBuilder builder(history);
    for (const TraceCall& call : trace.calls) {
        builder.apply(call);
    }
    double lastCall = trace.calls.empty() ? 0.0 : trace.calls.back().time;
    builder.finish(std::max(flightEnd, lastCall));
    return history;
}

} // namespace trace_timeline
