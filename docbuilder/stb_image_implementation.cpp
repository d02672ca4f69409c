// The picture loader's code, compiled once for the whole program. Only the headers of the
// formats' size fields are ever read, so the decoders are not tuned.
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
