// The text-entry box a plug-in opens; the user (here: the scenario or a test) answers it.
#pragma once

#include "sdk/VoranthAPI.h"

#include <optional>
#include <string>

namespace vrhost {

struct InputBoxRequest {
    std::string title;
    std::string initialText;
    int visibleLength = 0;
    InputBoxCallback callback = nullptr;
    void* userData = nullptr;
};

class InputBox {
public:
    void open(InputBoxRequest request) { request_ = std::move(request); }
    bool isOpen() const { return request_.has_value(); }
    const std::optional<InputBoxRequest>& request() const { return request_; }
    // Gives the text to the plug-in's callback and closes the box; returns whether the
    // plug-in accepted it (false when no box is open).
    bool answer(const std::string& text);
    void cancel() { request_.reset(); }

private:
    std::optional<InputBoxRequest> request_;
};

} // namespace vrhost
