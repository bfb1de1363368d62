#pragma once
// Checks the .bmp and .ico files a script names and cuts them into resource
// data. Every size and offset read from a file is checked against the file
// before it is used; a malformed file raises CompileError with `what` (the
// file's name as the script gives it) in front of the reason.
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
