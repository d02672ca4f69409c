// Reads scenario files (*.vrs); the format is described in the README ("Scenario format").
#pragma once

#include "host/scenario.h"

#include <stdexcept>
#include <string>

namespace vrhost {

// A fault in a scenario, told as "file:line: message".
class ScenarioError : public std::runtime_error {
public:
    ScenarioError(const std::string& fileName, int line, const std::string& message)
        : std::runtime_error(fileName + ":" + std::to_string(line) + ": " + message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// `fileName` names the text in messages.
Scenario parseScenario(const std::string& text, const std::string& fileName);
// Reads and parses a file; a file that cannot be read is a ScenarioError at line 0.
Scenario loadScenario(const std::string& path);

// The virtual key a scenario names ("SPACE", "R", "F1", "0x41"); -1 for none.
int virtualKeyNamed(const std::string& name);
// The name a scenario gives a virtual key ("SPACE", "R", "F1"), else its code ("0x5B").
std::string virtualKeyName(int key);

} // namespace vrhost
