// An MFD page drawn as the pilot sees it: its pieces of text in their colours on the display's
// black, in DejaVu Sans (Debian's fonts-dejavu-core).
#pragma once

#include "host/mfd.h"

#include <string>
#include <vector>

namespace vrhost {

// Writes a PNG of `width` x `height` pixels; false with `error` set when it cannot.
bool writeMfdPicture(const std::string& path, int width, int height,
                     const std::vector<DrawnText>& texts, std::string& error);

} // namespace vrhost
