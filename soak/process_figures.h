#pragma once
// What a process holds at a moment: the platform's objects, the C runtime
// heap's live blocks and bytes, and memory. Each figure is read the way the
// platform at hand offers it.
#include <cstddef>
#include <string>

namespace soak {

struct Figures {
    unsigned long graphicsObjects;  // GR_GDIOBJECTS
    unsigned long userObjects;      // GR_USEROBJECTS: windows and icons
    std::size_t heapBlocks;
    std::size_t heapBytes;
    std::size_t memoryKiB;  // resident set, or the working set on Windows
};

Figures Measure();
void Print(long call, const Figures& figures);
// What grew from `before` to `after`, as text; empty when nothing did. Object
// counts must stay equal; heap blocks, bytes and memory may move within a
// small allowance, as the heap and the allocator arrange themselves.
std::string Drift(const Figures& before, const Figures& after);

}  // namespace soak
