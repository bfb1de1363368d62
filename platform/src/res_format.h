#pragma once
// The compiled resource file (.res, 32-bit form): a sequence of entries, each
// a header naming type, name and language, then the resource's bytes.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace win32 {

// A resource type or name: a number, or a string as stored (UTF-16).
struct ResName {
    bool isId = true;
    WORD id = 0;
    std::u16string text;

    // What a caller passes: a MAKEINTRESOURCE number, "#123", or a name.
    static ResName FromArgument(LPCSTR name);
    // Numbers by value, names without regard to case, as the real loader compares them.
    bool Matches(const ResName& other) const;
};

struct ResEntry {
    ResName type;
    ResName name;
    WORD language = 0;
    std::size_t dataOffset = 0;
    std::uint32_t dataSize = 0;
};

// Every entry of a .res image, or false (and no entries) when any part of it
// is malformed; the empty entry that starts every such file is left out.
bool ParseResFile(const std::uint8_t* data, std::size_t size, std::vector<ResEntry>* entries);

}  // namespace win32
