// Markup errors: counted, shown in the page where they occur and printed on the console.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace docbuilder {

class ErrorReport {
public:
    explicit ErrorReport(std::ostream& console) : console_(console) {}

    // From here on errors are also written into `page`, at its current end.
    void writeInto(std::string& page) { page_ = &page; }

    // `text` is the offending input; empty when the message says it all.
    void report(std::string_view message, std::string_view text = {});

    int count() const { return count_; }

private:
    std::ostream& console_;
    std::string* page_ = nullptr;
    int count_ = 0;
};

} // namespace docbuilder
