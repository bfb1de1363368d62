#pragma once
// The preview's pictures as PNG files, the same bytes from every build.
#include <string>

#include "canvas.h"
#include "pictures/dib_writer.h"

namespace preview {

// Empty for an empty canvas.
pictures::Bytes EncodePng(const Canvas& canvas);
// Writes the canvas to DIR/STEM.png and returns the path, or "" on failure.
std::string WritePicture(const std::string& dir, const std::string& stem, const Canvas& canvas);

}  // namespace preview
