#include "docbuilder/picture_size.h"

#include "platform/file_system.h"

#include <cstdio>
#include <stb/stb_image.h>

namespace docbuilder {

std::optional<PictureSize> measurePicture(const std::string& systemPath) {
    FILE* file = platform::openFile(systemPath.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    PictureSize size;
    int channels = 0;
    bool read = stbi_info_from_file(file, &size.width, &size.height, &channels) != 0;
    std::fclose(file);
    if (!read) {
        return std::nullopt;
    }
    return size;
}

} // namespace docbuilder
