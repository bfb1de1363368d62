#pragma once
// A parsed [derive] table, for the kit's readers of TOML files.
#include <string>
#include <toml++/toml.h>

#include "derive_recipe.h"

namespace kit {

// Reads `node`, the value of a file's "derive" key; keys it leaves out keep
// their value in `recipe`. Every problem is appended.
void ReadDeriveTable(const toml::node& node, const std::string& shownAs, DeriveRecipe& recipe, Problems& problems);

}  // namespace kit
