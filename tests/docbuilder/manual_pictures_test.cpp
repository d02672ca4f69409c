// The pictures the manual's build draws: GIFs that a picture loader reads back pixel for pixel,
// and one picture for every smiley and bullet the markup links.
#include "doc/pictures/gif_file.h"
#include "doc/pictures/smiley_pictures.h"
#include "documentation_tree.h"

#include "docbuilder/smileys.h"

#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <algorithm>
#include <regex>

namespace docbuilder::testing {
namespace {

using docpictures::Canvas;
using docpictures::Colour;

class DocpicturesGif : public ::testing::Test {
protected:
    // The canvas as a loader reads the file: red, green, blue and alpha per pixel.
    std::vector<stbi_uc> readBack(const Canvas& canvas) {
        std::string path = (tree.root() / "picture.gif").string();
        docpictures::writeGif(canvas, path);
        int width = 0;
        int height = 0;
        int channels = 0;
        stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &channels, 4);
        if (pixels == nullptr || width != canvas.width() || height != canvas.height()) {
            stbi_image_free(pixels);
            return {};
        }
        std::vector<stbi_uc> rgba(pixels, pixels + static_cast<size_t>(width) * height * 4);
        stbi_image_free(pixels);
        return rgba;
    }

    DocumentationTree tree;
};

// Large enough for many clear codes and data sub-blocks, with the fullest palette; the
// background is transparent.
TEST_F(DocpicturesGif, ReadsBackPixelForPixel) {
    Canvas canvas(61, 37, {255, 255, 255});
    std::vector<stbi_uc> expected;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            int entry = (x * 7 + y * 3) % 128;
            Colour colour = entry == 127 ? canvas.background()
                                         : Colour{static_cast<std::uint8_t>(entry * 2), 100,
                                                  static_cast<std::uint8_t>(255 - entry)};
            canvas.set(x, y, colour);
            bool transparent = colour == canvas.background();
            expected.insert(expected.end(), {transparent ? stbi_uc{0} : colour.red,
                                             transparent ? stbi_uc{0} : colour.green,
                                             transparent ? stbi_uc{0} : colour.blue,
                                             transparent ? stbi_uc{0} : stbi_uc{255}});
        }
    }
    EXPECT_EQ(readBack(canvas), expected);
}

TEST_F(DocpicturesGif, RefusesMoreColoursThanThePaletteHolds) {
    Canvas canvas(200, 1, {0, 0, 0});
    for (int x = 0; x < canvas.width(); ++x) {
        canvas.set(x, 0, {static_cast<std::uint8_t>(x), 0, 0});
    }
    EXPECT_THROW(docpictures::writeGif(canvas, (tree.root() / "x.gif").string()),
                 std::runtime_error);
}

TEST(DocpicturesSmileys, EveryLinkedPictureIsDrawn) {
    std::vector<std::string> drawn;
    for (const auto& picture : docpictures::smileyPictures()) {
        drawn.push_back(picture.fileName);
    }
    for (const auto& picture : docpictures::bulletPictures()) {
        drawn.push_back(picture.fileName);
    }
    std::string line = ":gift: :) :badsmile: :sick: :rant: :damn: :wall: :sad: :beer: :friend: "
                       ":wor: :teacher: :( :worry: :arg: :music: :bug: :love: :wonder: :zen:";
    convertSmileys(line);
    std::string bullets = ":bulletb: :bulletp: :bullety: :bulletr: :bulletg: :bulletblk: "
                          ":bulletsqr:";
    convertBullets(bullets);
    std::string links = line + bullets;

    std::regex linkedFile("smiley/([a-z0-9]+\\.(gif|jpg))");
    int linked = 0;
    for (auto match = std::sregex_iterator(links.begin(), links.end(), linkedFile);
         match != std::sregex_iterator(); ++match, ++linked) {
        EXPECT_NE(std::find(drawn.begin(), drawn.end(), (*match)[1].str()), drawn.end())
            << (*match)[1].str();
    }
    EXPECT_EQ(linked, 27);
}

} // namespace
} // namespace docbuilder::testing
