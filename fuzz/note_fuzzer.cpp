// The notes of a loaded segment, where the portable loader looks for a
// module's resources: every size read from the data is checked against it.
#include <cstdint>
#include <vector>

#include "elf_note.h"
#include "win32_resource_note.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the segment's alignment, as the program header gives it.
    const size_t alignment = size_t{1} << (data[0] % 4);
    const std::vector<uint8_t> segment(data + 1, data + size);
    const uint8_t* desc = nullptr;
    size_t descSize = 0;
    if (win32::FindNote(segment.data(), segment.size(), alignment, win32note::kOwner, win32note::kType, &desc, &descSize)) {
        if (desc < segment.data() || desc + descSize > segment.data() + segment.size()) __builtin_trap();
    }
    return 0;
}
