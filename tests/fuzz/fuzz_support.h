// What every fuzz target shares: the entry point libFuzzer calls (the corpus replayer calls it
// too) and a private simulator folder for the files a parser reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fuzzsupport {

// Makes a fresh temporary folder the current one, once per process; every system path then
// resolves inside it.
void enterScratchSimulatorFolder();

// The scratch folder with a trailing slash, as the plug-in's simulator folder is given.
std::string scratchSimulatorFolder();

// Writes the bytes at a relative path of the scratch folder ("Sound/Cfg/Zephyrin3.cfg"),
// creating its folders.
void writeScratchFile(const std::string& relativePath, const uint8_t* data, size_t size);
void writeScratchFile(const std::string& relativePath, const std::string& text);

// The input cut at its line ends (or NUL characters), each piece at most `longest` bytes.
std::vector<std::string> linesOf(const uint8_t* data, size_t size, size_t longest);

} // namespace fuzzsupport
