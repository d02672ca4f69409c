#include "doc/pictures/canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace docpictures {

Canvas::Canvas(int width, int height, Colour background)
    : width_(width), height_(height), background_(background),
      rgb_(static_cast<size_t>(width) * height * 3) {
    fillRectangle(0, 0, width - 1, height - 1, background);
}

Colour Canvas::at(int x, int y) const {
    size_t offset = (static_cast<size_t>(y) * width_ + x) * 3;
    return {rgb_[offset], rgb_[offset + 1], rgb_[offset + 2]};
}

void Canvas::set(int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    size_t offset = (static_cast<size_t>(y) * width_ + x) * 3;
    rgb_[offset] = colour.red;
    rgb_[offset + 1] = colour.green;
    rgb_[offset + 2] = colour.blue;
}

template <typename Inside> void Canvas::fillWhere(Colour colour, Inside inside) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            // Pixel centres, so that shapes are symmetric about their centre.
            if (inside(x + 0.5, y + 0.5)) {
                set(x, y, colour);
            }
        }
    }
}

void Canvas::fillRectangle(int left, int top, int right, int bottom, Colour colour) {
    for (int y = std::max(top, 0); y <= std::min(bottom, height_ - 1); ++y) {
        for (int x = std::max(left, 0); x <= std::min(right, width_ - 1); ++x) {
            set(x, y, colour);
        }
    }
}

void Canvas::fillDisc(double centreX, double centreY, double radius, Colour colour) {
    fillRing(centreX, centreY, 0.0, radius, colour);
}

void Canvas::fillRing(double centreX, double centreY, double inner, double outer, Colour colour) {
    fillWhere(colour, [&](double x, double y) {
        double distance = std::hypot(x - centreX, y - centreY);
        return distance <= outer && distance >= inner;
    });
}

void Canvas::fillArc(double centreX, double centreY, double inner, double outer, double fromDegrees,
                     double toDegrees, Colour colour) {
    fillWhere(colour, [&](double x, double y) {
        double distance = std::hypot(x - centreX, y - centreY);
        double degrees = std::atan2(centreY - y, x - centreX) * 180.0 / std::numbers::pi;
        if (degrees < 0.0) {
            degrees += 360.0;
        }
        return distance <= outer && distance >= inner && degrees >= fromDegrees &&
               degrees <= toDegrees;
    });
}

void Canvas::drawLine(double x0, double y0, double x1, double y1, double thickness, Colour colour) {
    double lengthSquared = (x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0);
    fillWhere(colour, [&](double x, double y) {
        double along =
            lengthSquared == 0.0
                ? 0.0
                : std::clamp(((x - x0) * (x1 - x0) + (y - y0) * (y1 - y0)) / lengthSquared, 0.0,
                             1.0);
        double nearestX = x0 + along * (x1 - x0);
        double nearestY = y0 + along * (y1 - y0);
        return std::hypot(x - nearestX, y - nearestY) <= thickness / 2.0;
    });
}

} // namespace docpictures
