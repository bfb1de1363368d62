#pragma once
// A pack's contents written out as a pack folder: its values file in the one
// canonical form, its pictures in platform form under their catalogue names.
#include <filesystem>
#include <string>

#include "pack_module.h"

namespace kit {

// Into `folder`, which must exist; false with the reason where a file cannot
// be written or the values cannot be a pack's. `valuesTail` ends the values
// file: tables the module does not hold, such as a [derive] recipe.
bool WritePackFolder(const std::filesystem::path& folder, const PackContents& pack, std::string& why,
                     const std::string& valuesTail = "");

}  // namespace kit
