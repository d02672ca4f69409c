// A small RGB drawing surface for the manual's pictures: filled shapes without smoothing, so that
// every picture keeps the handful of colours a GIF palette holds.
#pragma once

#include <cstdint>
#include <vector>

namespace docpictures {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

class Canvas {
public:
    Canvas(int width, int height, Colour background);

    int width() const { return width_; }
    int height() const { return height_; }
    Colour background() const { return background_; }
    Colour at(int x, int y) const;
    // Interleaved red, green and blue bytes, row after row.
    const std::vector<std::uint8_t>& rgb() const { return rgb_; }

    void set(int x, int y, Colour colour); // points outside the canvas are ignored
    void fillRectangle(int left, int top, int right, int bottom, Colour colour);
    void fillDisc(double centreX, double centreY, double radius, Colour colour);
    void fillRing(double centreX, double centreY, double inner, double outer, Colour colour);
    // The part of a ring between two angles, in degrees, counter-clockwise from the right,
    // with y growing downwards as on screen.
    void fillArc(double centreX, double centreY, double inner, double outer, double fromDegrees,
                 double toDegrees, Colour colour);
    void drawLine(double x0, double y0, double x1, double y1, double thickness, Colour colour);

private:
    template <typename Inside> void fillWhere(Colour colour, Inside inside);

    int width_;
    int height_;
    Colour background_;
    std::vector<std::uint8_t> rgb_;
};

} // namespace docpictures
