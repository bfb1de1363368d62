#pragma once
// A pack's module made from the shipped one: the same bytes but for the
// values block, the resource section and the module's name.
#include <string>

#include "pack_module.h"

namespace kit {

// False, with the reason, where `shipped` is not a module the kit can make
// packs from (no values section of this block's size, no export directory,
// data after its last section).
bool BuildPackModule(const Bytes& shipped, const PackContents& pack, Bytes& module, std::string& why);

}  // namespace kit
