#pragma once
// The values block of the pack the module was built with.
#include "skin_values.h"

namespace skin {

// Copies the module's values block into `values`. False, and `values` is not
// to be used, where the block is not one this module reads: another magic
// value, version or size, or a module name without its terminating zero.
bool ReadValuesBlock(SkinValues& values);

}  // namespace skin
