// A copy of the sample documentation tree in a fresh temporary folder, with its pictures. The
// folder stands for a simulator tree: the documentation root is its "doc\Sample Documentation".
#pragma once

#include <filesystem>
#include <string>

namespace docbuilder::testing {

class DocumentationTree {
public:
    DocumentationTree(); // copies the fixture and draws its pictures
    ~DocumentationTree();
    DocumentationTree(const DocumentationTree&) = delete;
    DocumentationTree& operator=(const DocumentationTree&) = delete;

    const std::filesystem::path& simulatorRoot() const { return base_; }
    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path inputFolder() const { return root_ / "bin" / "input"; }

    // The input folder as the program sees its own folder: backslashes, trailing separator.
    std::string programFolder() const;

    std::string read(const std::filesystem::path& relative) const;
    void write(const std::filesystem::path& relative, const std::string& content) const;

private:
    std::filesystem::path base_;
    std::filesystem::path root_;
};

// A picture of the given size in any format the loader reads, chosen by the extension.
void writePicture(const std::filesystem::path& path, int width, int height);

std::string readFile(const std::filesystem::path& path);

} // namespace docbuilder::testing
