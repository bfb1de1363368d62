#pragma once
// Where the portable loader finds a module's resources. The real loader reads a
// resource section from the mapped image; here the same compiled resource file
// (the 32-bit .res format) travels in the image as an allocated ELF note, which
// the loader can find from the module's base address without any help from the
// module's own code.
#include <cstdint>

namespace win32note {

constexpr char kOwner[] = "WinRsrc";           // note name, 8 bytes with its zero
constexpr std::uint32_t kType = 0x52535243u;    // note type: 'CRSR'
constexpr char kSection[] = ".note.winrsrc";

}  // namespace win32note
