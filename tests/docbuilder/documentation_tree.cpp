#include "documentation_tree.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace docbuilder::testing {

void writePicture(const std::filesystem::path& path, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3, 0x40);
    std::string file = path.string();
    int written = path.extension() == ".jpg"
                      ? stbi_write_jpg(file.c_str(), width, height, 3, pixels.data(), 90)
                      : stbi_write_png(file.c_str(), width, height, 3, pixels.data(), width * 3);
    if (written == 0) {
        throw std::runtime_error("cannot write picture " + file);
    }
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

DocumentationTree::DocumentationTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "docbuilder-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    base_ = pattern;
    root_ = base_ / "doc" / "Sample Documentation";
    std::filesystem::create_directories(root_.parent_path());
    std::filesystem::copy(DOCBUILDER_FIXTURE_DIR, root_, std::filesystem::copy_options::recursive);
    std::filesystem::remove(root_ / "expected_index.html");
    std::filesystem::create_directories(root_ / "bin" / "img");
    writePicture(root_ / "bin" / "img" / "wave.png", 40, 30);
    writePicture(inputFolder() / "InputBackgroundTitle.jpg", 64, 48);
}

DocumentationTree::~DocumentationTree() {
    std::error_code ignored;
    std::filesystem::remove_all(base_, ignored);
}

std::string DocumentationTree::programFolder() const {
    std::string folder = inputFolder().string() + "/";
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return folder;
}

std::string DocumentationTree::read(const std::filesystem::path& relative) const {
    return readFile(root_ / relative);
}

void DocumentationTree::write(const std::filesystem::path& relative,
                              const std::string& content) const {
    std::ofstream(root_ / relative, std::ios::binary) << content;
}

} // namespace docbuilder::testing
