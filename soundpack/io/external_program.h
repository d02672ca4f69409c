// Running the Debian tools the pack is made with (espeak-ng, lame) without a shell, so texts and
// paths need no quoting.
#pragma once

#include <string>
#include <vector>

namespace soundpack {

// Runs `arguments[0]` (searched on PATH) with its standard output discarded and waits for it.
// Throws std::runtime_error when it cannot start or does not exit with status 0.
void runProgram(const std::vector<std::string>& arguments);

// True when `program` is found on PATH.
bool programAvailable(const std::string& program);

} // namespace soundpack
