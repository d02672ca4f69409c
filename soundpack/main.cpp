// soundpack_generator: writes Zephyrin's default sound pack into a simulator tree.
#include "soundpack/io/external_program.h"
#include "soundpack/io/pack_writer.h"
#include "soundpack/pack_design.h"
#include "soundpack/pack_generation.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

constexpr const char* usage =
    "Usage: soundpack_generator --tree <Voranth folder>\n"
    "       soundpack_generator --list\n"
    "\n"
    "Synthesizes Zephyrin's default sound pack and writes it into the Sound folder of the\n"
    "simulator tree: engines, jets, wind, ground and cockpit sounds, altitude callouts and radio\n"
    "calls (spoken by espeak-ng), planet wind and base ambiences, ATC chatter folders and two\n"
    "music tracks (encoded by lame). The result is the same, byte for byte, on every run.\n"
    "\n"
    "  --tree <folder>  the simulator's root folder; its Sound folder receives the pack\n"
    "  --list           print the sound-design table (file and what it is) and exit\n"
    "  --help           this text\n";

// The temporary folder for speech and encoder files, removed however the run ends.
class WorkFolder {
public:
    WorkFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zephyrin-soundpack-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder in " +
                                     std::filesystem::temp_directory_path().string());
        }
        path_ = pattern;
    }
    ~WorkFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void listDesign(const soundpack::PackDesign& design) {
    for (const auto& sound : design.sounds) {
        std::cout << sound.systemPath << "\t" << sound.what << "\n";
    }
    for (const auto& program : design.radioPrograms) {
        for (const auto& wave : program.waves) {
            std::cout << program.folder << "\\" << wave.systemPath << "\t" << wave.what << "\n";
        }
        std::cout << program.folder << "\\Sequential.cfg\ttimed program of the folder\n";
    }
    for (const auto& track : design.music) {
        std::cout << track.systemPath << "\t" << track.what << "\n";
    }
    for (const auto& text : design.texts) {
        std::cout << text.systemPath << "\t" << text.what << "\n";
    }
}

int generate(const std::filesystem::path& tree) {
    if (!std::filesystem::is_directory(tree)) {
        std::cerr << "soundpack_generator: the tree folder " << tree << " does not exist\n";
        return 2;
    }
    for (const char* tool : {"espeak-ng", "lame"}) {
        if (!soundpack::programAvailable(tool)) {
            std::cerr << "soundpack_generator: " << tool
                      << " is not installed (run scripts/install-deps)\n";
            return 1;
        }
    }
    const auto started = std::chrono::steady_clock::now();
    const soundpack::PackDesign design = soundpack::defaultPackDesign();
    WorkFolder work;
    soundpack::SpeechSynthesizer speech(work.path());
    soundpack::Studio studio{speech, work.path()};
    soundpack::PackWriter writer(tree, std::cout, design.fileCount());
    soundpack::generatePack(design, studio, writer);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    std::printf("Sound pack: %zu files, %.1f MB, in %.1f s\n", writer.filesWritten(),
                writer.bytesWritten() / 1e6, elapsed.count());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::filesystem::path tree;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << usage;
            return 0;
        }
        if (argument == "--list") {
            listDesign(soundpack::defaultPackDesign());
            return 0;
        }
        if (argument == "--tree" && i + 1 < argc) {
            tree = argv[++i];
            continue;
        }
        std::cerr << "soundpack_generator: unknown or incomplete argument '" << argument << "'\n\n"
                  << usage;
        return 2;
    }
    if (tree.empty()) {
        std::cerr << "soundpack_generator: --tree is required\n\n" << usage;
        return 2;
    }
    try {
        return generate(tree);
    } catch (const std::exception& error) {
        std::cerr << "soundpack_generator: " << error.what() << "\n";
        return 1;
    }
}
