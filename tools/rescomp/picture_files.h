#pragma once
// Cuts the .bmp and .ico files a script names into resource data, once the
// picture reader has checked them; a malformed file raises CompileError with
// `what` (the file's name as the script gives it) in front of the reason.
#include <cstdint>
#include <string>
#include <vector>

#include "pictures/dib_format.h"

namespace rescomp {

// The bitmap resource: the file without its 14-byte file header.
std::vector<std::uint8_t> bitmapResourceData(const std::vector<std::uint8_t>& file,
                                             const std::string& what);

struct IconImage {
    dib::IconDirEntry entry;          // as the file's directory gives it
    std::vector<std::uint8_t> data;   // the image as stored: header, colours, masks
};

std::vector<IconImage> iconFileImages(const std::vector<std::uint8_t>& file,
                                      const std::string& what);

}  // namespace rescomp
