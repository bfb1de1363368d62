#pragma once
// A picture file held to its catalogue row: a .bmp's size, depth and colour
// table, an .ico's images in their stored order.
#include <filesystem>
#include <string>

#include "skin_catalogue.h"

namespace kit {

// False, with what differs, where the file is not in the row's form.
bool CheckPicture(const std::filesystem::path& path, const catalogue::Entry& entry, std::string& why);

}  // namespace kit
