// A simulator tree for Tunedesk in a scratch folder: option files, preview waves, the radio test
// folder, and the trace of what the previews played.
#pragma once

#include "scratch_folder.h"
#include "shared/option_record.h"

#include <string>
#include <vector>

namespace tunedesktest {

std::string recordBytes(const OptionRecord& record);
OptionRecord tunedeskDefaults();

// A short 16-bit mono wave.
std::string shortWave();

// Writes a short wave at each system path ("sound\vessel\mainext.wav" becomes
// sound/vessel/mainext.wav).
void writeWaves(const testsupport::ScratchFolder& tree, const std::vector<std::string>& paths);
// `count` waves in the radio test folder.
void writeRadioWaves(const testsupport::ScratchFolder& tree, int count);

// The previews play to the offline output while a trace records each call.
class PreviewTrace {
public:
    explicit PreviewTrace(std::string path);
    ~PreviewTrace();
    // The lines of the trace whose call is `call` ("Play", "SetVolume", ...), as
    // "<buffer name>\t<arguments>".
    std::vector<std::string> calls(const std::string& call) const;
    // The names of the buffers played, in order.
    std::vector<std::string> played() const;

private:
    std::string path_;
};

} // namespace tunedesktest
