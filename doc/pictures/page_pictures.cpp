#include "doc/pictures/page_pictures.h"

#include <cmath>
#include <numbers>

namespace docpictures {

namespace {

constexpr Colour spaceTop{8, 16, 48};
constexpr Colour spaceBottom{28, 58, 118};
constexpr Colour waveColour{120, 220, 255};

Colour blend(Colour from, Colour to, double share) {
    auto mix = [share](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * share));
    };
    return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

void fillGradient(Canvas& canvas, Colour top, Colour bottom) {
    for (int y = 0; y < canvas.height(); ++y) {
        canvas.fillRectangle(0, y, canvas.width() - 1, y,
                             blend(top, bottom, static_cast<double>(y) / canvas.height()));
    }
}

// A sound wave whose loudness swells and fades along the picture, as an engine's does with the
// throttle.
void drawWave(Canvas& canvas, double middle, double amplitude, double wavelength, double thickness,
              Colour colour) {
    double previousY = middle;
    for (int x = 1; x < canvas.width(); ++x) {
        double along = static_cast<double>(x) / canvas.width();
        double envelope = std::sin(along * std::numbers::pi);
        double y =
            middle + amplitude * envelope * std::sin(2.0 * std::numbers::pi * x / wavelength);
        canvas.drawLine(x - 1, previousY, x, y, thickness, colour);
        previousY = y;
    }
}

Canvas titleBackground() {
    Canvas canvas(1200, 90, spaceTop);
    fillGradient(canvas, spaceTop, spaceBottom);
    // Fixed star positions, so that every build draws the same picture.
    for (int star = 0; star < 60; ++star) {
        int x = (star * 379 + 53) % canvas.width();
        int y = (star * 151 + 17) % canvas.height();
        canvas.set(x, y, {230, 230, 255});
    }
    drawWave(canvas, 62.0, 18.0, 37.0, 1.6, blend(spaceBottom, waveColour, 0.6));
    return canvas;
}

Canvas chapterBackground() {
    Canvas canvas(1200, 56, spaceTop);
    fillGradient(canvas, {20, 46, 104}, {44, 96, 160});
    drawWave(canvas, 40.0, 9.0, 23.0, 1.2, blend({44, 96, 160}, waveColour, 0.35));
    return canvas;
}

Canvas engineWave() {
    Canvas canvas(240, 90, {250, 250, 255});
    canvas.drawLine(0, 45, 239, 45, 1.0, {200, 200, 220});
    drawWave(canvas, 45.0, 38.0, 11.0, 1.4, {30, 80, 170});
    return canvas;
}

} // namespace

std::vector<NamedPicture> backgroundPictures() {
    return {{"InputBackgroundTitle.jpg", titleBackground()},
            {"InputBackgroundChapter.jpg", chapterBackground()}};
}

std::vector<NamedPicture> figurePictures() {
    return {{"engine_wave.png", engineWave()}};
}

} // namespace docpictures
