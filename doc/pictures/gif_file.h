// GIF pictures (the format of the smileys and bullets), the canvas background transparent.
#pragma once

#include "doc/pictures/canvas.h"

#include <string>

namespace docpictures {

// Throws std::runtime_error when the file cannot be written or the canvas holds more colours
// than the palette.
void writeGif(const Canvas& canvas, const std::string& path);

} // namespace docpictures
