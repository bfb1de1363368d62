#pragma once
// A built pack's module read back into what its folder held: the values
// block from its section, and every picture of the catalogue rebuilt as the
// .bmp or .ico file the resources were cut from.
#include <cstdint>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "problems.h"
#include "skin_values.h"

namespace kit {

struct PackContents {
    skin::SkinValues values{};
    std::vector<Bytes> pictures;  // one per catalogue entry, in its order
};

// Reads the module file's bytes; every problem names `shownAs`. False, with
// the problems, where it is not a pack's module or lacks a picture.
bool ReadPackModule(const Bytes& module, const std::string& shownAs, PackContents& pack, Problems& problems);

}  // namespace kit
