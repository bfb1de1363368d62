#pragma once
// Pictures as PNG files, for people to look at, written by stb_image_write in
// every build, so that the same pixels give the same bytes everywhere.
#include <string>

#include "pictures/dib_writer.h"
#include "pictures/image.h"

namespace pictures {

// 8-bit RGB; opacity is left out. Empty for an empty image.
Bytes encodePng(const Image& image);
// False when the file cannot be written.
bool writePng(const std::string& path, const Image& image);

}  // namespace pictures
