#include "platform/audio/fake/fake_record.h"

#include "platform/audio/core/call_text.h"
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/sound_buffer_name.h"

#include <stdexcept>
#include <utility>

namespace platform::audio::fake {

namespace {
struct ActiveFailure {
    Failure rule;
    int matchingCalls = 0;
};

struct Record {
    std::vector<Call> calls;
    std::vector<ActiveFailure> failures;
    std::vector<std::shared_ptr<BufferState>> buffers;
    std::shared_ptr<DeviceState> device = std::make_shared<DeviceState>();
    DSCAPS capabilities = softwareMixingCapabilities();
    DWORD speakerConfig = DSSPEAKER_COMBINED(DSSPEAKER_STEREO, DSSPEAKER_GEOMETRY_WIDE);
};

Record& record() {
    static Record theRecord;
    return theRecord;
}

thread_local std::string nextBufferName;

bool matches(const Failure& rule, const Call& call, DWORD descriptionFlags,
             const IID* interfaceId) {
    return rule.method == call.method && (rule.object.empty() || rule.object == call.object) &&
           (descriptionFlags & rule.withFlags) == rule.withFlags &&
           (rule.interfaceId == nullptr ||
            (interfaceId != nullptr && *rule.interfaceId == *interfaceId));
}
} // namespace

std::string Call::text() const {
    return (object.empty() ? "" : object + ".") + method + "(" + arguments + ")";
}

std::optional<HRESULT> enter(std::string object, std::string method, std::string arguments,
                             DWORD descriptionFlags, const IID* interfaceId) {
    Record& theRecord = record();
    theRecord.calls.push_back({std::move(object), std::move(method), std::move(arguments)});
    const Call& call = theRecord.calls.back();
    std::optional<HRESULT> scripted;
    for (ActiveFailure& failure : theRecord.failures) {
        if (!matches(failure.rule, call, descriptionFlags, interfaceId))
            continue;
        const int nth = ++failure.matchingCalls;
        const Failure& rule = failure.rule;
        const bool fires =
            nth >= rule.firstCall && (rule.callCount == 0 || nth < rule.firstCall + rule.callCount);
        if (fires && !scripted)
            scripted = rule.code;
    }
    return scripted;
}

std::shared_ptr<DeviceState> startDevice() {
    record().device = std::make_shared<DeviceState>();
    return record().device;
}

std::shared_ptr<BufferState> addBuffer(std::string name) {
    auto state = std::make_shared<BufferState>();
    record().buffers.push_back(state);
    state->id = int(record().buffers.size());
    state->name = std::move(name);
    return state;
}

DWORD speakerConfig() {
    return record().speakerConfig;
}

std::string takeNextBufferName() {
    return std::exchange(nextBufferName, {});
}

void reset() {
    record() = Record{};
}

const std::vector<Call>& calls() {
    return record().calls;
}

std::vector<std::string> callTexts(const std::string& method) {
    std::vector<std::string> texts;
    for (const Call& call : record().calls) {
        if (method.empty() || call.method == method)
            texts.push_back(call.text());
    }
    return texts;
}

void addFailure(Failure failure) {
    record().failures.push_back({std::move(failure)});
}

DSCAPS& capabilities() {
    return record().capabilities;
}

void setSpeakerConfig(DWORD config) {
    record().speakerConfig = config;
}

void setBufferLost(int bufferId) {
    const BufferState& state = buffer(bufferId);
    record().buffers[size_t(state.id - 1)]->lost = true;
}

int bufferCount() {
    return int(record().buffers.size());
}

const BufferState& buffer(int bufferId) {
    if (bufferId < 1 || bufferId > bufferCount())
        throw std::out_of_range("no fake sound buffer " + std::to_string(bufferId));
    return *record().buffers[size_t(bufferId - 1)];
}

const DeviceState& device() {
    return *record().device;
}

} // namespace platform::audio::fake

void platform::audio::nameNextSoundBuffer(const char* name) {
    fake::enter("", "nameNextSoundBuffer", describe(name));
    fake::nextBufferName = name ? name : "";
}
