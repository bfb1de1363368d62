#pragma once
// Writing the preview's pictures: PNG where the system's libpng is at hand,
// otherwise a 24-bit BMP that needs no library.
#include <string>

#include "canvas.h"

namespace preview {

bool WriteBmp(const std::string& path, const Canvas& canvas);
#if SKIN_PREVIEW_HAS_PNG
bool WritePng(const std::string& path, const Canvas& canvas);
#endif

// The extension of the pictures this build writes: "png" or "bmp".
const char* PictureExtension();
// Writes the canvas in this build's format to DIR/STEM.EXT and returns the path, or "" on failure.
std::string WritePicture(const std::string& dir, const std::string& stem, const Canvas& canvas);

}  // namespace preview
