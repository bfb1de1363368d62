#pragma once
// The source that carries a compiled resource file inside an ELF module: one
// allocated note in its own section, so that the loader finds the bytes among
// the module's PT_NOTE segments without any symbol of the module's own.
#include <cstdint>
#include <string>

namespace rescomp {

// C++ source holding only top-level assembly: the note header (name "WinRsrc",
// its type, descriptor size resSize) and the .res at resPath (absolute) pulled
// in with .incbin, padded to 4 bytes. The assembler refuses the result if the
// file's size no longer matches resSize.
std::string noteSource(const std::string& resPath, std::uint64_t resSize, const std::string& scriptName);

}  // namespace rescomp
