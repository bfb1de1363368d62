#pragma once
// The resource section's tree as it lies in the image: directory tables of
// entries (named entries first, then numbered ones), and at the leaves data
// entries that give each resource's bytes by RVA. Offsets inside the tree
// are counted from the start of the resource data directory.
#include <cstdint>

namespace modfile {

constexpr std::uint16_t kRtBitmap = 2;
constexpr std::uint16_t kRtIcon = 3;
constexpr std::uint16_t kRtGroupIcon = 14;

// In an entry's name: the rest is the offset of a counted UTF-16 string.
// In an entry's target: the rest is the offset of a subdirectory.
constexpr std::uint32_t kResourceHighBit = 0x80000000u;

#pragma pack(push, 1)

struct ResourceDirectoryTable {
    std::uint32_t characteristics;
    std::uint32_t timeDateStamp;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
    std::uint16_t namedEntryCount;
    std::uint16_t idEntryCount;
};
static_assert(sizeof(ResourceDirectoryTable) == 16, "resource directory table is 16 bytes");

struct ResourceDirectoryEntry {
    std::uint32_t nameOrId;
    std::uint32_t target;
};
static_assert(sizeof(ResourceDirectoryEntry) == 8, "resource directory entry is 8 bytes");

struct ResourceDataEntry {
    std::uint32_t dataRva;
    std::uint32_t size;
    std::uint32_t codePage;
    std::uint32_t reserved;
};
static_assert(sizeof(ResourceDataEntry) == 16, "resource data entry is 16 bytes");

#pragma pack(pop)

}  // namespace modfile
