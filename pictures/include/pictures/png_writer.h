#pragma once
// Pictures as PNG files, for people to look at. Only where the system's
// libpng is at hand.
#include <string>

#include "pictures/image.h"

namespace pictures {

// 8-bit RGB; opacity is left out. False when the file cannot be written.
bool writePng(const std::string& path, const Image& image);

}  // namespace pictures
