// The smileys and list bullets that docbuilder's markup links from "bin\bin\smiley\".
#pragma once

#include "doc/pictures/canvas.h"

#include <string>
#include <vector>

namespace docpictures {

struct NamedPicture {
    std::string fileName; // the extension names the format
    Canvas canvas;
};

std::vector<NamedPicture> smileyPictures();
std::vector<NamedPicture> bulletPictures();

} // namespace docpictures
