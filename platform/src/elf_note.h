#pragma once
// Notes inside a loaded ELF segment: each a header (name size, descriptor
// size, type), the owner name and the descriptor, padded to the segment's
// alignment.
#include <cstddef>
#include <cstdint>

namespace win32 {

struct NoteHeader {
    std::uint32_t nameSize;
    std::uint32_t descSize;
    std::uint32_t type;
};
static_assert(sizeof(NoteHeader) == 12, "ELF note header is 12 bytes");

// The descriptor of the first note with this owner and type, every size
// checked against the segment; false when there is none.
bool FindNote(const std::uint8_t* segment, std::size_t size, std::size_t alignment, const char* owner,
              std::uint32_t type, const std::uint8_t** desc, std::size_t* descSize);

}  // namespace win32
