#pragma once
// A pack given another name, for a copy of it: its values file as written,
// or its values block.
#include <string>

#include "skin_values.h"

namespace kit {

// `text` with the string of its top-level `name = "…"` replaced by `name`,
// everything else kept as written (comments, spacing, the order of tables);
// false with the reason where the text does not parse or has no such line.
bool RenamePackValues(const std::string& text, const std::string& name, std::string& renamed, std::string& why);

// `values` with the module name that `name` gives; false with the reason,
// and `values` as it was, where the name cannot name a module.
bool RenamePackBlock(skin::SkinValues& values, const std::string& name, std::string& why);

}  // namespace kit
