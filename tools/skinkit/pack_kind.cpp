#include "pack_kind.h"

#include <cstring>
#include <fstream>

namespace skinkit {

PackKind KindOf(const std::filesystem::path& pack) {
    std::error_code error;
    if (std::filesystem::is_directory(pack, error)) return PackKind::Folder;
    if (!std::filesystem::exists(pack, error)) return PackKind::Missing;
    char magic[4] = {};
    std::ifstream(pack, std::ios::binary).read(magic, sizeof magic);
    if (std::memcmp(magic, "MZ", 2) == 0) return PackKind::WindowsModule;
    if (std::memcmp(magic, "\x7f" "ELF", 4) == 0) return PackKind::PortableModule;
    return PackKind::Unknown;
}

}  // namespace skinkit
