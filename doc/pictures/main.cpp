// docpictures: draws the pictures of the manual (smileys, bullets, backgrounds and figures)
// into a documentation tree, where docbuilder's page links and measures them.
#include "doc/pictures/gif_file.h"
#include "doc/pictures/page_pictures.h"
#include "doc/pictures/smiley_pictures.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string_view>

namespace {

constexpr const char* usage =
    "Usage: docpictures ROOT\n"
    "\n"
    "Draws the manual's pictures below the documentation root ROOT (the folder that\n"
    "receives index.html):\n"
    "  ROOT/bin/bin/smiley/  the smileys and bullets of the markup (GIF, JPEG)\n"
    "  ROOT/bin/input/       the title and chapter backgrounds (JPEG)\n"
    "  ROOT/bin/img/         the figures the chapters show (PNG)\n";

constexpr int jpegQuality = 92;

void writePicture(const docpictures::NamedPicture& picture, const std::filesystem::path& folder) {
    std::filesystem::path path = folder / picture.fileName;
    std::string file = path.string();
    const docpictures::Canvas& canvas = picture.canvas;
    std::string extension = path.extension().string();
    if (extension == ".gif") {
        docpictures::writeGif(canvas, file);
        return;
    }
    int written = extension == ".jpg"
                      ? stbi_write_jpg(file.c_str(), canvas.width(), canvas.height(), 3,
                                       canvas.rgb().data(), jpegQuality)
                      : stbi_write_png(file.c_str(), canvas.width(), canvas.height(), 3,
                                       canvas.rgb().data(), canvas.width() * 3);
    if (written == 0) {
        throw std::runtime_error("cannot write " + file);
    }
}

void writeAll(const std::vector<docpictures::NamedPicture>& pictures,
              const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const docpictures::NamedPicture& picture : pictures) {
        writePicture(picture, folder);
    }
    std::cout << "docpictures: " << pictures.size() << " pictures in " << folder.string() << "\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "docpictures: give the documentation root (see docpictures --help)\n";
        return 2;
    }
    std::string_view argument = argv[1];
    if (argument == "--help" || argument == "-h") {
        std::cout << usage;
        return 0;
    }
    std::filesystem::path root(argument);
    try {
        writeAll(docpictures::smileyPictures(), root / "bin" / "bin" / "smiley");
        writeAll(docpictures::bulletPictures(), root / "bin" / "bin" / "smiley");
        writeAll(docpictures::backgroundPictures(), root / "bin" / "input");
        writeAll(docpictures::figurePictures(), root / "bin" / "img");
    } catch (const std::exception& failure) {
        std::cerr << "docpictures: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
