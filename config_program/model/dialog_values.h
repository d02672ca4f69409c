// What the dialog's controls show of the option record, and the way back with the ranges the
// dialog checks.
#pragma once

#include "shared/option_record.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

namespace tunedesk {

struct SwitchControl {
    int id;
    int32_t OptionRecord::*field;
};

// A whole-number edit field: the volumes edit the low byte of their field.
struct NumberControl {
    int id;
    int32_t OptionRecord::*field;
    int64_t minimum;
    int64_t maximum;
};

std::span<const SwitchControl> switchControls();
// In the order the dialog checks them.
std::span<const NumberControl> numberControls();

// The controls' contents: check states, edit texts and the drop-down's selection (-1: none).
struct DialogValues {
    std::map<int, bool> checks;
    std::map<int, std::string> texts;
    int mp3Selection = -1;
};

DialogValues dialogValuesOf(const OptionRecord& record);

struct ValidationFailure {
    int controlId;
    std::string message;
};

// Reads every control into `record`; on the first field that is not a number or is out of its
// range, returns its message and leaves `record` as it was. The fields without a control keep
// their values; no selection in the drop-down keeps MP3MODE.
std::optional<ValidationFailure> readDialogValues(const DialogValues& values, OptionRecord& record);

// Whether an edit field accepts a typed character: digits, and one decimal point in the
// factor's field.
bool acceptsCharacter(int editId, const std::string& textBefore, char typed);

// Which of the 3D check boxes can be changed.
struct ThreeDEnabling {
    bool projectionCone;
    bool machConeSilence;
    bool rcsPositioning;
};
ThreeDEnabling threeDEnabling(bool allow3dAudio, bool projectionCone);

} // namespace tunedesk
