// The backgrounds of the page's title and chapter headings, and the manual's figures.
#pragma once

#include "doc/pictures/smiley_pictures.h"

#include <vector>

namespace docpictures {

// "InputBackgroundTitle.jpg" and "InputBackgroundChapter.jpg".
std::vector<NamedPicture> backgroundPictures();

// The pictures that the chapters show with [img=...].
std::vector<NamedPicture> figurePictures();

} // namespace docpictures
