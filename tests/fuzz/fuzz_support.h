// What every fuzz target shares: the entry point libFuzzer calls (the corpus replayer calls it
// too) and a private simulator folder for the files a parser reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fuzzsupport {

// Makes a fresh temporary folder the current one, once per process; every system path then
// resolves inside it.
void enterScratchSimulatorFolder();

// Writes the bytes at a relative path of the scratch folder ("Sound/Cfg/Zephyrin3.cfg"),
// creating its folders.
void writeScratchFile(const std::string& relativePath, const uint8_t* data, size_t size);

} // namespace fuzzsupport
