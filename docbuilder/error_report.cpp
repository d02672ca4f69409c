#include "docbuilder/error_report.h"

namespace docbuilder {

void ErrorReport::report(std::string_view message, std::string_view text) {
    ++count_;
    std::string shown(message);
    if (!text.empty()) {
        shown += ' ';
        shown += text;
    }
    if (page_ != nullptr) {
        *page_ += "<br clear=all><div style=\"background-color:black;color:red;display:block;"
                  "height:20px;padding:5px;\">";
        *page_ += shown;
        *page_ += "</div><br clear=all>";
    }
    console_ << "\n----------------------------\n" << shown << "\n-----------------------------\n";
}

} // namespace docbuilder
