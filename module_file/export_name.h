#pragma once
// The module's own name, as its export directory records it: the name a
// module built from another is known by, and the one a loader compares.
#include <cstdint>
#include <string>

#include "error_or.h"
#include "pe_image.h"

namespace modfile {

struct ExportName {
    std::string text;
    std::uint32_t rva = 0;          // of its first character
    std::uint64_t fieldOffset = 0;  // in the file, of the directory's field that holds rva
};

ErrorOr<ExportName> exportName(const PeImage& image);

}  // namespace modfile
