#pragma once
// A picture an artist gives as a PNG, of any colour type, converted to its
// catalogue row's stored form, the same way every time. At 24 bits the
// colours stay as they are; at 8, 4 or 1 the table holds exactly the colours
// used, in ascending 0xRRGGBB order, filled out with black.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pictures/dib_writer.h"
#include "skin_catalogue.h"

namespace kit {

// A bitmap row's pixels, its table filled out to the row's length. Every
// pixel must be fully opaque.
std::optional<pictures::StoredPixels> BitmapFromPng(const std::vector<std::uint8_t>& png,
                                                    const catalogue::Entry& bitmap, std::string& why);

// One image of an icon group: alpha under 128 is transparent and stores
// black; the table is the full length for the depth.
std::optional<pictures::IconPixels> IconImageFromPng(const std::vector<std::uint8_t>& png,
                                                     const catalogue::IconImage& image, std::string& why);

}  // namespace kit
