#pragma once
// A pack's contents written out as a pack folder: its values file in the one
// canonical form, its pictures in platform form under their catalogue names.
#include <filesystem>
#include <string>

#include "pack_module.h"

namespace kit {

// Into `folder`, which must exist; false with the reason where a file cannot
// be written or the values cannot be a pack's.
bool WritePackFolder(const std::filesystem::path& folder, const PackContents& pack, std::string& why);

}  // namespace kit
