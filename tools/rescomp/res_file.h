#pragma once
// The 32-bit compiled resource file (.res): a sequence of resource entries,
// each a header (sizes, type, name, flags, language) and its data, every part
// starting on a 32-bit boundary, after an empty entry that marks the format.
#include <cstdint>
#include <string>
#include <vector>

namespace rescomp {

// A resource type or name: a number, or an upper-case ASCII name.
struct ResId {
    std::uint16_t number = 0;
    std::string name;  // used when not empty

    static ResId numbered(std::uint16_t n) { return {n, {}}; }
    static ResId named(std::string s) { return {0, std::move(s)}; }
};

constexpr std::uint16_t kRtBitmap = 2;
constexpr std::uint16_t kRtIcon = 3;
constexpr std::uint16_t kRtGroupIcon = 14;

// Memory flags as the platform's compiler sets them per kind.
constexpr std::uint16_t kMoveable = 0x0010;
constexpr std::uint16_t kPure = 0x0020;
constexpr std::uint16_t kDiscardable = 0x1000;

struct Resource {
    ResId type;
    ResId name;
    std::uint16_t language;
    std::uint16_t memoryFlags;
    std::vector<std::uint8_t> data;
};

// Entries come out ordered by type, then name, then language (named before
// numbered, names by character code, numbers by value), whatever order the
// script gave.
std::vector<std::uint8_t> encodeResFile(std::vector<Resource> resources);

}  // namespace rescomp
