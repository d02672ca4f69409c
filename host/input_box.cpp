#include "host/input_box.h"

#include <vector>

namespace vrhost {

bool InputBox::answer(const std::string& text) {
    if (!request_) {
        return false;
    }
    InputBoxRequest request = std::move(*request_);
    request_.reset();
    if (request.callback == nullptr) {
        return false;
    }
    // The callback gets a writable copy, as the box's own edit buffer.
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    return request.callback(&request, buffer.data(), request.userData);
}

} // namespace vrhost
