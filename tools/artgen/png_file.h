#pragma once
#include <string>

#include "raster.h"

namespace art {

// Writes the picture as an 8-bit RGB PNG; throws std::runtime_error on failure.
void writePng(const std::string& path, const Image& image);

}  // namespace art
