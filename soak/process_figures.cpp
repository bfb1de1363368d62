#include "process_figures.h"

#include <windows.h>

#include <cstdio>

#if defined(_WIN32)
#include <malloc.h>
#include <psapi.h>
#else
#include <malloc.h>

#include <atomic>
#include <fstream>
#include <new>
#endif

namespace soak {
namespace {

// A bounded queue that drops its oldest entries, such as the portable
// platform's record of calls, takes and gives back a block now and then.
constexpr std::size_t kBlocksAllowance = 2;
constexpr std::size_t kBytesAllowance = 64 * 1024;
constexpr std::size_t kMemoryAllowanceKiB = 1024;

#if defined(_WIN32)
// msvcrt.dll's own walk of the heap that host and module share.
void HeapFigures(Figures* f) {
    _HEAPINFO entry{};
    f->heapBlocks = 0;
    f->heapBytes = 0;
    while (_heapwalk(&entry) == _HEAPOK) {
        if (entry._useflag != _USEDENTRY) continue;
        ++f->heapBlocks;
        f->heapBytes += entry._size;
    }
}

std::size_t MemoryKiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return counters.WorkingSetSize / 1024;
}
#else
// Every block the process's operator new hands out, the module's included:
// the module takes the executable's operator new, as the loader binds it.
std::atomic<std::size_t> liveBlocks{0};

void HeapFigures(Figures* f) {
    f->heapBlocks = liveBlocks.load();
    f->heapBytes = mallinfo2().uordblks;
}

std::size_t MemoryKiB() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}
#endif

}  // namespace

Figures Measure() {
    Figures f{};
    f.graphicsObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    f.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    HeapFigures(&f);
    f.memoryKiB = MemoryKiB();
    return f;
}

void Print(long call, const Figures& f) {
    std::printf("%8ld calls: graphics objects %lu, user objects %lu, heap blocks %zu, heap bytes %zu, memory %zu KiB\n",
                call, f.graphicsObjects, f.userObjects, f.heapBlocks, f.heapBytes, f.memoryKiB);
    std::fflush(stdout);
}

std::string Drift(const Figures& before, const Figures& after) {
    std::string drift;
    auto grew = [&](const char* what, std::size_t from, std::size_t to, std::size_t allowance) {
        if (to > from + allowance)
            drift += std::string(drift.empty() ? "" : "; ") + what + " " + std::to_string(from) + " -> " + std::to_string(to);
    };
    grew("graphics objects", before.graphicsObjects, after.graphicsObjects, 0);
    grew("user objects", before.userObjects, after.userObjects, 0);
    grew("heap blocks", before.heapBlocks, after.heapBlocks, kBlocksAllowance);
    grew("heap bytes", before.heapBytes, after.heapBytes, kBytesAllowance);
    grew("memory KiB", before.memoryKiB, after.memoryKiB, kMemoryAllowanceKiB);
    return drift;
}

}  // namespace soak

#if !defined(_WIN32)
void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    ++soak::liveBlocks;
    return block;
}
void operator delete(void* block) noexcept {
    if (block == nullptr) return;
    --soak::liveBlocks;
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
#endif
