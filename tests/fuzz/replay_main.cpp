// Runs a fuzz target over the files of its corpus without libFuzzer: the sanitizer build
// replays every seed, so that a crash once found stays fixed.
#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help") {
        std::printf("usage: %s CORPUS_FOLDER_OR_FILE...\n"
                    "Feeds each file to the fuzz target once, in name order.\n",
                    argv[0]);
        return argc < 2 ? 2 : 0;
    }
    std::vector<std::filesystem::path> inputs;
    for (int index = 1; index < argc; ++index) {
        const std::filesystem::path given = argv[index];
        if (std::filesystem::is_directory(given)) {
            for (const auto& entry : std::filesystem::directory_iterator(given)) {
                if (entry.is_regular_file()) {
                    inputs.push_back(std::filesystem::absolute(entry.path()));
                }
            }
        } else if (std::filesystem::is_regular_file(given)) {
            inputs.push_back(std::filesystem::absolute(given));
        } else {
            std::fprintf(stderr, "replay: no such file or folder: %s\n", argv[index]);
            return 2;
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                         std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replay: %zu inputs, no fault\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
