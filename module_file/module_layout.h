#pragma once
// Where a module's sections go when its resource section takes a new size:
// the resource section stays where it starts, and every section after it
// moves by whole file and section alignments.
#include <cstdint>
#include <vector>

#include "error_or.h"
#include "pe_image.h"

namespace modfile {

struct ModuleLayout {
    std::size_t rsrc = 0;  // the resource section's index
    std::uint32_t rsrcRva = 0;
    std::uint64_t rsrcOffset = 0;  // in the file, kept
    std::uint32_t newSize = 0;     // the new section's virtual size
    std::uint32_t newRawSize = 0;
    std::uint64_t oldRawEnd = 0;  // file offsets from here on move by rawShift
    std::int64_t rawShift = 0;
    std::uint64_t oldVirtualEnd = 0;  // and RVAs from here on by rvaShift
    std::int64_t rvaShift = 0;
    bool symbolsMove = false;  // the COFF symbol table lies past the resource section

    std::uint64_t movedOffset(std::uint64_t offset) const {
        return offset >= oldRawEnd ? static_cast<std::uint64_t>(static_cast<std::int64_t>(offset) + rawShift) : offset;
    }
};

std::uint64_t sectionHeaderOffset(const PeImage& image, std::size_t index);
std::uint64_t directoryFieldOffset(const PeImage& image, std::uint32_t index);

// The section named .rsrc, which the resource directory, if any, must begin.
ErrorOr<std::size_t> findResourceSection(const PeImage& image);

// Refuses what moving the sections after the resource section would break:
// a section or data directory that code could address, debug data, a symbol
// table inside the section, bytes beyond the last section, a signature.
ErrorOr<ModuleLayout> planLayout(const PeImage& image, std::size_t rsrc, std::uint64_t newSize);

// The module with the new section in place and the sections after it moved,
// headers, directories and symbol table pointer updated to match.
std::vector<std::uint8_t> moveSections(const PeImage& image, const ModuleLayout& layout,
                                       const std::vector<std::uint8_t>& section);

}  // namespace modfile
