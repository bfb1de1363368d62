#include "elf_note.h"

#include <cstring>

#include "byte_reader.h"

namespace win32 {

bool FindNote(const std::uint8_t* segment, std::size_t size, std::size_t alignment, const char* owner,
              std::uint32_t type, const std::uint8_t** desc, std::size_t* descSize) {
    if (!segment) return false;
    const std::uint64_t align = alignment == 8 ? 8 : 4;
    auto pad = [align](std::uint64_t n) { return (n + align - 1) & ~(align - 1); };
    const std::size_t ownerSize = std::strlen(owner) + 1;
    std::size_t pos = 0;
    while (Fits(size, pos, sizeof(NoteHeader))) {
        NoteHeader header;
        std::memcpy(&header, segment + pos, sizeof header);
        // The descriptor and the next note start at aligned offsets from the note's start.
        const std::uint64_t nameStart = pos + sizeof(NoteHeader);
        const std::uint64_t descStart = pos + pad(sizeof(NoteHeader) + static_cast<std::uint64_t>(header.nameSize));
        if (descStart > size || !Fits(size, nameStart, header.nameSize)) return false;
        if (!Fits(size, descStart, header.descSize)) return false;
        if (header.type == type && header.nameSize == ownerSize &&
            std::memcmp(segment + nameStart, owner, ownerSize) == 0) {
            *desc = segment + descStart;
            *descSize = header.descSize;
            return true;
        }
        const std::uint64_t next = descStart + pad(header.descSize);
        if (next > size) return false;
        pos = static_cast<std::size_t>(next);
    }
    return false;
}

}  // namespace win32
