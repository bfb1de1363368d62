#pragma once
// A built module given another pack's contents without a linker: the values
// block, the resource section and the module's own name replaced, every other
// byte kept, the way the platform's own resource-update functions rewrite a
// module.
//
// The new resource section is written at the old one's address. The sections
// after it move by whole alignments, in the file and in memory, with the data
// directories, the image size and the COFF symbol table that point past it;
// only sections that nothing but the loader addresses may follow it: those
// marked discardable, or holding the base relocations or the debug directory.
// A module with bytes after its last section and symbol table (an overlay, a
// signature) is refused: a signature would not hold for the rewritten bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "byte_span.h"
#include "error_or.h"
#include "resource_directory.h"

namespace modfile {

// The section that holds the values block, and nothing else.
constexpr const char* kValuesSectionName = ".skinval";

struct ModuleEdits {
    // The new contents of the values section, exactly its virtual size; none
    // keeps the section as it is.
    std::optional<ByteSpan> values;
    // The resource section's new resources, whose bytes the caller keeps.
    std::vector<Resource> resources;
    // The export directory's module name ("skinpak2.dll"): printable ASCII
    // without a path. It replaces the old name where it fits, or else follows
    // the export data when that ends its section's contents and the section's
    // file data has room. None keeps the name.
    std::optional<std::string> moduleName;
};

// The rewritten module, its checksum recomputed; the COFF timestamp is kept.
ErrorOr<std::vector<std::uint8_t>> rewriteModule(ByteSpan module, const ModuleEdits& edits);

}  // namespace modfile
