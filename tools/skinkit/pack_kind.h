#pragma once
// What a path given as a pack is, told by what it holds rather than by its
// name: a folder, or a module of one of the two builds.
#include <filesystem>

namespace skinkit {

enum class PackKind {
    Missing,
    Folder,
    WindowsModule,   // a PE file: the Windows build's <name>.dll
    PortableModule,  // an ELF file: the portable build's lib<name>.so
    Unknown,         // a file that is neither
};

PackKind KindOf(const std::filesystem::path& pack);

}  // namespace skinkit
