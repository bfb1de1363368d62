#pragma once
// A pack as a command is given it: a pack folder, or a module file that the
// kit built (or the shipped module itself).
#include <filesystem>

#include "pack_module.h"
#include "problems.h"

namespace skinkit {

// Folders are read and checked as `check` does; module files are read back
// as `unpack` does. False, with every problem, where it is neither whole.
bool ReadPack(const std::filesystem::path& from, kit::PackContents& pack, kit::Problems& problems);

}  // namespace skinkit
