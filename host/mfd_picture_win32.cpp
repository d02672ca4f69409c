// The Windows build of vrhost draws no pictures: the font and the PNG writer are the Linux
// machine's.
#include "host/mfd_picture.h"

namespace vrhost {

bool writeMfdPicture(const std::string&, int, int, const std::vector<DrawnText>&,
                     std::string& error) {
    error = "MFD pictures are drawn by the Linux build of vrhost";
    return false;
}

} // namespace vrhost
