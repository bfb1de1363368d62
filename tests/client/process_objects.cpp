#include "process_objects.h"

#include <psapi.h>

#include <cstdint>

namespace clienttest {
namespace {

// Wine's shared table, one entry per handle index, as its graphics driver lays it out.
struct WineGdiEntry {
    std::uint64_t object;
    std::uint32_t owner;  // Wine leaves it 0: the table is the process's own
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(WineGdiEntry) == 24, "Wine's graphics handle entry");
constexpr size_t kWineGdiHandles = 0x10000;

// The process environment block's table pointer, at its 32-bit offset.
const WineGdiEntry* WineGdiTable() {
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr) return nullptr;
    const auto* teb = reinterpret_cast<const std::uint8_t*>(NtCurrentTeb());
    const auto* peb = *reinterpret_cast<const std::uint8_t* const*>(teb + 0x30);
    return *reinterpret_cast<const WineGdiEntry* const*>(peb + 0x94);
}

}  // namespace

size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;  // the committed private memory
}

size_t LiveGraphicsObjects() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return counted;
    const WineGdiEntry* table = WineGdiTable();
    if (table == nullptr) return 0;
    size_t live = 0;
    for (size_t i = 0; i < kWineGdiHandles; ++i) live += table[i].type != 0;
    return live;
}

}  // namespace clienttest
