#pragma once
// Reads PNG files of every colour type and depth an artist's program writes,
// into 8-bit RGB with an opacity per pixel: a 16-bit sample keeps its high
// byte, a picture without alpha is opaque. A malformed file gives nothing,
// with the reason in `why`.
#include <optional>
#include <string>

#include "pictures/dib_writer.h"
#include "pictures/image.h"

namespace pictures {

struct PngSize {
    int width = 0, height = 0;
};

// The size the header gives, read without the pixels.
std::optional<PngSize> readPngSize(const Bytes& file, std::string& why);
std::optional<Image> readPngFile(const Bytes& file, std::string& why);

}  // namespace pictures
