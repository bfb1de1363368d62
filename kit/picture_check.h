#pragma once
// A .bmp or .ico file held to its catalogue row: a .bmp's size, depth and
// colour table, an .ico's images in their stored order.
#include <cstdint>
#include <string>
#include <vector>

#include "skin_catalogue.h"

namespace kit {

// False, with what differs, where the file is not in the row's form or does
// not read back whole.
bool CheckPicture(const std::vector<std::uint8_t>& bytes, const catalogue::Entry& entry, std::string& why);

}  // namespace kit
