#pragma once
// The source that carries a pack's values block into a module.
#include <string>

#include "skin_values.h"

namespace kit {

// A C++ source defining the block the module reads, in the DLL's values
// section; `from` names the pack in its comment.
std::string ValuesSource(const skin::SkinValues& values, const std::string& from);

}  // namespace kit
