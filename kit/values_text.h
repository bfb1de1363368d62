#pragma once
// A values block written back as a values file, in the one form the shipped
// packs' pack.toml files are written in: the name, then every table in key
// order, a blank line between tables, each value as the reader reads it.
#include <string>

#include "pack_keys.h"
#include "skin_values.h"

namespace kit {

// False, with the reason, where the block cannot be a pack's: a module name
// that a pack name does not give, a stem that is not one, a colour whose
// system index has no name.
bool PackValuesText(const skin::SkinValues& values, std::string& text, std::string& why);

// One key's value as the values file writes it ("#5971A5", 28, ["a", …]);
// "(unset)" for an optional colour left unset, "(not a pack's value)" where
// the block holds something the file cannot say.
std::string KeyValueText(const PackKey& key, const skin::SkinValues& values);

// The pack name a values block's module name gives; empty where it gives none.
std::string PackNameOf(const skin::SkinValues& values);

}  // namespace kit
