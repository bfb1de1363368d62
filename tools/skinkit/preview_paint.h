#pragma once
// A pack painted in this process: its hall and tree as the client paints
// them, from the pack's own module loaded here, and the contact sheet of its
// pictures. Only where skinkit has the preview and a platform to load
// modules with: a folder or a .dll on Windows, a lib<name>.so on the
// portable build.
#include <filesystem>
#include <vector>

#include "output_files.h"
#include "pack_kind.h"
#include "problems.h"

namespace skinkit {

// The module kind this build loads.
#ifdef _WIN32
constexpr PackKind kLoadableModule = PackKind::WindowsModule;
#else
constexpr PackKind kLoadableModule = PackKind::PortableModule;
#endif

// hall.png, tree.png and contact.png; false, with every problem, when the
// pack cannot give all three. A folder's module is made from `shipped` (found
// beside skinkit when empty) in a temporary file, removed again.
// `progress` tells the slow steps on stderr.
bool PaintPack(const std::filesystem::path& pack, PackKind kind, const std::filesystem::path& shipped,
               bool progress, std::vector<NamedFile>& files, kit::Problems& problems);

}  // namespace skinkit
