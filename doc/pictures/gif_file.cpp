#include "doc/pictures/gif_file.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace docpictures {

namespace {

// A 128-entry palette makes every LZW code exactly 8 bits wide as long as the code table is
// cleared before it grows past 8 bits: each pixel is then written as its own code, one byte,
// which needs no compressor and every decoder reads.
constexpr int paletteBits = 7;
constexpr int paletteSize = 1 << paletteBits;
constexpr std::uint8_t clearCode = paletteSize;
constexpr std::uint8_t endCode = paletteSize + 1;
// The decoder adds a table entry for each code after the first; at 126 entries it would widen
// its codes, so a clear code comes well before.
constexpr int pixelsPerClear = 100;
constexpr size_t largestSubBlock = 255;

class ByteWriter {
public:
    void byte(std::uint8_t value) { bytes_.push_back(value); }
    void word(int value) {
        byte(static_cast<std::uint8_t>(value & 0xff));
        byte(static_cast<std::uint8_t>((value >> 8) & 0xff));
    }
    void text(const char* characters) {
        while (*characters != '\0') {
            byte(static_cast<std::uint8_t>(*characters++));
        }
    }
    void append(const std::vector<std::uint8_t>& more) {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// Palette entry 0 is the background, so that it can be the transparent colour.
std::vector<Colour> paletteOf(const Canvas& canvas) {
    std::vector<Colour> palette{canvas.background()};
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            Colour colour = canvas.at(x, y);
            if (std::find(palette.begin(), palette.end(), colour) == palette.end()) {
                palette.push_back(colour);
            }
        }
    }
    if (palette.size() > paletteSize) {
        throw std::runtime_error("picture has more colours than a GIF palette holds");
    }
    palette.resize(paletteSize);
    return palette;
}

std::vector<std::uint8_t> pixelCodes(const Canvas& canvas, const std::vector<Colour>& palette) {
    std::vector<std::uint8_t> codes;
    int sinceClear = pixelsPerClear;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (sinceClear == pixelsPerClear) {
                codes.push_back(clearCode);
                sinceClear = 0;
            }
            auto entry = std::find(palette.begin(), palette.end(), canvas.at(x, y));
            codes.push_back(static_cast<std::uint8_t>(entry - palette.begin()));
            ++sinceClear;
        }
    }
    codes.push_back(endCode);
    return codes;
}

} // namespace

void writeGif(const Canvas& canvas, const std::string& path) {
    std::vector<Colour> palette = paletteOf(canvas);
    ByteWriter gif;
    gif.text("GIF89a");
    gif.word(canvas.width());
    gif.word(canvas.height());
    gif.byte(0x80 | ((paletteBits - 1) << 4) | (paletteBits - 1)); // global palette of 2^7
    gif.byte(0);                                                   // background entry
    gif.byte(0);                                                   // square pixels
    for (const Colour& colour : palette) {
        gif.byte(colour.red);
        gif.byte(colour.green);
        gif.byte(colour.blue);
    }
    gif.byte(0x21); // graphic control: entry 0 is transparent
    gif.byte(0xf9);
    gif.byte(4);
    gif.byte(0x01);
    gif.word(0);
    gif.byte(0);
    gif.byte(0);
    gif.byte(0x2c); // the one image, covering the whole screen
    gif.word(0);
    gif.word(0);
    gif.word(canvas.width());
    gif.word(canvas.height());
    gif.byte(0);
    gif.byte(paletteBits);
    std::vector<std::uint8_t> codes = pixelCodes(canvas, palette);
    for (size_t start = 0; start < codes.size(); start += largestSubBlock) {
        size_t length = std::min(largestSubBlock, codes.size() - start);
        gif.byte(static_cast<std::uint8_t>(length));
        gif.append(std::vector<std::uint8_t>(codes.begin() + static_cast<long>(start),
                                             codes.begin() + static_cast<long>(start + length)));
    }
    gif.byte(0);
    gif.byte(0x3b);

    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(gif.bytes().data()),
               static_cast<std::streamsize>(gif.bytes().size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace docpictures
