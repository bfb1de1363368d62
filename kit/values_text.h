#pragma once
// A values block written back as a values file, in the one form the shipped
// packs' pack.toml files are written in: the name, then every table in key
// order, a blank line between tables, each value as the reader reads it.
#include <string>

#include "skin_values.h"

namespace kit {

// False, with the reason, where the block cannot be a pack's: a module name
// that a pack name does not give, a stem that is not one, a colour whose
// system index has no name.
bool PackValuesText(const skin::SkinValues& values, std::string& text, std::string& why);

}  // namespace kit
