#include "host/mfd_picture.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vrhost {

namespace {

constexpr const char* fontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int channels = 3;

struct LoadedFont {
    std::vector<unsigned char> bytes;
    stbtt_fontinfo info{};
    bool ready = false;
};

const LoadedFont& pageFont() {
    static LoadedFont font = [] {
        LoadedFont loaded;
        std::ifstream file(fontFile, std::ios::binary);
        loaded.bytes.assign(std::istreambuf_iterator<char>(file), {});
        loaded.ready = !loaded.bytes.empty() &&
                       stbtt_InitFont(&loaded.info, loaded.bytes.data(),
                                      stbtt_GetFontOffsetForIndex(loaded.bytes.data(), 0)) != 0;
        return loaded;
    }();
    return font;
}

void drawText(std::vector<unsigned char>& canvas, int width, int height, const DrawnText& text,
              const stbtt_fontinfo& font) {
    float scale = stbtt_ScaleForPixelHeight(&font, static_cast<float>(text.fontHeight));
    int ascent = 0;
    int descent = 0;
    int lineGap = 0;
    stbtt_GetFontVMetrics(&font, &ascent, &descent, &lineGap);
    int baseline = text.fromBaseline ? text.y : text.y + static_cast<int>(ascent * scale);
    const unsigned char colour[channels] = {static_cast<unsigned char>(text.colour & 0xFF),
                                            static_cast<unsigned char>((text.colour >> 8) & 0xFF),
                                            static_cast<unsigned char>((text.colour >> 16) & 0xFF)};
    float pen = static_cast<float>(text.x);
    for (size_t index = 0; index < text.text.size(); ++index) {
        int codepoint = static_cast<unsigned char>(text.text[index]);
        int advance = 0;
        int bearing = 0;
        stbtt_GetCodepointHMetrics(&font, codepoint, &advance, &bearing);
        int glyphWidth = 0;
        int glyphHeight = 0;
        int offsetX = 0;
        int offsetY = 0;
        unsigned char* glyph = stbtt_GetCodepointBitmap(&font, scale, scale, codepoint, &glyphWidth,
                                                        &glyphHeight, &offsetX, &offsetY);
        int left = static_cast<int>(pen) + offsetX;
        for (int row = 0; row < glyphHeight; ++row) {
            for (int column = 0; column < glyphWidth; ++column) {
                int px = left + column;
                int py = baseline + offsetY + row;
                if (px < 0 || py < 0 || px >= width || py >= height) {
                    continue;
                }
                unsigned coverage = glyph[row * glyphWidth + column];
                unsigned char* pixel = &canvas[(static_cast<size_t>(py) * width + px) * channels];
                for (int c = 0; c < channels; ++c) {
                    pixel[c] = static_cast<unsigned char>(
                        (pixel[c] * (255 - coverage) + colour[c] * coverage) / 255);
                }
            }
        }
        stbtt_FreeBitmap(glyph, nullptr);
        pen += advance * scale;
        if (index + 1 < text.text.size()) {
            pen += scale * stbtt_GetCodepointKernAdvance(
                               &font, codepoint, static_cast<unsigned char>(text.text[index + 1]));
        }
    }
}

} // namespace

bool writeMfdPicture(const std::string& path, int width, int height,
                     const std::vector<DrawnText>& texts, std::string& error) {
    const LoadedFont& font = pageFont();
    if (!font.ready) {
        error = std::string("no font in ") + fontFile + " (Debian package fonts-dejavu-core)";
        return false;
    }
    if (width <= 0 || height <= 0) {
        error = "an MFD without pixels";
        return false;
    }
    std::vector<unsigned char> canvas(static_cast<size_t>(width) * height * channels, 0);
    for (const DrawnText& text : texts) {
        drawText(canvas, width, height, text, font.info);
    }
    if (stbi_write_png(path.c_str(), width, height, channels, canvas.data(), width * channels) ==
        0) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace vrhost
